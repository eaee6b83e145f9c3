// The earlier revision's header and lines queries. Both run on the alias
// connection; amounts are exact decimals, the small codes signed.
#include "data/queries.h"

namespace korvel::data::legacy {

using db::FieldType;

namespace {

constexpr std::string_view headerSql[] = {
    "SELECT PrintCaption.* ,DocCaption.Tovar,DocCaption.StTara,DocCaption.Tara,DocCaption.SumNDSRozn,",
    "DocCaption.SumBns,DocCaption.SumNdsBonus,",
    "(DocCaption.SumSkidPokup9+DocCaption.SumSkidPokup16) as SumSkidPokup,",
    "DocCaption.SumNacRozn,DocCaption.SumNacObpit,DocCaption.TovarOO,",
    "tbOblPlat.nameObl as OblPlat, tbOblPlatSkl.nameObl as OblPlatSkl,",
    "tbRaionPlat.nameRaion as RaionPlat, tbRaionPlatSkl.nameRaion as RaionPlatSkl",
    "from PrintCaption",
    "LEFT JOIN DocCaption ON DocCaption.idDoc = PrintCaption.idDoc",
    "",
    "LEFT JOIN tbPredpr ON tbPredpr.idPredpr = PrintCaption.idPredpr",
    "   LEFT JOIN tbPredpr tbPlat ON tbPlat.idPredpr = tbPredpr.idPlat",
    "      LEFT JOIN tbObl tbOblPlat ON tbOblPlat.idObl = tbPlat.idObl",
    "      LEFT JOIN tbRaion tbRaionPlat ON tbRaionPlat.idRaion = tbPlat.idRaion  ",
    "LEFT JOIN tbPredpr tbSkl ON tbSkl.idPredpr = PrintCaption.KodSkl",
    "   LEFT JOIN tbPredpr tbPlatSkl ON tbPlatSkl.idPredpr = tbSkl.idPlat",
    "      LEFT JOIN tbObl tbOblPlatSkl ON tbOblPlatSkl.idObl = tbPlatSkl.idObl",
    "      LEFT JOIN tbRaion tbRaionPlatSkl ON tbRaionPlatSkl.idRaion = tbPlatSkl.idRaion",
    "WHERE PrintCaption.IdDoc = :idDoc",
};

constexpr FieldType S = FieldType::String;
constexpr FieldType B = FieldType::Bcd;

constexpr FieldDecl headerFields[] = {
    {"Dogovor", S, 30},
    {"IdDoc", FieldType::Integer},
    {"IdPredpr", FieldType::Smallint},
    {"KodSkl", FieldType::Smallint},
    {"VidDoc", FieldType::Smallint},
    {"DateDoc", FieldType::DateTime},
    {"NumDoc", FieldType::Integer},
    {"NameGrOper", S, 50},
    {"UNNPlatPredpr", S, 20},
    {"OKPOPlatPredpr", S, 20},
    {"UNNPlatSkl", S, 20},
    {"OKPOPlatSkl", S, 20},
    {"LICPlatPred", S, 50},
    {"LICPlatSkl", S, 50},
    {"NamePredpr", S, 150},
    {"NameSkl", S, 150},
    {"StHoFlSkl", S, 30},
    {"NamePlatPredpr", S, 150},
    {"RschetPlatPredpr", S, 30},
    {"KodMFOPlatPredpr", S, 20},
    {"BankPlatPredpr", S, 150},
    {"TownBankPredpr", S, 25},
    {"RSchetPlatSkl", S, 30},
    {"KodMFOPlatSkl", S, 30},
    {"BankPlatSkl", S, 150},
    {"TownBankSkl", S, 25},
    {"TownPredpr", S, 25},
    {"StHoFlPredpr", S, 30},
    {"TownPlatPredpr", S, 25},
    {"StHoFlPlatPredpr", S, 30},
    {"PhonePlatPredpr", S, 30},
    {"FaxPlatPredpr", S, 30},
    {"NamePlatSkl", S, 150},
    {"FIODir", S, 30},
    {"TownPlatSkl", S, 25},
    {"StHoFlPlatSkl", S, 30},
    {"PhonePlatSkl", S, 30},
    {"FaxPlatSkl", S, 30},
    {"CelPriobr", S, 50},
    {"FioMol", S, 45},
    {"ProfMol", S, 15},
    {"Dover", S, 30},
    {"PutList", S, 10},
    {"Voditel", S, 40},
    {"MarkAvto", S, 30},
    {"OwnAvto", S, 50},
    {"NomAvto", S, 30},
    {"SumNDS", B},
    {"SumIncNDS", B},
    {"SumNac", B},
    {"SumNacOpt", B},
    {"SumTrn", B},
    {"SumSkid", B},
    {"Itogo", B},
    {"ItogoTov", B},
    {"ItogoTar", B},
    {"ItogoRoz", B},
    {"ItogoOO", B},
    {"ItogoKolF", B},
    {"ItogoKolM", B},
    {"ItogoMas", B},
    {"ItogoKolKzp", B},
    {"PrSumNds", S, 150},
    {"PrVsego", S, 150},
    {"ItogoKolTov", B},
    {"Sert", S, 250},
    {"ItogoNaim", FieldType::Smallint},
    {"ItogoTovR", B},
    {"ItogoTarR", B},
    {"SumOpl", B},
    {"FIOGlBuh", S, 30},
    {"Poluchat", S, 50},
    {"IndexSkl", S, 6},
    {"IndexPlatSkl", S, 6},
    {"IndexPredpr", S, 6},
    {"IndexPlatPredpr", S, 6},
    {"TownSkl", S, 25},
    {"DateOtgr", FieldType::DateTime},
    {"OtpRaz", S, 50},
    {"NdsBns", B},
    {"NameF3Predpr", S, 150},
    {"RschetF3Predpr", S, 30},
    {"KodMFOF3Predpr", S, 20},
    {"BankF3Predpr", S, 150},
    {"TownF3Predpr", S, 25},
    {"TownBankF3", S, 25},
    {"UNNF3Predpr", S, 20},
    {"OKPOF3Predpr", S, 20},
    {"LICF3Pred", S, 50},
    {"IndexF3Predpr", S, 6},
    {"StHoFlF3Predpr", S, 30},
    {"IdF3", FieldType::Smallint},
    {"ProfMol1", S, 15},
    {"Tovar", B},
    {"StTara", B},
    {"Tara", B},
    {"SumNDSRozn", B},
    {"SumBns", B},
    {"SumNdsBonus", B},
    {"SumSkidPokup", B, 0, true},
    {"SumNacRozn", B},
    {"SumNacObpit", B},
    {"TovarOO", B},
    {"OblPlat", S, 20},
    {"OblPlatSkl", S, 20},
    {"RaionPlat", S, 25},
    {"RaionPlatSkl", S, 25},
};
static_assert(std::size(headerFields) == 107);

constexpr std::string_view linesSql[] = {
    "SELECT printstring.PNT, printstring.IdPrizLog, printstring.IdDoc, printstring.NameVidTov, "
    "printstring.KodGr, "
    "printstring.KodPGr,",
    " printstring.MinUp, printstring.VidUp, printstring.Art, printstring.Protkl, printstring.Model, "
    "printstring.Sizes, printstring.Hight,",
    " printstring.Sort, printstring.Sertif, printstring.Sertif1, printstring.Sertif2, printstring.Ves, "
    "printstring.Fasov, printstring.EdIz,",
    " printstring.CenO, printstring.CenRoz, printstring.CenSt, printstring.NDS, printstring.NacOpt, "
    "printstring.NacRozn, printstring.NacObpit,",
    " printstring.SkidPokup, printstring.NacPosr, printstring.SkidPost, printstring.NalTr, "
    "printstring.NalProd, "
    "printstring.KolF, printstring.Kolm,",
    " printstring.SumNDS, printstring.SumNDSR, printstring.PrRazl, printstring.KolPor, printstring.CenPor, "
    "printstring.CenPriobr, printstring.Usl,",
    " printstring.KolKzp, printstring.EdIzDop, printstring.SkidOv, printstring.KolOv, printstring.KolZ, "
    "printstring.PNTTar1, printstring.PNTTar3,",
    "ISNULL(tbPredpr.NamePredprShort,'') As NamePredpr,",
    "ISNULL(tbCountry.NameCountry,'')  As NameCountry, sprtovar.priznsyria, printstring.prLogBKS",
    " from PrintString ",
    "LEFT OUTER  JOIN tbPredpr ON ",
    "PrintString.IdPredpr=tbPredpr.IdPredpr",
    "LEFT OUTER  JOIN tbCountry ON ",
    "PrintString.IdCountry=tbCountry.IdCountry",
    "inner join sprtovar on sprtovar.pnt=printstring.pnt",
    "where PrintString.IdDoc= :Iddoc",
    "ORDER BY PrintString.KodGr, PrintString.KodPgr,NameVidTov",
};

constexpr ParamDecl linesParams[] = {{"Iddoc", FieldType::Integer}};

constexpr FieldType C = FieldType::FixedChar;
constexpr FieldType I = FieldType::Smallint;

constexpr FieldDecl linesFields[] = {
    {"PNT", FieldType::Integer},
    {"IdPrizLog", I},
    {"IdDoc", FieldType::Integer},
    {"NameVidTov", S, 50},
    {"KodGr", I},
    {"KodPGr", I},
    {"MinUp", B},
    {"VidUp", C, 5},
    {"Art", S, 30},
    {"Protkl", S, 35},
    {"Model", C, 10},
    {"Sizes", C, 7},
    {"Hight", C, 7},
    {"Sort", C, 3},
    {"Sertif", S, 180},
    {"Sertif1", S, 255},
    {"Sertif2", S, 255},
    {"Ves", B},
    {"Fasov", B},
    {"EdIz", C, 5},
    {"CenO", B},
    {"CenRoz", B},
    {"CenSt", B},
    {"NDS", B},
    {"NacOpt", B},
    {"NacRozn", B},
    {"NacObpit", B},
    {"SkidPokup", B},
    {"NacPosr", B},
    {"SkidPost", B},
    {"NalTr", B},
    {"NalProd", B},
    {"KolF", B},
    {"Kolm", I},
    {"SumNDS", B},
    {"SumNDSR", B},
    {"PrRazl", C, 1},
    {"KolPor", B},
    {"CenPor", B},
    {"CenPriobr", B},
    {"Usl", B},
    {"KolKzp", B},
    {"EdIzDop", C, 5},
    {"SkidOv", B},
    {"KolOv", B},
    {"KolZ", B},
    {"PNTTar1", FieldType::Integer},
    {"PNTTar3", FieldType::Integer},
    {"NamePredpr", S, 50, true},
    {"NameCountry", S, 25, true},
    {"priznsyria", S, 50},
    {"prLogBKS", I},
};
static_assert(std::size(linesFields) == 52);

}  // namespace

// The header's parameter has no stored type.
const QueryDecl prCapQuery{"PrCapQuery", Client::DatabaseEngine, headerSql, {}, headerFields};
const QueryDecl prStrQuery{"PrStrQuery", Client::DatabaseEngine, linesSql, linesParams, linesFields};

}  // namespace korvel::data::legacy
