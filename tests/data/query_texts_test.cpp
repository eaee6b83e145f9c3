// The stored query texts go to SQL Server exactly as written: the blanks and
// line breaks that matter are checked here, as are the parameter names.
#include <gtest/gtest.h>

#include "data/queries.h"
#include "db/sql_parameters.h"

namespace korvel::data {
namespace {

std::string line(const QueryDecl& decl, std::size_t number) { return std::string(decl.sql[number - 1]); }

TEST(QueryTexts, HeaderText) {
  ASSERT_EQ(prCapQuery.sql.size(), 18u);
  EXPECT_EQ(line(prCapQuery, 1),
            "SELECT tbPlat.Dogovor, PrintCaption.* ,DocCaption.Tovar,DocCaption.StTara,DocCaption.Tara,"
            "DocCaption.SumNDSRozn,");
  EXPECT_EQ(line(prCapQuery, 9), "");
  EXPECT_EQ(line(prCapQuery, 13),
            "      LEFT JOIN tbRaion tbRaionPlat ON tbRaionPlat.idRaion = tbPlat.idRaion  ");
  EXPECT_EQ(line(prCapQuery, 18), "WHERE PrintCaption.IdDoc = :idDoc");
  EXPECT_EQ(
      line(legacy::prCapQuery, 1),
      "SELECT PrintCaption.* ,DocCaption.Tovar,DocCaption.StTara,DocCaption.Tara,DocCaption.SumNDSRozn,");
}

TEST(QueryTexts, LinesText) {
  ASSERT_EQ(adoPrStrQuery.sql.size(), 15u);
  EXPECT_EQ(prStrQuery.sql.data(), adoPrStrQuery.sql.data());  // one text for both
  for (std::size_t n = 2; n <= 7; ++n) EXPECT_EQ(line(adoPrStrQuery, n).substr(0, 13), " printstring.") << n;
  EXPECT_EQ(line(adoPrStrQuery, 9).substr(0, 48), "ISNULL(tbCountry.NameCountry,'')  As NameCountry");
  EXPECT_EQ(line(adoPrStrQuery, 11), "  INNER JOIN sprtovar on sprtovar.pnt=printstring.pnt");
  EXPECT_EQ(line(adoPrStrQuery, 12), "  LEFT OUTER  JOIN tbPredpr ON PrintString.IdPredpr=tbPredpr.IdPredpr");
  EXPECT_EQ(line(adoPrStrQuery, 13),
            "    LEFT OUTER  JOIN tbCountry ON PrintString.IdCountry=tbCountry.IdCountry");
  EXPECT_EQ(line(adoPrStrQuery, 15), "ORDER BY PrintString.KodGr, PrintString.KodPgr,printstring.NameVidTov");
  ASSERT_EQ(legacy::prStrQuery.sql.size(), 17u);
  EXPECT_EQ(line(legacy::prStrQuery, 10), " from PrintString ");
  EXPECT_EQ(line(legacy::prStrQuery, 11), "LEFT OUTER  JOIN tbPredpr ON ");
}

TEST(QueryTexts, ProxyHolderBatch) {
  ASSERT_EQ(fioDovQuery.sql.size(), 4u);
  EXPECT_EQ(line(fioDovQuery, 1), "if exists (select * from tbDover where  (idpredpr=:idpredpr) )");
  EXPECT_EQ(line(fioDovQuery, 2), "           select Fio from tbDover where  (idpredpr=:idpredpr)");
  EXPECT_EQ(line(fioDovQuery, 4),
            "           select Fio from tbDover where idpredpr=(select idplat from tbpredpr where "
            "idpredpr=:idpredpr) ");
}

TEST(QueryTexts, ParametersNamedInTheTexts) {
  struct Case {
    const QueryDecl* decl;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {&prCapQuery, {"idDoc"}},
      {&adoPrStrQuery, {"Iddoc"}},
      {&sumBnsQuery, {"iddoc"}},
      {&nameGrPrQuery, {"iddoc"}},
      {&fioDovQuery, {"idpredpr", "idpredpr", "idpredpr"}},
  };
  for (const auto& c : cases) {
    std::string text;
    for (auto part : c.decl->sql) text += std::string(part) + "\r\n";
    EXPECT_EQ(db::parameterize(text).names, c.names) << c.decl->name;
  }
}

}  // namespace
}  // namespace korvel::data
