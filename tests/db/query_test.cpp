// Query over the SQLite demo database: parameters, result reading, fixed
// field lists and their errors, field access.
#include <gtest/gtest.h>

#include "base/exception.h"
#include "base/number_text.h"
#include "db/connection_string_connection.h"
#include "db/query.h"
#include "odbc_test_sources.h"

namespace korvel::db {
namespace {

class Queries : public ::testing::Test {
 protected:
  void SetUp() override {
    test::odbcTestFolder();
    connection_.setConnectionString("Provider=SQLite;Data Source=" + std::string(KORVEL_DEMO_DB));
    connection_.open();
  }

  Query query(std::vector<std::string> sql) {
    Query q("TestQuery", &connection_);
    q.setSql(std::move(sql));
    return q;
  }

  template <typename Action>
  static std::string databaseError(Action action) {
    try {
      action();
    } catch (const EDatabaseError& e) {
      return e.what();
    }
    ADD_FAILURE() << "no database error";
    return "";
  }

  ConnectionStringConnection connection_;
};

TEST_F(Queries, LinesAreJoinedAndTheWholeResultIsRead) {
  auto q = query({"SELECT idObl, nameObl", "FROM tbObl", "ORDER BY idObl"});
  EXPECT_EQ(q.sqlText(), "SELECT idObl, nameObl\r\nFROM tbObl\r\nORDER BY idObl");
  q.open();
  EXPECT_EQ(q.recordCount(), 6);
  EXPECT_EQ(q.fieldNames(), (std::vector<std::string>{"idObl", "nameObl"}));
  std::vector<std::string> names;
  for (q.first(); !q.eof(); q.next()) names.push_back(q.asText("NAMEOBL"));
  EXPECT_EQ(names.front(), "Минская");
  EXPECT_EQ(names.size(), 6u);
  q.first();
  EXPECT_EQ(q.value("idobl"), Value::integer(1));
}

TEST_F(Queries, ParametersAreBoundByNameWithoutRegardToCase) {
  auto q = query({"SELECT count(*) AS n FROM PrintString WHERE IdDoc = :doc AND (KodGr = :Gr OR :GR = 0)",
                  "AND NameVidTov <> ':doc'"});
  q.setParamDefs({{"Doc", FieldType::Integer}});
  q.setParam("DOC", Value::text("106"));  // converted to the stored type
  q.setParam("gr", Value::integer(99));
  q.open();
  EXPECT_EQ(q.asNumber("n"), 5);
  q.setParam("gr", Value::integer(0));
  q.open();
  EXPECT_EQ(q.asNumber("n"), 18);
  EXPECT_THROW(q.setParam("doc", Value::text("10x")), EConvertError);
}

TEST_F(Queries, ParameterValuesAreNeverPastedIntoTheText) {
  auto q = query({"SELECT count(*) AS n FROM tbObl WHERE nameObl = :name"});
  q.setParam("name", Value::text("x' OR '1'='1"));
  q.open();
  EXPECT_EQ(q.asNumber("n"), 0);
}

TEST_F(Queries, MissingParameterValueIsAnError) {
  auto q = query({"SELECT * FROM tbObl WHERE idObl = :id"});
  EXPECT_EQ(databaseError([&] { q.open(); }), "TestQuery: No value for parameter 'id'");
}

TEST_F(Queries, LongTextsAreReadWhole) {
  auto q = query({"SELECT replace(hex(zeroblob(6000)), '00', 'ж') AS t"});
  q.open();
  EXPECT_EQ(q.asText("t").size(), 12000u);  // 6000 two-byte letters, across read chunks
  EXPECT_EQ(q.asText("t").substr(11998), "ж");
}

TEST_F(Queries, RepeatedColumnNamesGetASuffix) {
  auto q = query({"SELECT 1 AS a, 2 AS A, 3 AS a, 4 AS a_1"});
  q.open();
  EXPECT_EQ(q.fieldNames(), (std::vector<std::string>{"a", "A_1", "a_2", "a_1_1"}));
  EXPECT_EQ(q.asNumber("a_2"), 3);
}

TEST_F(Queries, NullsReadAsEmptyTextOrZero) {
  auto q = query({"SELECT NULL AS t, idPlat, Dogovor FROM tbPredpr WHERE idPredpr = 1"});
  q.open();
  for (const char* field : {"t", "idPlat", "Dogovor"}) {
    EXPECT_TRUE(q.isNull(field));
    EXPECT_EQ(q.asText(field), "");
    EXPECT_EQ(q.asNumber(field), 0);
  }
  q.next();
  EXPECT_TRUE(q.eof());
  EXPECT_TRUE(q.value("Dogovor").isNull());  // no current record
}

TEST_F(Queries, NumbersAsTextUseTheDecimalSeparator) {
  auto q = query({"SELECT CenO, DateDoc FROM PrintString, tbDocPrint d",
                  "WHERE PrintString.IdDoc = 101 AND d.IdDoc = 101"});
  q.open();
  setDecimalSeparator(',');
  EXPECT_EQ(q.asText("CenO"), "1,85");
  useLocaleDecimalSeparator();
  EXPECT_DOUBLE_EQ(q.asNumber("CenO"), 1.85);
  EXPECT_EQ(q.asText("DateDoc"), "02.03.2026");
  EXPECT_EQ(q.asNumber("DateDoc"), 46083);  // days since 30.12.1899
  EXPECT_EQ(q.fieldType("DateDoc"), FieldType::DateTime);
}

TEST_F(Queries, FixedFieldListExposesExactlyItsFields) {
  auto q = query(
      {"SELECT idPredpr, NamePredpr, UNN, IFNULL(idPlat, 0) AS plat FROM tbPredpr WHERE idPredpr = 10"});
  q.setFieldDefs(
      {{"NamePredpr", FieldType::String, 150}, {"idPredpr", FieldType::Smallint}, {"plat", FieldType::Word}});
  q.open();
  EXPECT_EQ(q.fieldNames(), (std::vector<std::string>{"NamePredpr", "idPredpr", "plat"}));
  EXPECT_FALSE(q.hasField("UNN"));
  EXPECT_EQ(q.value("plat"), Value::integer(11));
  EXPECT_EQ(databaseError([&] { q.value("UNN"); }), "TestQuery: Field 'UNN' not found");
}

TEST_F(Queries, FieldListErrors) {
  struct Case {
    FieldDef field;
    std::string message;
  };
  const Case cases[] = {
      {{"Nope", FieldType::String, 10}, "TestQuery: Field 'Nope' not found"},
      {{"NamePredpr", FieldType::Integer},
       "TestQuery: Type mismatch for field 'NamePredpr', expecting: Integer actual: String"},
      {{"idPredpr", FieldType::DateTime},
       "TestQuery: Type mismatch for field 'idPredpr', expecting: DateTime actual: Smallint"},
      {{"shortName", FieldType::Float},
       "TestQuery: Type mismatch for field 'shortName', expecting: Float actual: String"},
  };
  for (const auto& c : cases) {
    auto q = query({"SELECT idPredpr, NamePredpr, IFNULL(NamePredprShort, '') AS shortName FROM tbPredpr"});
    q.setFieldDefs({c.field});
    EXPECT_EQ(databaseError([&] { q.open(); }), c.message);
    EXPECT_FALSE(q.active());
  }
}

TEST_F(Queries, ClosedQueryAndDriverErrors) {
  auto q = query({"SELECT * FROM NoSuchTable"});
  EXPECT_EQ(databaseError([&] { q.eof(); }), "TestQuery: Cannot perform this operation on a closed dataset");
  try {
    q.open();
    FAIL();
  } catch (const EOleException& e) {
    EXPECT_NE(std::string(e.what()).find("no such table: NoSuchTable"), std::string::npos) << e.what();
  }
  Query unconnected("Lonely");
  EXPECT_THROW(unconnected.open(), EDatabaseError);
}

}  // namespace
}  // namespace korvel::db
