-- Schema of the Korvel demo database (SQLite): the tables and the view the
-- waybill queries read, with the column types their field lists expect.
-- demo/sqlserver_schema.sql creates the same schema on SQL Server.

CREATE TABLE tbObl (
  idObl   INTEGER PRIMARY KEY,
  nameObl VARCHAR(20) NOT NULL
);

CREATE TABLE tbRaion (
  idRaion   INTEGER PRIMARY KEY,
  idObl     INTEGER REFERENCES tbObl (idObl),
  nameRaion VARCHAR(25) NOT NULL
);

CREATE TABLE tbGrPredpr (
  idGrPredpr   INTEGER PRIMARY KEY,
  NameGrPredpr VARCHAR(50) NOT NULL
);

-- Enterprises: our warehouses, their paying enterprise, customers, payers,
-- carriers and producers. idPlat is the enterprise that pays for this one.
CREATE TABLE tbPredpr (
  idPredpr        SMALLINT PRIMARY KEY,
  NamePredpr      VARCHAR(150) NOT NULL,
  NamePredprShort VARCHAR(50),
  idPlat          SMALLINT REFERENCES tbPredpr (idPredpr),
  IdGrPredpr      INTEGER REFERENCES tbGrPredpr (idGrPredpr),
  idObl           INTEGER REFERENCES tbObl (idObl),
  idRaion         INTEGER REFERENCES tbRaion (idRaion),
  Dogovor         VARCHAR(30),
  UNN             VARCHAR(20),
  OKPO            VARCHAR(20),
  Lic             VARCHAR(50),
  IndexPost       VARCHAR(6),
  Town            VARCHAR(25),
  StHoFl          VARCHAR(30),
  Phone           VARCHAR(30),
  Fax             VARCHAR(30),
  Rschet          VARCHAR(30),
  KodMFO          VARCHAR(20),
  Bank            VARCHAR(150),
  TownBank        VARCHAR(25)
);

CREATE TABLE tbCountry (
  IdCountry   INTEGER PRIMARY KEY,
  NameCountry VARCHAR(25) NOT NULL
);

-- Goods cards.
CREATE TABLE sprtovar (
  pnt        INTEGER PRIMARY KEY,
  NameTov    VARCHAR(90) NOT NULL,
  priznsyria VARCHAR(50),
  idcolor    SMALLINT
);

-- Proxy holders (persons who may receive goods on behalf of an enterprise).
CREATE TABLE tbDover (
  idDover  INTEGER PRIMARY KEY,
  idpredpr SMALLINT NOT NULL REFERENCES tbPredpr (idPredpr),
  Fio      CHAR(25) NOT NULL
);

-- Document totals kept by the accounting program.
CREATE TABLE DocCaption (
  idDoc          INTEGER PRIMARY KEY,
  IdPredpr       SMALLINT REFERENCES tbPredpr (idPredpr),
  Tovar          FLOAT,
  StTara         FLOAT,
  Tara           FLOAT,
  SumNDSRozn     FLOAT,
  SumBns         FLOAT,
  SumNdsBonus    FLOAT,
  SumSkidPokup9  FLOAT,
  SumSkidPokup16 FLOAT,
  SumNacRozn     FLOAT,
  SumNacObpit    FLOAT,
  TovarOO        FLOAT
);

-- What the waybill prints of a document that is not a party's detail:
-- dates, numbers, vehicle, people, totals. PrintCaption adds the parties.
CREATE TABLE tbDocPrint (
  IdDoc       INTEGER PRIMARY KEY,
  IdPredpr    SMALLINT REFERENCES tbPredpr (idPredpr),
  KodSkl      SMALLINT REFERENCES tbPredpr (idPredpr),
  IdF3        SMALLINT REFERENCES tbPredpr (idPredpr),
  VidDoc      SMALLINT,
  DateDoc     DATETIME,
  NumDoc      INTEGER,
  NameGrOper  VARCHAR(50),
  Dogovor     VARCHAR(30),
  CelPriobr   VARCHAR(50),
  FioMol      VARCHAR(45),
  ProfMol     VARCHAR(15),
  ProfMol1    VARCHAR(15),
  Dover       VARCHAR(30),
  PutList     VARCHAR(10),
  Voditel     VARCHAR(40),
  MarkAvto    VARCHAR(30),
  OwnAvto     VARCHAR(50),
  NomAvto     VARCHAR(15),
  FIODir      VARCHAR(30),
  FIOGlBuh    VARCHAR(30),
  Poluchat    VARCHAR(50),
  DateOtgr    DATETIME,
  OtpRaz      VARCHAR(50),
  Sert        VARCHAR(250),
  PrSumNds    VARCHAR(150),
  PrVsego     VARCHAR(150),
  ItogoNaim   SMALLINT,
  SumNDS      FLOAT,
  SumIncNDS   FLOAT,
  SumNac      FLOAT,
  SumNacOpt   FLOAT,
  SumTrn      FLOAT,
  SumSkid     FLOAT,
  Itogo       FLOAT,
  ItogoTov    FLOAT,
  ItogoTar    FLOAT,
  ItogoRoz    FLOAT,
  ItogoOO     FLOAT,
  ItogoKolF   FLOAT,
  ItogoKolM   FLOAT,
  ItogoMas    FLOAT,
  ItogoKolKzp FLOAT,
  ItogoKolTov FLOAT,
  ItogoTovR   FLOAT,
  ItogoTarR   FLOAT,
  SumOpl      FLOAT,
  NdsBns      FLOAT,
  SumUsl      FLOAT,
  ItogoKolOv  FLOAT
);

-- Document lines.
CREATE TABLE PrintString (
  IdStr      INTEGER PRIMARY KEY,
  IdDoc      INTEGER NOT NULL,
  PNT        INTEGER NOT NULL,
  IdPredpr   SMALLINT REFERENCES tbPredpr (idPredpr),
  IdCountry  INTEGER REFERENCES tbCountry (IdCountry),
  IdPrizLog  SMALLINT NOT NULL DEFAULT 5,
  NameVidTov VARCHAR(90) NOT NULL,
  KodGr      SMALLINT NOT NULL DEFAULT 1,
  KodPGr     SMALLINT NOT NULL DEFAULT 1,
  MinUp      FLOAT DEFAULT 0,
  VidUp      CHAR(5) DEFAULT '',
  Art        VARCHAR(55) DEFAULT '',
  Protkl     VARCHAR(35) DEFAULT '',
  Model      CHAR(10) DEFAULT '',
  Sizes      CHAR(15) DEFAULT '',
  Hight      CHAR(15) DEFAULT '',
  Sort       CHAR(3) DEFAULT '',
  Sertif     VARCHAR(255) DEFAULT '',
  Sertif1    VARCHAR(255) DEFAULT '',
  Sertif2    VARCHAR(255) DEFAULT '',
  Ves        FLOAT DEFAULT 0,
  Fasov      FLOAT DEFAULT 0,
  EdIz       CHAR(9) DEFAULT 'шт',
  CenO       FLOAT DEFAULT 0,
  CenRoz     FLOAT DEFAULT 0,
  CenSt      FLOAT DEFAULT 0,
  NDS        FLOAT DEFAULT 20,
  NacOpt     FLOAT DEFAULT 0,
  NacRozn    FLOAT DEFAULT 0,
  NacObpit   FLOAT DEFAULT 0,
  SkidPokup  FLOAT DEFAULT 0,
  NacPosr    FLOAT DEFAULT 0,
  SkidPost   FLOAT DEFAULT 0,
  NalTr      FLOAT DEFAULT 0,
  NalProd    FLOAT DEFAULT 0,
  KolF       FLOAT DEFAULT 0,
  Kolm       SMALLINT DEFAULT 0,
  SumNDS     FLOAT DEFAULT 0,
  SumNDSR    FLOAT DEFAULT 0,
  PrRazl     CHAR(1) DEFAULT ' ',
  KolPor     FLOAT DEFAULT 0,
  CenPor     FLOAT DEFAULT 0,
  CenPriobr  FLOAT DEFAULT 0,
  Usl        FLOAT DEFAULT 0,
  KolKzp     FLOAT DEFAULT 0,
  EdIzDop    CHAR(10) DEFAULT '',
  SkidOv     FLOAT DEFAULT 0,
  KolOv      FLOAT DEFAULT 0,
  KolZ       FLOAT DEFAULT 0,
  PNTTar1    INTEGER DEFAULT 0,
  PNTTar3    INTEGER DEFAULT 0,
  prLogBKS   SMALLINT DEFAULT 0,
  NalTrPost  FLOAT DEFAULT 0
);
CREATE INDEX PrintStringDoc ON PrintString (IdDoc);

-- The header as the waybill reads it: the document with its receiving
-- enterprise (Predpr) and that one's payer (PlatPredpr), the warehouse
-- (Skl) and its paying enterprise (PlatSkl), and the third party that
-- orders the transport (F3).
CREATE VIEW PrintCaption AS
SELECT d.IdDoc, d.IdPredpr, d.KodSkl, d.VidDoc, d.DateDoc, d.NumDoc, d.NameGrOper,
  pp.UNN AS UNNPlatPredpr, pp.OKPO AS OKPOPlatPredpr, ps.UNN AS UNNPlatSkl, ps.OKPO AS OKPOPlatSkl,
  pp.Lic AS LICPlatPred, ps.Lic AS LICPlatSkl,
  p.NamePredpr AS NamePredpr, s.NamePredpr AS NameSkl, s.StHoFl AS StHoFlSkl,
  pp.NamePredpr AS NamePlatPredpr, pp.Rschet AS RschetPlatPredpr, pp.KodMFO AS KodMFOPlatPredpr,
  pp.Bank AS BankPlatPredpr, pp.TownBank AS TownBankPredpr,
  ps.Rschet AS RSchetPlatSkl, ps.KodMFO AS KodMFOPlatSkl, ps.Bank AS BankPlatSkl, ps.TownBank AS TownBankSkl,
  p.Town AS TownPredpr, p.StHoFl AS StHoFlPredpr,
  pp.Town AS TownPlatPredpr, pp.StHoFl AS StHoFlPlatPredpr, pp.Phone AS PhonePlatPredpr, pp.Fax AS FaxPlatPredpr,
  ps.NamePredpr AS NamePlatSkl, d.FIODir, ps.Town AS TownPlatSkl, ps.StHoFl AS StHoFlPlatSkl,
  ps.Phone AS PhonePlatSkl, ps.Fax AS FaxPlatSkl, d.Dogovor,
  d.CelPriobr, d.FioMol, d.ProfMol, d.Dover, d.PutList, d.Voditel, d.MarkAvto, d.OwnAvto, d.NomAvto,
  d.SumNDS, d.SumIncNDS, d.SumNac, d.SumNacOpt, d.SumTrn, d.SumSkid, d.Itogo, d.ItogoTov, d.ItogoTar,
  d.ItogoRoz, d.ItogoOO, d.ItogoKolF, d.ItogoKolM, d.ItogoMas, d.ItogoKolKzp,
  d.PrSumNds, d.PrVsego, d.ItogoKolTov, d.Sert, d.ItogoNaim, d.ItogoTovR, d.ItogoTarR, d.SumOpl,
  d.FIOGlBuh, d.Poluchat,
  s.IndexPost AS IndexSkl, ps.IndexPost AS IndexPlatSkl, p.IndexPost AS IndexPredpr, pp.IndexPost AS IndexPlatPredpr,
  s.Town AS TownSkl, d.DateOtgr, d.OtpRaz, d.NdsBns,
  f.NamePredpr AS NameF3Predpr, f.Rschet AS RschetF3Predpr, f.KodMFO AS KodMFOF3Predpr, f.Bank AS BankF3Predpr,
  f.Town AS TownF3Predpr, f.TownBank AS TownBankF3, f.UNN AS UNNF3Predpr, f.OKPO AS OKPOF3Predpr,
  f.Lic AS LICF3Pred, f.IndexPost AS IndexF3Predpr, f.StHoFl AS StHoFlF3Predpr,
  d.IdF3, d.SumUsl, d.ItogoKolOv, d.ProfMol1
FROM tbDocPrint d
  LEFT JOIN tbPredpr p ON p.idPredpr = d.IdPredpr
    LEFT JOIN tbPredpr pp ON pp.idPredpr = p.idPlat
  LEFT JOIN tbPredpr s ON s.idPredpr = d.KodSkl
    LEFT JOIN tbPredpr ps ON ps.idPredpr = s.idPlat
  LEFT JOIN tbPredpr f ON f.idPredpr = d.IdF3;
