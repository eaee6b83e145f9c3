// The waybill form's queries against the demo database, each on the
// connection it uses in the form: fields, values and the edge cases of the
// demo documents. The demo database must come out byte for byte unchanged.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

#include "base/exception.h"
#include "data/queries.h"
#include "db/alias_connection.h"
#include "db/connection_string_connection.h"
#include "odbc_test_sources.h"

namespace korvel::data {
namespace {

class FormQueries : public ::testing::Test {
 protected:
  void SetUp() override {
    test::odbcTestFolder();
    demoBefore_ = test::fileBytes(KORVEL_DEMO_DB);
    mdb_.setAliasName("KorvelDemo");
    mdb_.connect();
    ole_.setBaseFolder(std::filesystem::path(KORVEL_DEMO_DB).parent_path());
    ole_.setConnectionString("Provider=SQLite;Data Source=korvel-demo.db");
    ole_.open();
  }
  void TearDown() override {
    EXPECT_TRUE(test::fileBytes(KORVEL_DEMO_DB) == demoBefore_) << "the demo database changed";
  }

  db::Connection& connectionFor(const QueryDecl& decl) {
    if (decl.client == Client::OleDb) return ole_;
    return mdb_;
  }

  // The query opened with its one parameter set as the form sets it.
  db::Query opened(const QueryDecl& decl, std::string_view param, int value) {
    db::Query query = makeQuery(decl, connectionFor(decl));
    query.setParam(param, Value::integer(value));
    query.open();
    return query;
  }

  static std::vector<std::string> declaredNames(const QueryDecl& decl) {
    std::vector<std::string> names;
    for (const auto& field : decl.fields) names.emplace_back(field.name);
    return names;
  }

  std::string demoBefore_;
  db::AliasConnection mdb_;
  db::ConnectionStringConnection ole_;
};

TEST_F(FormQueries, HeaderOfADocument) {
  auto header = opened(prCapQuery, "idDoc", 101);
  ASSERT_EQ(header.recordCount(), 1);
  EXPECT_EQ(header.fieldNames(), declaredNames(prCapQuery));
  EXPECT_EQ(header.fieldNames().size(), 110u);
  EXPECT_EQ(header.value("IdDoc"), Value::integer(101));
  EXPECT_EQ(header.value("NumDoc"), Value::integer(4101));
  EXPECT_EQ(header.value("DateDoc"), Value::dateTime({2026, 3, 2}));
  EXPECT_EQ(header.asText("NamePredpr"), "ЧТУП «Вереск», магазин «Вереск-1»");
  EXPECT_EQ(header.asText("NamePlatPredpr"), "ООО «Вереск-Трейд»");
  EXPECT_EQ(header.asText("NameSkl"), "Склад № 1 ОАО «Нёманский торговый дом»");
  EXPECT_EQ(header.asText("NamePlatSkl"), "ОАО «Нёманский торговый дом»");
  // The payer's contract, and the document's own as Dogovor_1.
  EXPECT_EQ(header.asText("Dogovor"), "№ 14/2026 от 05.01.2026");
  EXPECT_EQ(header.asText("Dogovor_1"), "Договор поставки № 112 от 10.01.2026");
  EXPECT_EQ(header.asText("OblPlat"), "Минская");
  EXPECT_EQ(header.asText("RaionPlat"), "Молодечненский");
  EXPECT_EQ(header.asText("OblPlatSkl"), "Гродненская");
  EXPECT_EQ(header.asText("RaionPlatSkl"), "Лидский");
  EXPECT_DOUBLE_EQ(header.asNumber("Itogo"), 88);
  EXPECT_DOUBLE_EQ(header.asNumber("SumSkidPokup"), 0);
  EXPECT_FALSE(header.isNull("SumSkidPokup"));
  EXPECT_EQ(header.fieldType("IdPredpr"), db::FieldType::Smallint);
  EXPECT_EQ(header.fieldType("SumSkidPokup"), db::FieldType::Float);
  EXPECT_TRUE(header.isNull("IdF3"));
}

TEST_F(FormQueries, HeaderEdgeCases) {
  // Not in PrintCaption: no row, every field empty, nothing fails.
  auto none = opened(prCapQuery, "IDDOC", 9999);
  EXPECT_EQ(none.recordCount(), 0);
  EXPECT_TRUE(none.eof());
  EXPECT_EQ(none.asText("NamePredpr"), "");
  EXPECT_EQ(none.asNumber("Itogo"), 0);

  // A receiving enterprise without a payer.
  auto noPayer = opened(prCapQuery, "idDoc", 103);
  for (const char* field : {"Dogovor", "OblPlat", "RaionPlat", "NamePlatPredpr", "UNNPlatPredpr"}) {
    EXPECT_TRUE(noPayer.isNull(field)) << field;
    EXPECT_EQ(noPayer.asText(field), "") << field;
  }
  EXPECT_EQ(noPayer.asText("OblPlatSkl"), "Гродненская");

  // A term of SumSkidPokup empty, and a document without totals row.
  EXPECT_TRUE(opened(prCapQuery, "idDoc", 105).isNull("SumSkidPokup"));
  auto noTotals = opened(prCapQuery, "idDoc", 108);
  EXPECT_TRUE(noTotals.isNull("Tovar"));
  EXPECT_EQ(noTotals.asText("Dover"), "");
  EXPECT_FALSE(noTotals.isNull("Dover"));  // empty, but the proxy look-up runs
}

TEST_F(FormQueries, HeaderWithThirdPartyAndBonus) {
  auto f3 = opened(prCapQuery, "idDoc", 105);
  EXPECT_EQ(f3.value("IdF3"), Value::integer(50));
  EXPECT_EQ(f3.asText("NameF3Predpr"), "ООО «ТрансЛогистик-Бобруйск»");
  EXPECT_EQ(f3.asText("UNNF3Predpr"), "790661319");
  EXPECT_EQ(f3.asText("TownF3Predpr"), "Бобруйск");
  auto bonus = opened(prCapQuery, "idDoc", 104);
  EXPECT_DOUBLE_EQ(bonus.asNumber("SumBns"), 12.5);
  EXPECT_DOUBLE_EQ(bonus.asNumber("SumNdsBonus"), 2.08);
  EXPECT_DOUBLE_EQ(opened(sumBnsQuery, "iddoc", 104).asNumber("sumbns"), 12.5);
}

TEST_F(FormQueries, LinesOfADocument) {
  auto lines = opened(adoPrStrQuery, "IdDoc", 101);
  ASSERT_EQ(lines.recordCount(), 1);
  EXPECT_EQ(lines.fieldNames(), declaredNames(adoPrStrQuery));
  EXPECT_EQ(lines.fieldNames().size(), 54u);
  EXPECT_EQ(lines.asText("NameVidTov"), "Молоко питьевое 3,2 % 1 л");
  EXPECT_DOUBLE_EQ(lines.asNumber("CenO"), 1.85);
  EXPECT_DOUBLE_EQ(lines.asNumber("NDS"), 10);
  EXPECT_DOUBLE_EQ(lines.asNumber("KolF"), 40);
  EXPECT_EQ(lines.asText("NamePredpr"), "Брестский молочник");
  EXPECT_EQ(lines.asText("NameCountry"), "Беларусь");
  EXPECT_EQ(lines.value("idcolor"), Value::integer(0));  // the goods card has none
  EXPECT_TRUE(lines.isNull("priznsyria"));
  EXPECT_EQ(lines.fieldType("idcolor"), db::FieldType::Word);
}

TEST_F(FormQueries, LineCountsOnBothConnections) {
  const std::tuple<int, int> cases[] = {{101, 1}, {102, 25}, {103, 0}, {104, 3},
                                        {105, 2}, {106, 18}, {107, 4}, {9999, 0}};
  for (const auto& [doc, count] : cases) {
    EXPECT_EQ(opened(adoPrStrQuery, "IdDoc", doc).recordCount(), count) << doc;
    EXPECT_EQ(opened(prStrQuery, "IdDoc", doc).recordCount(), count) << doc;
  }
  auto none = opened(adoPrStrQuery, "IdDoc", 103);
  EXPECT_EQ(none.fieldNames().size(), 54u);
}

TEST_F(FormQueries, LinesAreOrderedByGroupSubgroupAndName) {
  auto lines = opened(adoPrStrQuery, "IdDoc", 102);
  std::vector<std::tuple<double, double, std::string>> keys;
  for (lines.first(); !lines.eof(); lines.next())
    keys.emplace_back(lines.asNumber("KodGr"), lines.asNumber("KodPGr"), lines.asText("NameVidTov"));
  EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
}

TEST_F(FormQueries, LineEdgeCases) {
  // The line without goods card is left out; equal codes sort by name; a
  // line without enterprise or country gives empty texts, never null.
  auto lines = opened(adoPrStrQuery, "IdDoc", 107);
  struct Expected {
    const char* name;
    const char* enterprise;
    const char* country;
  };
  const Expected expected[] = {
      {"Кефир 2,5 % 0,9 л", "", "Польша"},
      {"Ящик полимерный многооборотный", "", ""},
      {"Квас хлебный 1,5 л", "Лидские напитки", "Беларусь"},
      {"Сок яблочный 1 л", "Лидские напитки", "Беларусь"},
  };
  ASSERT_EQ(lines.recordCount(), 4);
  lines.first();
  for (const auto& line : expected) {
    EXPECT_EQ(lines.asText("NameVidTov"), line.name);
    EXPECT_EQ(lines.value("NamePredpr"), Value::text(line.enterprise)) << line.name;
    EXPECT_EQ(lines.value("NameCountry"), Value::text(line.country)) << line.name;
    lines.next();
  }
}

TEST_F(FormQueries, PricingDocumentReachesEveryBranch) {
  auto lines = opened(adoPrStrQuery, "IdDoc", 106);
  using Line = std::function<bool(const db::Query&)>;
  auto n = [](const db::Query& q, const char* f) { return q.asNumber(f); };
  const std::pair<const char*, Line> branches[] = {
      {"Usl 0, CenPriobr 0", [&](auto& q) { return n(q, "Usl") == 0 && n(q, "CenPriobr") == 0; }},
      {"Usl 0, CenPriobr not 0", [&](auto& q) { return n(q, "Usl") == 0 && n(q, "CenPriobr") != 0; }},
      {"Usl not 0, CenPriobr 0", [&](auto& q) { return n(q, "Usl") != 0 && n(q, "CenPriobr") == 0; }},
      {"Usl not 0, CenPriobr not 0", [&](auto& q) { return n(q, "Usl") != 0 && n(q, "CenPriobr") != 0; }},
      {"IdPrizLog 5", [&](auto& q) { return n(q, "IdPrizLog") == 5; }},
      {"IdPrizLog 6", [&](auto& q) { return n(q, "IdPrizLog") == 6; }},
      {"IdPrizLog 41", [&](auto& q) { return n(q, "IdPrizLog") == 41; }},
      {"IdPrizLog other",
       [&](auto& q) {
         int k = int(n(q, "IdPrizLog"));
         return k != 5 && k != 6 && k != 41;
       }},
      {"KodGr 99", [&](auto& q) { return n(q, "KodGr") == 99; }},
      {"PrRazl *", [&](auto& q) { return q.asText("PrRazl") == "*" && n(q, "KolPor") != 0; }},
      {"priznsyria null", [&](auto& q) { return q.isNull("priznsyria"); }},
      {"priznsyria set", [&](auto& q) { return !q.isNull("priznsyria"); }},
      {"idcolor 1", [&](auto& q) { return n(q, "idcolor") == 1; }},
      {"PrLogBKS 1", [&](auto& q) { return n(q, "prLogBKS") == 1; }},
      {"SkidOv and KolOv", [&](auto& q) { return n(q, "SkidOv") != 0 && n(q, "KolOv") != 0; }},
      {"SkidOv 0", [&](auto& q) { return n(q, "SkidOv") == 0; }},
      {"NDS 10", [&](auto& q) { return n(q, "NDS") == 10; }},
      {"NDS 20", [&](auto& q) { return n(q, "NDS") == 20; }},
  };
  for (const auto& [branch, matches] : branches) {
    bool found = false;
    for (lines.first(); !lines.eof() && !found; lines.next()) found = matches(lines);
    EXPECT_TRUE(found) << branch;
  }
}

TEST_F(FormQueries, EnterpriseGroup) {
  EXPECT_EQ(opened(nameGrPrQuery, "iddoc", 102).asText("NameGrPredpr"), "райпо");
  EXPECT_EQ(opened(nameGrPrQuery, "iddoc", 101).asText("NameGrPredpr"), "частное предприятие");
  auto none = opened(nameGrPrQuery, "iddoc", 9999);
  EXPECT_EQ(none.recordCount(), 0);
  EXPECT_EQ(none.asText("NameGrPredpr"), "");
  EXPECT_THROW(none.asText("Nope"), EDatabaseError);
}

TEST_F(FormQueries, ProxyHoldersOfTheEnterpriseOrItsPayer) {
  struct Case {
    int enterprise;
    std::vector<std::string> holders;
  };
  const Case cases[] = {
      {10, {"Лукашевич И.П."}},                     // its own
      {20, {"Жук С.А."}},                           // none of its own: the payer's
      {40, {"Малиновский О.В.", "Карпович Т.Н."}},  // two: the form uses none
      {30, {}},                                     // none, and no payer
  };
  for (const auto& c : cases) {
    auto query = opened(fioDovQuery, "IdPredpr", c.enterprise);
    EXPECT_EQ(query.fieldNames(), (std::vector<std::string>{"Fio"}));
    std::vector<std::string> holders;
    for (query.first(); !query.eof(); query.next()) holders.push_back(query.asText("fio"));
    EXPECT_EQ(holders, c.holders) << c.enterprise;
  }
}

TEST_F(FormQueries, EarlierRevisionQueries) {
  auto header = opened(legacy::prCapQuery, "idDoc", 101);
  EXPECT_EQ(header.fieldNames().size(), 107u);
  EXPECT_EQ(header.asText("Dogovor"), "Договор поставки № 112 от 10.01.2026");
  EXPECT_FALSE(header.hasField("Dogovor_1"));
  auto lines = opened(legacy::prStrQuery, "IdDoc", 107);
  EXPECT_EQ(lines.fieldNames().size(), 52u);
  EXPECT_EQ(lines.recordCount(), 4);
}

}  // namespace
}  // namespace korvel::data
