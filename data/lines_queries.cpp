// The document lines queries ADOPrStrQuery (for the report) and PrStrQuery
// (the same text on the alias connection, for the line count).
#include "data/queries.h"

namespace korvel::data {

using db::FieldType;

namespace {

constexpr std::string_view sql[] = {
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
    "ISNULL(tbCountry.NameCountry,'')  As NameCountry, sprtovar.priznsyria, printstring.prLogBKS, "
    "printstring.NalTrPost, IsNull(sprtovar.idcolor, 0) As idcolor",
    "FROM PrintString",
    "  INNER JOIN sprtovar on sprtovar.pnt=printstring.pnt",
    "  LEFT OUTER  JOIN tbPredpr ON PrintString.IdPredpr=tbPredpr.IdPredpr",
    "    LEFT OUTER  JOIN tbCountry ON PrintString.IdCountry=tbCountry.IdCountry",
    "where PrintString.IdDoc= :Iddoc",
    "ORDER BY PrintString.KodGr, PrintString.KodPgr,printstring.NameVidTov",
};

constexpr ParamDecl params[] = {{"Iddoc", FieldType::Integer}};

// The report's list delivers decimals as floating point; the alias
// connection's twin keeps them as exact decimals.
template <FieldType Number>
struct LineFields {
  static constexpr FieldType S = FieldType::String;
  static constexpr FieldType C = FieldType::FixedChar;
  static constexpr FieldType W = FieldType::Word;
  static constexpr FieldType N = Number;
  static constexpr FieldDecl list[] = {
      {"PNT", FieldType::Integer},
      {"IdPrizLog", W},
      {"IdDoc", FieldType::Integer},
      {"NameVidTov", S, 90},
      {"KodGr", W},
      {"KodPGr", W},
      {"MinUp", N},
      {"VidUp", C, 5},
      {"Art", S, 55},
      {"Protkl", S, 35},
      {"Model", C, 10},
      {"Sizes", C, 15},
      {"Hight", C, 15},
      {"Sort", C, 3},
      {"Sertif", S, 255},
      {"Sertif1", S, 255},
      {"Sertif2", S, 255},
      {"Ves", N},
      {"Fasov", N},
      {"EdIz", C, 9},
      {"CenO", N},
      {"CenRoz", N},
      {"CenSt", N},
      {"NDS", N},
      {"NacOpt", N},
      {"NacRozn", N},
      {"NacObpit", N},
      {"SkidPokup", N},
      {"NacPosr", N},
      {"SkidPost", N},
      {"NalTr", N},
      {"NalProd", N},
      {"KolF", N},
      {"Kolm", FieldType::Smallint},
      {"SumNDS", N},
      {"SumNDSR", N},
      {"PrRazl", C, 1},
      {"KolPor", N},
      {"CenPor", N},
      {"CenPriobr", N},
      {"Usl", N},
      {"KolKzp", N},
      {"EdIzDop", C, 10},
      {"SkidOv", N},
      {"KolOv", N},
      {"KolZ", N},
      {"PNTTar1", FieldType::Integer},
      {"PNTTar3", FieldType::Integer},
      {"NamePredpr", S, 50, true},
      {"NameCountry", S, 25, true},
      {"priznsyria", S, 50},
      {"prLogBKS", W},
      {"NalTrPost", N},
      {"idcolor", W, 0, true},
  };
  static_assert(std::size(list) == 54);
};

}  // namespace

const QueryDecl adoPrStrQuery{"ADOPrStrQuery", Client::OleDb, sql, params,
                              LineFields<FieldType::Float>::list};
const QueryDecl prStrQuery{"PrStrQuery", Client::DatabaseEngine, sql, params,
                           LineFields<FieldType::Bcd>::list};

}  // namespace korvel::data
