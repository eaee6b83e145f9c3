-- Demo documents: headers, totals and lines. demo/README.md lists what each
-- document shows. Line VAT and the header totals are worked out at the end
-- from the lines, so every figure agrees with the others.

INSERT INTO tbDocPrint (IdDoc, IdPredpr, KodSkl, IdF3, VidDoc, DateDoc, NumDoc, NameGrOper, Dogovor, CelPriobr,
                        FioMol, ProfMol, ProfMol1, Dover, PutList, Voditel, MarkAvto, OwnAvto, NomAvto, FIODir,
                        FIOGlBuh, Poluchat, DateOtgr, OtpRaz, Sert, SumTrn, SumUsl) VALUES
  (101, 10, 2, NULL, 1, '2026-03-02 00:00:00', 4101, 'Оптовая продажа', 'Договор поставки № 112 от 10.01.2026',
   'для розничной торговли', 'Ясюкевич Марина Леонидовна', 'кладовщик', 'товаровед', '№ 125 от 01.03.2026',
   '0458', 'Гурин Павел Иванович', 'МАЗ-4370', 'ОАО «Нёманский торговый дом»', 'АВ 4521-4', 'Станкевич В.Ч.',
   'Дудко Е.М.', 'Лукашевич И.П.', '2026-03-02 09:30:00', 'Козел А.А., зав. складом',
   'Декларация о соответствии ЕАЭС N BY/112 11.01. ТР033 003 00478', 0, 0),
  (102, 20, 2, NULL, 1, '2026-03-03 00:00:00', 4102, 'Оптовая продажа', 'Договор поставки № 57 от 12.01.2026',
   'для розничной торговли', 'Ясюкевич Марина Леонидовна', 'кладовщик', 'зав. магазином', '№ 37 от 02.03.2026',
   '0461', 'Гурин Павел Иванович', 'МАЗ-4370', 'ОАО «Нёманский торговый дом»', 'АВ 4521-4', 'Станкевич В.Ч.',
   'Дудко Е.М.', 'Жук С.А.', '2026-03-03 08:15:00', 'Козел А.А., зав. складом', NULL, 18.4, 0),
  (103, 30, 3, NULL, 1, '2026-03-04 00:00:00', 4103, 'Оптовая продажа', NULL, NULL,
   'Рябцева Ольга Николаевна', 'кладовщик', NULL, NULL, NULL, NULL, NULL, NULL, NULL, 'Станкевич В.Ч.',
   'Дудко Е.М.', NULL, NULL, NULL, NULL, 0, 0),
  (104, 40, 2, NULL, 1, '2026-03-05 00:00:00', 4104, 'Оптовая продажа с бонусом',
   'Договор поставки № 9-Б от 02.02.2026', 'для розничной торговли', 'Ясюкевич Марина Леонидовна', 'кладовщик',
   'продавец', '№ 9 от 04.03.2026', '0470', 'Шпак Дмитрий Олегович', 'ГАЗель NEXT', 'ОАО «Нёманский торговый дом»',
   'АК 7734-4', 'Станкевич В.Ч.', 'Дудко Е.М.', NULL, '2026-03-05 10:00:00', 'Козел А.А., зав. складом', NULL, 0, 0),
  (105, 10, 3, 50, 1, '2026-03-06 00:00:00', 4105, 'Оптовая продажа', 'Договор поставки № 112 от 10.01.2026',
   'для розничной торговли', 'Рябцева Ольга Николаевна', 'кладовщик', 'товаровед', '№ 131 от 05.03.2026', '1187',
   'Левчук Игорь Степанович', 'Volvo FH', 'ООО «ТрансЛогистик-Бобруйск»', 'АМ 1290-6', 'Станкевич В.Ч.',
   'Дудко Е.М.', 'Лукашевич И.П.', '2026-03-06 14:20:00', 'Бурак Н.С., кладовщик', NULL, 35.0, 12.5),
  (106, 10, 2, NULL, 1, '2026-03-10 00:00:00', 4106, 'Оптовая продажа', 'Договор поставки № 112 от 10.01.2026',
   'для розничной торговли', 'Ясюкевич Марина Леонидовна', 'кладовщик', 'товаровед', '№ 140 от 09.03.2026',
   '0502', 'Гурин Павел Иванович', 'МАЗ-4370', 'ОАО «Нёманский торговый дом»', 'АВ 4521-4', 'Станкевич В.Ч.',
   'Дудко Е.М.', 'Лукашевич И.П.', '2026-03-10 09:00:00', 'Козел А.А., зав. складом', NULL, 0, 0),
  (107, 10, 2, NULL, 1, '2026-03-11 00:00:00', 4107, 'Оптовая продажа', 'Договор поставки № 112 от 10.01.2026',
   NULL, 'Ясюкевич Марина Леонидовна', 'кладовщик', NULL, NULL, '0511', 'Гурин Павел Иванович', 'МАЗ-4370',
   'ОАО «Нёманский торговый дом»', 'АВ 4521-4', 'Станкевич В.Ч.', 'Дудко Е.М.', NULL, NULL, NULL, NULL, 0, 0),
  (108, 10, 2, NULL, 2, '2026-03-12 00:00:00', 4108, 'Возврат тары', NULL, NULL,
   'Ясюкевич Марина Леонидовна', 'кладовщик', NULL, '', NULL, NULL, NULL, NULL, NULL, 'Станкевич В.Ч.',
   'Дудко Е.М.', NULL, NULL, NULL, NULL, 0, 0);

-- Document 108 has no row here.
INSERT INTO DocCaption (idDoc, IdPredpr, StTara, Tara, SumBns, SumNdsBonus, SumSkidPokup9, SumSkidPokup16,
                        SumNacRozn, SumNacObpit) VALUES
  (101, 10, 0, 0, 0, 0, 0, 0, 0, 0),
  (102, 20, 0, 4.8, 0, 0, 1.25, 0.75, 0, 0),
  (103, 30, 0, 0, 0, 0, 0, 0, 0, 0),
  (104, 40, 0, 0, 12.5, 2.08, 0, 0, 0, 0),
  (105, 10, 2.4, 0, 0, 0, 0, NULL, 0, 0),
  (106, 10, 0, 0, 0, 0, 0.4, 0.6, 3.15, 1.2),
  (107, 10, 0, 0, 0, 0, 0, 0, 0, 0);

-- 101: one line.
INSERT INTO PrintString (IdDoc, PNT, IdPredpr, IdCountry, IdPrizLog, NameVidTov, KodGr, KodPGr, Art, Sertif, Ves,
                         Fasov, EdIz, CenO, CenRoz, NDS, NacOpt, KolF, Kolm) VALUES
  (101, 1001, 70, 1, 5, 'Молоко питьевое 3,2 % 1 л', 1, 1, '4810268031215',
   'ЕАЭС N BY/112 11.01. ТР033 003 00478', 1.03, 1, 'шт', 1.85, 2.39, 10, 8, 40, 4);

-- 102: 25 lines, three specification sheets.
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 25)
INSERT INTO PrintString (IdDoc, PNT, IdPredpr, IdCountry, IdPrizLog, NameVidTov, KodGr, KodPGr, Art, Ves, EdIz,
                         CenO, CenRoz, NDS, NacOpt, NalTr, KolF, Kolm)
SELECT 102, 1001 + (i - 1) % 20, CASE WHEN i % 3 = 0 THEN 71 ELSE 70 END, CASE WHEN i % 7 = 0 THEN 2 ELSE 1 END, 5,
       t.NameTov || CASE WHEN i > 20 THEN ' (партия 2)' ELSE '' END, 1 + i % 4, 1 + i % 3,
       printf('48102680%05d', 31000 + i), 0.25 + (i % 5) * 0.2, 'шт', round(0.95 + i * 0.37, 2),
       round((0.95 + i * 0.37) * 1.3, 2), CASE WHEN i % 2 = 0 THEN 20 ELSE 10 END, 12, 2, 5 + i, 1 + i % 3
FROM n JOIN sprtovar t ON t.pnt = 1001 + (i - 1) % 20;

-- 104: three lines with a bonus in the header.
INSERT INTO PrintString (IdDoc, PNT, IdPredpr, IdCountry, IdPrizLog, NameVidTov, KodGr, KodPGr, Ves, EdIz, CenO,
                         CenRoz, NDS, NacOpt, KolF, Kolm) VALUES
  (104, 1011, 72, 1, 5, 'Сок яблочный 1 л', 2, 1, 1.05, 'шт', 1.62, 2.15, 20, 10, 24, 2),
  (104, 1009, 72, 1, 5, 'Квас хлебный 1,5 л', 2, 1, 1.56, 'шт', 1.18, 1.59, 20, 10, 36, 3),
  (104, 1013, NULL, 1, 5, 'Сахар-песок 1 кг', 3, 1, 1, 'кг', 1.74, 2.29, 20, 10, 50, 5);

-- 105: the transport is ordered by a third party.
INSERT INTO PrintString (IdDoc, PNT, IdPredpr, IdCountry, IdPrizLog, NameVidTov, KodGr, KodPGr, Ves, EdIz, CenO,
                         CenRoz, NDS, NacOpt, NalTr, KolF, Kolm) VALUES
  (105, 1006, 71, 1, 5, 'Хлеб «Речицкий» 0,8 кг', 1, 2, 0.8, 'шт', 1.12, 1.49, 10, 6, 3, 120, 8),
  (105, 1007, 71, 1, 5, 'Батон нарезной 0,4 кг', 1, 2, 0.4, 'шт', 0.98, 1.29, 10, 6, 3, 80, 5);

-- 106: lines for every branch of the pricing rules (see README).
INSERT INTO PrintString (IdDoc, PNT, IdPredpr, IdCountry, IdPrizLog, NameVidTov, KodGr, KodPGr, EdIz, Ves, Fasov,
                         CenO, CenRoz, NDS, NacOpt, NacRozn, NacObpit, SkidPokup, NacPosr, NalTr, NalTrPost, NalProd,
                         Usl, CenPriobr, KolF, KolOv, SkidOv, KolZ, KolPor, KolKzp, PrRazl, prLogBKS, Kolm) VALUES
  (106, 1001, 70, 1, 5, 'Молоко питьевое 3,2 % 1 л', 1, 1, 'шт', 1.03, 1, 1.85, 2.45, 10, 8, 20, 0, 2, 1.5, 3, 0.5, 0, 0, 0, 30, 2, 5, 0, 0, 0, ' ', 0, 3),
  (106, 1003, 70, 1, 5, 'Сметана 20 % 0,4 кг', 1, 2, 'шт', 0.42, 0.4, 2.31, 3.05, 10, 8, 20, 0, 0, 0, 3, 0, 0, 0, 0, 12, 1, 4, 0, 0, 0, ' ', 0, 1),
  (106, 1004, 70, 1, 5, 'Творог 5 % 0,2 кг', 1, 3, 'шт', 0.21, 0.2, 1.47, 1.95, 10, 8, 20, 0, 0, 0, 3, 0, 0, 0, 0, 20, 0, 0, 0, 0, 0, ' ', 0, 2),
  (106, 1013, NULL, 1, 5, 'Сахар-песок 1 кг', 99, 1, 'кг', 1, 0, 1.74, 2.29, 20, 10, 20, 0, 0, 0, 2, 0, 0, 0, 0, 50, 0, 0, 0, 0, 0, ' ', 0, 5),
  (106, 1016, 70, 1, 6, 'Колбаса варёная «Докторская» весовая', 2, 1, 'кг', 1, 0, 9.8, 12.9, 20, 0, 25, 15, 0, 0, 0, 0, 5, 0, 0, 4.5, 0, 0, 0, 0, 0, ' ', 0, 1),
  (106, 1019, 70, 4, 41, 'Пельмени «Домашние» 0,8 кг', 2, 2, 'шт', 0.8, 0.8, 4.37, 5.79, 20, 5, 25, 10, 1, 0, 2, 0, 4, 0, 0, 10, 0, 0, 0, 0, 0, ' ', 0, 2),
  (106, 1015, NULL, 4, 7, 'Чай чёрный байховый 100 г', 3, 1, 'шт', 0.1, 100, 2.15, 2.95, 20, 10, 0, 0, 0, 0, 3, 0, 0, 0, 0, 15, 0, 0, 0, 0, 0, ' ', 0, 1),
  (106, 1020, 70, 2, 6, 'Майонез «Провансаль» 67 % 0,4 кг', 99, 2, 'шт', 0.42, 0.4, 2.05, 2.69, 20, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 12, 0, 0, 0, 0, 0, ' ', 0, 1),
  (106, 1008, 71, 1, 5, 'Печенье «Полесское» весовое', 4, 1, 'кг', 1, 0, 3.6, 4.9, 20, 10, 20, 0, 0, 0, 2, 0, 3, 0, 0, 6, 0, 0, 0, 10, 0, '*', 0, 1),
  (106, 1017, 70, 1, 6, 'Сыр «Российский» 50 % весовой', 99, 3, 'кг', 1, 0, 14.2, 18.6, 10, 0, 0, 12, 0, 0, 0, 0, 2, 0, 0, 2.4, 0, 0, 0, 8, 0, '*', 0, 1),
  (106, 1005, 70, 1, 5, 'Масло сливочное 82,5 % 0,18 кг', 5, 1, 'шт', 0.19, 0.18, 3.12, 4.25, 20, 10, 20, 0, 0, 0, 2, 0, 0, 0, 0, 18, 2, 3, 16.5, 0, 0, ' ', 0, 2),
  (106, 1011, 72, 1, 5, 'Сок яблочный 1 л', 6, 1, 'шт', 1.05, 1, 1.62, 2.15, 20, 10, 20, 0, 0, 0, 0, 0, 0, 0, 8.4, 24, 0, 0, 0, 0, 0, ' ', 0, 2),
  (106, 1009, 72, 1, 6, 'Квас хлебный 1,5 л', 6, 2, 'шт', 1.56, 1.5, 1.18, 1.59, 20, 10, 20, 0, 0, 0, 0, 0, 0, 0, 9.1, 36, 0, 0, 0, 0, 0, ' ', 1, 3),
  (106, 1010, 72, 1, 5, 'Вода минеральная «Лидская» 0,5 л', 99, 4, 'шт', 0.52, 0.5, 0.62, 0.85, 20, 10, 20, 0, 0, 0, 0, 0, 0, 0, 5, 48, 0, 0, 0, 0, 12, ' ', 0, 2),
  (106, 1006, 71, 1, 5, 'Хлеб «Речицкий» 0,8 кг', 7, 1, 'шт', 0.8, 0.8, 1.12, 1.49, 10, 6, 15, 0, 0, 0, 3, 0, 0, 12, 0, 40, 0, 0, 0, 0, 0, ' ', 0, 3),
  (106, 1007, 71, 1, 41, 'Батон нарезной 0,4 кг', 7, 2, 'шт', 0.4, 0.4, 0.98, 1.29, 10, 6, 15, 10, 0, 0, 3, 0, 0, 12, 0, 30, 0, 0, 0, 0, 0, ' ', 0, 2),
  (106, 1014, NULL, 5, 6, 'Крупа гречневая 0,8 кг', 99, 5, 'шт', 0.8, 0.8, 2.48, 3.29, 10, 0, 0, 10, 0, 0, 0, 0, 0, 8, 0, 20, 0, 0, 0, 4, 0, '*', 0, 2),
  (106, 1012, NULL, 2, 5, 'Мука пшеничная в/с 2 кг', 8, 1, 'шт', 2, 2, 2.35, 3.1, 10, 10, 20, 0, 0, 0, 2, 0, 0, 10, 7.2, 15, 0, 0, 0, 0, 0, ' ', 1, 2);

-- 107: a line without goods card (left out), two lines that sort by name,
-- a line without enterprise and country, and one whose enterprise is unknown.
INSERT INTO PrintString (IdDoc, PNT, IdPredpr, IdCountry, IdPrizLog, NameVidTov, KodGr, KodPGr, Ves, EdIz, CenO,
                         CenRoz, NDS, NacOpt, KolF, Kolm) VALUES
  (107, 1099, 70, 1, 5, 'Йогурт питьевой 2,5 % 0,3 л', 1, 1, 0.31, 'шт', 1.15, 1.55, 10, 8, 20, 1),
  (107, 1011, 72, 1, 5, 'Сок яблочный 1 л', 2, 1, 1.05, 'шт', 1.62, 2.15, 20, 10, 12, 1),
  (107, 1009, 72, 1, 5, 'Квас хлебный 1,5 л', 2, 1, 1.56, 'шт', 1.18, 1.59, 20, 10, 12, 1),
  (107, 1018, NULL, NULL, 5, 'Ящик полимерный многооборотный', 1, 2, 1.2, 'шт', 4.5, 0, 20, 0, 2, 2),
  (107, 1002, 999, 3, 5, 'Кефир 2,5 % 0,9 л', 1, 1, 0.93, 'шт', 1.42, 1.89, 10, 8, 20, 2);

-- Line VAT from the wholesale price with transport costs, and the totals of
-- every document from its lines (lines without a goods card count too: the
-- accounting program keeps them; only the waybill leaves them out).
UPDATE PrintString SET
  SumNDS = round(round(CenO * (1 + NacPosr / 100.0) * (1 + NalTrPost / 100.0) * (1 + NalTr / 100.0)
                       * (1 + NacOpt / 100.0) * (1 - SkidPokup / 100.0), 2) * (KolF - KolOv) * NDS / 100.0, 2),
  SumNDSR = round(CenRoz * KolF * NDS / (100.0 + NDS), 2),
  CenSt = round(CenO * (1 + NacOpt / 100.0), 2);

UPDATE tbDocPrint SET
  ItogoNaim = (SELECT count(*) FROM PrintString s WHERE s.IdDoc = tbDocPrint.IdDoc),
  ItogoKolF = (SELECT coalesce(sum(KolF), 0) FROM PrintString s WHERE s.IdDoc = tbDocPrint.IdDoc),
  ItogoKolTov = (SELECT coalesce(sum(KolF), 0) FROM PrintString s WHERE s.IdDoc = tbDocPrint.IdDoc),
  ItogoKolOv = (SELECT coalesce(sum(KolOv), 0) FROM PrintString s WHERE s.IdDoc = tbDocPrint.IdDoc),
  ItogoKolKzp = (SELECT coalesce(sum(KolKzp), 0) FROM PrintString s WHERE s.IdDoc = tbDocPrint.IdDoc),
  ItogoKolM = (SELECT coalesce(sum(Kolm), 0) FROM PrintString s WHERE s.IdDoc = tbDocPrint.IdDoc),
  ItogoMas = (SELECT round(coalesce(sum(Ves * KolF), 0), 3) FROM PrintString s WHERE s.IdDoc = tbDocPrint.IdDoc),
  ItogoTov = (SELECT round(coalesce(sum(CenSt * KolF), 0), 2) FROM PrintString s WHERE s.IdDoc = tbDocPrint.IdDoc),
  ItogoTovR = (SELECT round(coalesce(sum(CenRoz * KolF), 0), 2) FROM PrintString s WHERE s.IdDoc = tbDocPrint.IdDoc),
  SumNDS = (SELECT round(coalesce(sum(SumNDS), 0), 2) FROM PrintString s WHERE s.IdDoc = tbDocPrint.IdDoc),
  SumNacOpt = (SELECT round(coalesce(sum((CenSt - CenO) * KolF), 0), 2) FROM PrintString s
               WHERE s.IdDoc = tbDocPrint.IdDoc),
  ItogoTar = (SELECT coalesce(Tara, 0) FROM DocCaption c WHERE c.idDoc = tbDocPrint.IdDoc),
  ItogoTarR = 0, ItogoRoz = 0, ItogoOO = 0, SumNac = 0, SumSkid = 0, NdsBns = 0;

UPDATE tbDocPrint SET
  SumIncNDS = round(ItogoTov + SumNDS, 2),
  Itogo = round(ItogoTov + SumNDS + coalesce(ItogoTar, 0) + SumTrn, 2),
  SumOpl = round(ItogoTov + SumNDS + coalesce(ItogoTar, 0) + SumTrn, 2),
  NdsBns = (SELECT coalesce(SumNdsBonus, 0) FROM DocCaption c WHERE c.idDoc = tbDocPrint.IdDoc);

UPDATE DocCaption SET
  Tovar = (SELECT ItogoTov FROM tbDocPrint d WHERE d.IdDoc = DocCaption.idDoc),
  SumNDSRozn = (SELECT round(coalesce(sum(SumNDSR), 0), 2) FROM PrintString s WHERE s.IdDoc = DocCaption.idDoc),
  TovarOO = 0;
