-- Adds a document of any number of lines to a copy of the demo database,
-- for benchmarks. Run with the sqlite3 command-line shell:
--
--   cp build/demo/korvel-demo.db bench.db
--   sqlite3 -bail -cmd ".parameter set @iddoc 5000" -cmd ".parameter set @lines 1000" \
--     bench.db < demo/generate_document.sql
--
-- The header is that of document 101 under the new number; the lines cycle
-- through the goods cards with varying groups, prices, rates and quantities.

DELETE FROM PrintString WHERE IdDoc = @iddoc;
DELETE FROM DocCaption WHERE idDoc = @iddoc;
DELETE FROM tbDocPrint WHERE IdDoc = @iddoc;

CREATE TEMP TABLE header AS SELECT * FROM tbDocPrint WHERE IdDoc = 101;
UPDATE header SET IdDoc = @iddoc, NumDoc = @iddoc;
INSERT INTO tbDocPrint SELECT * FROM header;
DROP TABLE header;
CREATE TEMP TABLE totals AS SELECT * FROM DocCaption WHERE idDoc = 101;
UPDATE totals SET idDoc = @iddoc;
INSERT INTO DocCaption SELECT * FROM totals;
DROP TABLE totals;

WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < @lines)
INSERT INTO PrintString (IdDoc, PNT, IdPredpr, IdCountry, IdPrizLog, NameVidTov, KodGr, KodPGr, Ves, EdIz, CenO,
                         CenRoz, NDS, NacOpt, NalTr, SkidOv, KolOv, KolF, Kolm, SumNDS, SumNDSR)
SELECT @iddoc, t.pnt, 70 + i % 3, 1 + i % 5, CASE i % 3 WHEN 0 THEN 5 WHEN 1 THEN 6 ELSE 41 END,
       t.NameTov || printf(' № %d', i), 1 + i % 9, 1 + i % 4, 0.2 + (i % 7) * 0.15, 'шт',
       round(0.5 + (i % 97) * 0.31, 2), round((0.5 + (i % 97) * 0.31) * 1.35, 2),
       CASE WHEN i % 2 = 0 THEN 20 ELSE 10 END, 5 + i % 11, i % 4, CASE WHEN i % 10 = 0 THEN 5 ELSE 0 END,
       CASE WHEN i % 10 = 0 THEN 1 ELSE 0 END, 1 + i % 50, 1 + i % 6,
       round((0.5 + (i % 97) * 0.31) * (1 + i % 50) * (CASE WHEN i % 2 = 0 THEN 20 ELSE 10 END) / 100.0, 2),
       round((0.5 + (i % 97) * 0.31) * 1.35 * (1 + i % 50) * (CASE WHEN i % 2 = 0 THEN 20 ELSE 10 END)
             / (100.0 + CASE WHEN i % 2 = 0 THEN 20 ELSE 10 END), 2)
FROM n JOIN sprtovar t ON t.pnt = 1001 + i % 20;

UPDATE tbDocPrint SET
  ItogoNaim = min(@lines, 32767),
  ItogoKolF = (SELECT sum(KolF) FROM PrintString WHERE IdDoc = @iddoc),
  ItogoKolM = (SELECT sum(Kolm) FROM PrintString WHERE IdDoc = @iddoc),
  ItogoMas = (SELECT round(sum(Ves * KolF), 3) FROM PrintString WHERE IdDoc = @iddoc),
  SumNDS = (SELECT round(sum(SumNDS), 2) FROM PrintString WHERE IdDoc = @iddoc),
  ItogoTov = (SELECT round(sum(CenO * KolF), 2) FROM PrintString WHERE IdDoc = @iddoc)
WHERE IdDoc = @iddoc;
UPDATE tbDocPrint SET Itogo = round(ItogoTov + SumNDS, 2), SumIncNDS = round(ItogoTov + SumNDS, 2),
                      SumOpl = round(ItogoTov + SumNDS, 2)
WHERE IdDoc = @iddoc;
