// Parameter markers and the SQLite dialect adapter: pure text functions.
#include <gtest/gtest.h>

#include "base/exception.h"
#include "db/sql_dialect.h"
#include "db/sql_parameters.h"

namespace korvel::db {
namespace {

TEST(Parameters, NamedParametersBecomeMarkersOutsideLiteralsAndComments) {
  struct Case {
    const char* sql;
    const char* expected;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"where a=:idDoc", "where a=?", {"idDoc"}},
      {"a=:p and b=:P or c = :p2", "a=? and b=? or c = ?", {"p", "P", "p2"}},
      {"x=':no' and y=\":no\" and [a:b]=:yes", "x=':no' and y=\":no\" and [a:b]=?", {"yes"}},
      {"x='it''s :no' -- :no\n and y=:yes /* :no */", "x='it''s :no' -- :no\n and y=? /* :no */", {"yes"}},
      {"a::int, t:x, :1, :_a", "a::int, t:x, :1, ?", {"_a"}},
      {"unterminated ':p", "unterminated ':p", {}},
      {":", ":", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.sql);
    const auto result = parameterize(c.sql);
    EXPECT_EQ(result.sql, c.expected);
    EXPECT_EQ(result.names, c.names);
  }
}

TEST(Dialect, SqlServerGetsTheTextExactlyAsStored) {
  const std::string text = "if exists (select 1) select ISNULL(a,'') from t\r\nelse select 2";
  const auto plan = planFor(text, ServerKind::SqlServer);
  EXPECT_EQ(plan.statement, text);
  EXPECT_FALSE(plan.conditional());
}

TEST(Dialect, IsNullBecomesIfNullInCodeOnly) {
  struct Case {
    const char* sql;
    const char* expected;
  };
  const Case cases[] = {
      {"ISNULL(a,'')", "IFNULL(a,'')"},
      {"IsNull (b, 0), isnull(c,1)", "IfNull (b, 0), ifnull(c,1)"},
      {"'ISNULL(' || x", "'ISNULL(' || x"},
      {"MYISNULL(a), ISNULLX(b), ISNULL", "MYISNULL(a), ISNULLX(b), ISNULL"},
      {"a IS NULL", "a IS NULL"},
  };
  for (const auto& c : cases) EXPECT_EQ(planFor(c.sql, ServerKind::Sqlite).statement, c.expected) << c.sql;
}

TEST(Dialect, IfExistsBatchSplitsIntoTestAndTwoSelects) {
  const std::string sql =
      "if exists (select * from tbDover where  (idpredpr=:idpredpr) )\r\n"
      "           select Fio from tbDover where  (idpredpr=:idpredpr)\r\n"
      "else\r\n"
      "           select Fio from tbDover where idpredpr=(select idplat from tbpredpr where "
      "idpredpr=:idpredpr) ";
  const auto plan = planFor(sql, ServerKind::Sqlite);
  ASSERT_TRUE(plan.conditional());
  EXPECT_EQ(plan.condition,
            "SELECT CASE WHEN  exists (select * from tbDover where  (idpredpr=:idpredpr) )\r\n"
            "            THEN 1 ELSE 0 END");
  EXPECT_EQ(plan.statement, "select Fio from tbDover where  (idpredpr=:idpredpr)\r\n");
  EXPECT_EQ(plan.elseStatement,
            "\r\n           select Fio from tbDover where idpredpr=(select idplat from tbpredpr where "
            "idpredpr=:idpredpr) ");
}

TEST(Dialect, OtherIfBatches) {
  const auto noElse = planFor("IF NOT EXISTS(select 1 from t) SELECT 'else' AS x", ServerKind::Sqlite);
  EXPECT_EQ(noElse.condition, "SELECT CASE WHEN  NOT EXISTS(select 1 from t)  THEN 1 ELSE 0 END");
  EXPECT_EQ(noElse.statement, "SELECT 'else' AS x");
  EXPECT_EQ(noElse.elseStatement, "");
  // "if" inside a name or a literal is no batch.
  EXPECT_FALSE(planFor("select iff from t", ServerKind::Sqlite).conditional());
  EXPECT_FALSE(planFor("  -- if\nselect 'if'", ServerKind::Sqlite).conditional());
  for (const char* bad :
       {"if exists (select 1)", "if select 1", "if (1=1) select 1 else select 2 else select 3"})
    EXPECT_THROW(planFor(bad, ServerKind::Sqlite), EDatabaseError) << bad;
}

}  // namespace
}  // namespace korvel::db
