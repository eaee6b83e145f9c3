-- Schema of the Korvel demo database on SQL Server (T-SQL): the same tables
-- and view as demo/schema.sql, for deployments and for testing against a
-- real server. Run it in an empty database, e.g.
--   sqlcmd -S server -d KorvelDemo -i demo/sqlserver_schema.sql
-- Amounts are exact decimals; the waybill reads them as floating point.
SET ANSI_NULLS ON;
SET QUOTED_IDENTIFIER ON;
GO

CREATE TABLE tbObl (
  idObl   int NOT NULL PRIMARY KEY,
  nameObl varchar(20) NOT NULL
);

CREATE TABLE tbRaion (
  idRaion   int NOT NULL PRIMARY KEY,
  idObl     int NULL REFERENCES tbObl (idObl),
  nameRaion varchar(25) NOT NULL
);

CREATE TABLE tbGrPredpr (
  idGrPredpr   int NOT NULL PRIMARY KEY,
  NameGrPredpr varchar(50) NOT NULL
);

CREATE TABLE tbPredpr (
  idPredpr        smallint NOT NULL PRIMARY KEY,
  NamePredpr      varchar(150) NOT NULL,
  NamePredprShort varchar(50) NULL,
  idPlat          smallint NULL REFERENCES tbPredpr (idPredpr),
  IdGrPredpr      int NULL REFERENCES tbGrPredpr (idGrPredpr),
  idObl           int NULL REFERENCES tbObl (idObl),
  idRaion         int NULL REFERENCES tbRaion (idRaion),
  Dogovor         varchar(30) NULL,
  UNN             varchar(20) NULL,
  OKPO            varchar(20) NULL,
  Lic             varchar(50) NULL,
  IndexPost       varchar(6) NULL,
  Town            varchar(25) NULL,
  StHoFl          varchar(30) NULL,
  Phone           varchar(30) NULL,
  Fax             varchar(30) NULL,
  Rschet          varchar(30) NULL,
  KodMFO          varchar(20) NULL,
  Bank            varchar(150) NULL,
  TownBank        varchar(25) NULL
);

CREATE TABLE tbCountry (
  IdCountry   int NOT NULL PRIMARY KEY,
  NameCountry varchar(25) NOT NULL
);

CREATE TABLE sprtovar (
  pnt        int NOT NULL PRIMARY KEY,
  NameTov    varchar(90) NOT NULL,
  priznsyria varchar(50) NULL,
  idcolor    tinyint NULL
);

CREATE TABLE tbDover (
  idDover  int NOT NULL PRIMARY KEY,
  idpredpr smallint NOT NULL REFERENCES tbPredpr (idPredpr),
  Fio      char(25) NOT NULL
);

CREATE TABLE DocCaption (
  idDoc          int NOT NULL PRIMARY KEY,
  IdPredpr       smallint NULL REFERENCES tbPredpr (idPredpr),
  Tovar          decimal(15, 2) NULL,
  StTara         decimal(15, 2) NULL,
  Tara           decimal(15, 2) NULL,
  SumNDSRozn     decimal(15, 2) NULL,
  SumBns         decimal(15, 2) NULL,
  SumNdsBonus    decimal(15, 2) NULL,
  SumSkidPokup9  decimal(15, 2) NULL,
  SumSkidPokup16 decimal(15, 2) NULL,
  SumNacRozn     decimal(15, 2) NULL,
  SumNacObpit    decimal(15, 2) NULL,
  TovarOO        decimal(15, 2) NULL
);

CREATE TABLE tbDocPrint (
  IdDoc       int NOT NULL PRIMARY KEY,
  IdPredpr    smallint NULL REFERENCES tbPredpr (idPredpr),
  KodSkl      smallint NULL REFERENCES tbPredpr (idPredpr),
  IdF3        smallint NULL REFERENCES tbPredpr (idPredpr),
  VidDoc      smallint NULL,
  DateDoc     datetime NULL,
  NumDoc      int NULL,
  NameGrOper  varchar(50) NULL,
  Dogovor     varchar(30) NULL,
  CelPriobr   varchar(50) NULL,
  FioMol      varchar(45) NULL,
  ProfMol     varchar(15) NULL,
  ProfMol1    varchar(15) NULL,
  Dover       varchar(30) NULL,
  PutList     varchar(10) NULL,
  Voditel     varchar(40) NULL,
  MarkAvto    varchar(30) NULL,
  OwnAvto     varchar(50) NULL,
  NomAvto     varchar(15) NULL,
  FIODir      varchar(30) NULL,
  FIOGlBuh    varchar(30) NULL,
  Poluchat    varchar(50) NULL,
  DateOtgr    datetime NULL,
  OtpRaz      varchar(50) NULL,
  Sert        varchar(250) NULL,
  PrSumNds    varchar(150) NULL,
  PrVsego     varchar(150) NULL,
  ItogoNaim   smallint NULL,
  SumNDS      decimal(15, 3) NULL,
  SumIncNDS   decimal(15, 3) NULL,
  SumNac      decimal(15, 3) NULL,
  SumNacOpt   decimal(15, 0) NULL,
  SumTrn      decimal(15, 3) NULL,
  SumSkid     decimal(15, 3) NULL,
  Itogo       decimal(15, 3) NULL,
  ItogoTov    decimal(15, 3) NULL,
  ItogoTar    decimal(15, 3) NULL,
  ItogoRoz    decimal(15, 3) NULL,
  ItogoOO     decimal(15, 3) NULL,
  ItogoKolF   decimal(15, 3) NULL,
  ItogoKolM   decimal(15, 3) NULL,
  ItogoMas    decimal(15, 3) NULL,
  ItogoKolKzp decimal(15, 3) NULL,
  ItogoKolTov decimal(15, 3) NULL,
  ItogoTovR   decimal(15, 3) NULL,
  ItogoTarR   decimal(15, 3) NULL,
  SumOpl      decimal(15, 2) NULL,
  NdsBns      decimal(15, 2) NULL,
  SumUsl      decimal(15, 3) NULL,
  ItogoKolOv  decimal(15, 3) NULL
);

CREATE TABLE PrintString (
  IdStr      int IDENTITY(1, 1) NOT NULL PRIMARY KEY,
  IdDoc      int NOT NULL,
  PNT        int NOT NULL,
  IdPredpr   smallint NULL REFERENCES tbPredpr (idPredpr),
  IdCountry  int NULL REFERENCES tbCountry (IdCountry),
  IdPrizLog  tinyint NOT NULL DEFAULT 5,
  NameVidTov varchar(90) NOT NULL,
  KodGr      tinyint NOT NULL DEFAULT 1,
  KodPGr     tinyint NOT NULL DEFAULT 1,
  MinUp      decimal(15, 3) NULL DEFAULT 0,
  VidUp      char(5) NULL DEFAULT '',
  Art        varchar(55) NULL DEFAULT '',
  Protkl     varchar(35) NULL DEFAULT '',
  Model      char(10) NULL DEFAULT '',
  Sizes      char(15) NULL DEFAULT '',
  Hight      char(15) NULL DEFAULT '',
  Sort       char(3) NULL DEFAULT '',
  Sertif     varchar(255) NULL DEFAULT '',
  Sertif1    varchar(255) NULL DEFAULT '',
  Sertif2    varchar(255) NULL DEFAULT '',
  Ves        decimal(15, 3) NULL DEFAULT 0,
  Fasov      decimal(15, 3) NULL DEFAULT 0,
  EdIz       char(9) NULL DEFAULT 'шт',
  CenO       decimal(15, 4) NULL DEFAULT 0,
  CenRoz     decimal(15, 4) NULL DEFAULT 0,
  CenSt      decimal(15, 4) NULL DEFAULT 0,
  NDS        decimal(7, 2) NULL DEFAULT 20,
  NacOpt     decimal(7, 2) NULL DEFAULT 0,
  NacRozn    decimal(7, 2) NULL DEFAULT 0,
  NacObpit   decimal(7, 2) NULL DEFAULT 0,
  SkidPokup  decimal(7, 2) NULL DEFAULT 0,
  NacPosr    decimal(7, 2) NULL DEFAULT 0,
  SkidPost   decimal(7, 2) NULL DEFAULT 0,
  NalTr      decimal(7, 2) NULL DEFAULT 0,
  NalProd    decimal(7, 2) NULL DEFAULT 0,
  KolF       decimal(15, 3) NULL DEFAULT 0,
  Kolm       smallint NULL DEFAULT 0,
  SumNDS     decimal(15, 2) NULL DEFAULT 0,
  SumNDSR    decimal(15, 2) NULL DEFAULT 0,
  PrRazl     char(1) NULL DEFAULT ' ',
  KolPor     decimal(15, 3) NULL DEFAULT 0,
  CenPor     decimal(15, 4) NULL DEFAULT 0,
  CenPriobr  decimal(15, 4) NULL DEFAULT 0,
  Usl        decimal(7, 2) NULL DEFAULT 0,
  KolKzp     decimal(15, 3) NULL DEFAULT 0,
  EdIzDop    char(10) NULL DEFAULT '',
  SkidOv     decimal(7, 2) NULL DEFAULT 0,
  KolOv      decimal(15, 3) NULL DEFAULT 0,
  KolZ       decimal(15, 3) NULL DEFAULT 0,
  PNTTar1    int NULL DEFAULT 0,
  PNTTar3    int NULL DEFAULT 0,
  prLogBKS   tinyint NULL DEFAULT 0,
  NalTrPost  decimal(7, 2) NULL DEFAULT 0
);
CREATE INDEX PrintStringDoc ON PrintString (IdDoc);
GO

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
GO
