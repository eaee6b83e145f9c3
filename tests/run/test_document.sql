-- Test document 900 added to a copy of the demo database, with parties of
-- its own so the expected texts do not depend on the demo documents. Each
-- case changes what it needs with further statements.

INSERT INTO tbGrPredpr (idGrPredpr, NameGrPredpr) VALUES (900, 'магазин');

INSERT INTO tbPredpr (idPredpr, NamePredpr, idPlat, IdGrPredpr, idObl, idRaion, UNN, IndexPost, Town, StHoFl) VALUES
  (900, 'ОАО «Тестовый склад»', NULL, 900, 1, 1, '100000900', '231300', 'Лида', 'ул. Садовая, д. 2'),
  (901, 'Склад № 9', 900, 900, 1, 1, '100000901', '231300', 'Лида', 'ул. Машерова, д. 1'),
  (902, 'ООО «Ромашка-Трейд»', NULL, 900, 1, 1, '400000902', '220030', 'Минск', 'ул. Немига, д. 3'),
  (903, 'Магазин «Ромашка»', 902, 900, 1, 1, '300000903', '220004', 'Минск', 'пр. Победителей, д. 5'),
  (904, 'ООО «Перевозчик»', NULL, 900, 1, 1, '500000904', '220070', 'Минск', 'ул. Транспортная, д. 7');

INSERT INTO tbDover (idDover, idpredpr, Fio) VALUES (900, 903, 'Иванов И.И.');

INSERT INTO tbDocPrint (IdDoc, IdPredpr, KodSkl, IdF3, VidDoc, DateDoc, NumDoc, NameGrOper, ProfMol1, Dover,
                        Poluchat, SumNDS, SumIncNDS, SumSkid, Itogo, ItogoTov, ItogoTar, ItogoRoz, ItogoOO,
                        ItogoKolF, ItogoKolM, ItogoMas, ItogoKolTov, ItogoTovR, ItogoTarR, NdsBns, SumTrn) VALUES
  (900, 903, 901, 904, 1, '2026-03-02 00:00:00', 17, 'Оптовая продажа', 'товаровед', '№ 5', 'Петров П.П.',
   100, 0, 0, 500, 480, 20, 700, 450, 12, 3, 25.5, 12, 650, 2, 0, 0);

INSERT INTO DocCaption (idDoc, IdPredpr, Tovar, StTara, Tara, SumNDSRozn, SumBns, SumNdsBonus, SumSkidPokup9,
                        SumSkidPokup16, SumNacRozn, SumNacObpit, TovarOO) VALUES
  (900, 903, 480, 0, 20, 60, 0, 0, 0, 0, 0, 0, 0);

INSERT INTO PrintString (IdStr, IdDoc, PNT, IdPrizLog, NameVidTov, KodGr, KodPGr, Art, Sort, Ves, EdIz, CenO,
                         CenRoz, NDS, KolF, Kolm) VALUES
  (90001, 900, 1001, 5, 'Товар первый', 1, 1, 'А-1', '', 1, 'шт', 20, 25, 20, 10, 2),
  (90002, 900, 1002, 5, 'Товар второй', 1, 2, 'Б-2', '', 1, 'шт', 140, 175, 20, 2, 1);
