// Values of well-formed expressions: operators, null rules, conditions,
// functions, references.
#include <gtest/gtest.h>

#include "base/number_text.h"
#include "fake_context.h"

namespace korvel::expr::test {
namespace {

struct Case {
  const char* source;
  Value expected;
};

class EvaluateTest : public ::testing::TestWithParam<Case> {
 protected:
  void SetUp() override {
    setDecimalSeparator(',');
    context.setField("ds", "Num", I(5));
    context.setField("ds", "Price", F(2.5));
    context.setField("ds", "Name", T("Abc"));
    context.setField("ds", "Flag", B(true));
    context.setVariable("Nothing", N());
    context.setSystem(SystemValue::Page, I(3));
    context.setSystem(SystemValue::PageHash, I(2));
    context.setSystem(SystemValue::TotalPages, I(4));
    context.setSystem(SystemValue::Line, I(7));
    context.setSystem(SystemValue::Time, Value::dateTime({2024, 5, 6, 14, 30, 0, 0}));
  }
  void TearDown() override { useLocaleDecimalSeparator(); }
  FakeContext context;
};

TEST_P(EvaluateTest, GivesExpectedValue) {
  const Case& c = GetParam();
  EXPECT_EQ(evaluate(c.source, context), c.expected) << c.source;
}

INSTANTIATE_TEST_SUITE_P(Arithmetic, EvaluateTest,
                         ::testing::Values(Case{"1+2", I(3)}, Case{"7 - 10", I(-3)}, Case{"10-2-3", I(5)},
                                           Case{"1+2*3", I(7)}, Case{"(1+2)*3", I(9)}, Case{"-2*3", I(-6)},
                                           Case{"--2", I(2)}, Case{"2 - -3", I(5)}, Case{"+4", I(4)},
                                           Case{"2*3.5", F(7)}, Case{"7/2", F(3.5)}, Case{"6/3", F(2)},
                                           Case{"12/2/3", F(2)}, Case{"1.5e3", F(1500)},
                                           Case{"9223372036854775807 + 1", F(9223372036854775808.0)},
                                           Case{"3037000500 * 3037000500", F(3037000500.0 * 3037000500.0)},
                                           Case{"1 +\r\n 2", I(3)}));

INSTANTIATE_TEST_SUITE_P(Texts, EvaluateTest,
                         ::testing::Values(Case{"'abc'", T("abc")}, Case{"'it''s'", T("it's")},
                                           Case{"''''", T("'")}, Case{"'a' + 'b'", T("ab")},
                                           Case{"'' + ''", T("")}, Case{"'n=' + 5", T("n=5")},
                                           Case{"'x' + 2.5", T("x2,5")}, Case{"2.5 + 'x'", T("2,5x")},
                                           Case{"1 + 2 + 'a'", T("3a")}, Case{"'a' + 1 + 2", T("a12")},
                                           Case{"'5' - 2", I(3)}, Case{"'2,5' * 2", F(5)},
                                           Case{"'2.5' * 2", F(5)}, Case{"-'3'", I(-3)},
                                           Case{"'Цена ' + 'за'", T("Цена за")}));

INSTANTIATE_TEST_SUITE_P(Nulls, EvaluateTest,
                         ::testing::Values(Case{"<Nothing>", N()}, Case{"<Nothing> + 5", I(5)},
                                           Case{"5 + <Nothing>", I(5)}, Case{"<Nothing> + 2.5", F(2.5)},
                                           Case{"<Nothing> + 'a'", T("a")}, Case{"'a' + <Nothing>", T("a")},
                                           Case{"<Nothing> + <Nothing>", N()}, Case{"5 - <Nothing>", I(5)},
                                           Case{"<Nothing> - 5", I(-5)}, Case{"<Nothing> * 3", I(0)},
                                           Case{"<Nothing> / 4", F(0)}, Case{"-<Nothing>", N()},
                                           Case{"<Nothing> = 0", B(true)}, Case{"<Nothing> = ''", B(true)},
                                           Case{"<Nothing> = <Nothing>", B(true)},
                                           Case{"<Nothing> > -1", B(true)}, Case{"<Nothing> = 'a'", B(false)},
                                           Case{"<Nothing> = Time", B(false)}));

INSTANTIATE_TEST_SUITE_P(
    Comparisons, EvaluateTest,
    ::testing::Values(Case{"1 = 1.0", B(true)}, Case{"2 > 1", B(true)}, Case{"2 < 1", B(false)},
                      Case{"2 >= 2", B(true)}, Case{"2 <= 1", B(false)}, Case{"1 <> 2", B(true)},
                      Case{"'abc' = 'abc'", B(true)}, Case{"'abc' = 'ABC'", B(false)},
                      Case{"'a' < 'b'", B(true)}, Case{"'1' = 1", B(true)}, Case{"'-1' < 0", B(true)},
                      Case{"'abc' = 1", B(false)}, Case{"'abc' <> 1", B(true)}, Case{"'' = 0", B(false)},
                      Case{"1 + 1 = 2", B(true)}, Case{"ds.\"Flag\" = 1", B(true)},
                      Case{"ds.\"Flag\" = 'True'", B(true)}, Case{"Time = Time", B(true)}));

INSTANTIATE_TEST_SUITE_P(Logic, EvaluateTest,
                         ::testing::Values(Case{"1 = 1 and 2 = 2", B(true)},
                                           Case{"1 = 1 AND 2 = 3", B(false)}, Case{"1 = 2 or 2 = 2", B(true)},
                                           Case{"1 = 2 Or 2 = 3", B(false)}, Case{"not 1 = 2", B(true)},
                                           Case{"NOT (1 = 1) or 1 = 1", B(true)}, Case{"not not 1", B(true)},
                                           Case{"1 = 2 and 1/0 = 1", B(false)},
                                           Case{"1 = 1 or 1/0 = 1", B(true)},
                                           Case{"(1 > 0) and ('-1')", B(true)},
                                           Case{"1 = 1 or 1 = 1 and 1 = 2", B(true)}));

INSTANTIATE_TEST_SUITE_P(
    Conditions, EvaluateTest,
    ::testing::Values(Case{"IIF(1 = 1, 'yes', 'no')", T("yes")}, Case{"iif(0, 1/0, 2)", I(2)},
                      Case{"IIF(1, 2, 1/0)", I(2)}, Case{"IIF('-1', 'a', 'b')", T("a")},
                      Case{"IIF('1', 'a', 'b')", T("a")}, Case{"IIF('True', 'a', 'b')", T("a")},
                      Case{"IIF('tRUE', 'a', 'b')", T("a")}, Case{"IIF('False', 'a', 'b')", T("b")},
                      Case{"IIF('0', 'a', 'b')", T("b")}, Case{"IIF('', 'a', 'b')", T("b")},
                      Case{"IIF('2,5', 'a', 'b')", T("a")}, Case{"IIF(0.0, 'a', 'b')", T("b")},
                      Case{"IIF(<Nothing>, 'a', 'b')", T("b")}, Case{"IIF(ds.\"Flag\", 'a', 'b')", T("a")},
                      Case{"IIF(IIF(1, 0, 1), 'a', IIF(1, 'c', 'd'))", T("c")}));

INSTANTIATE_TEST_SUITE_P(Functions, EvaluateTest,
                         ::testing::Values(Case{"FloatToStr(2.5)", T("2,5")}, Case{"FloatToStr(3)", T("3")},
                                           Case{"FloatToStr(1/3)", T("0,333333333333333")},
                                           Case{"FloatToStr('7')", T("7")},
                                           Case{"floattostr(<Nothing>)", T("0")},
                                           Case{"FloatToStr (ds.\"Price\" * 2)", T("5")}));

INSTANTIATE_TEST_SUITE_P(References, EvaluateTest,
                         ::testing::Values(Case{"<ds.\"Num\">", I(5)}, Case{"ds.\"Num\"", I(5)},
                                           Case{"<DS.\"num\"> * 2", I(10)},
                                           Case{"<ds.\"Name\"> + ' ' + ds.\"Name\"", T("Abc Abc")},
                                           Case{"Page", I(3)}, Case{"<Page>", I(3)}, Case{"PAGE", I(3)},
                                           Case{"<Page#>", I(2)}, Case{"Page# - 1", I(1)},
                                           Case{"<Page#>-1", I(1)}, Case{"<TotalPages>-1", I(3)},
                                           Case{"TotalPages", I(4)}, Case{"Line", I(7)}, Case{"<line>", I(7)},
                                           Case{"Time", Value::dateTime({2024, 5, 6, 14, 30, 0, 0})}));

TEST(EvaluateOnce, ParsedExpressionEvaluatesAgainstEachRecord) {
  FakeContext context;
  const Expression expression = Expression::parse("<ds.\"Num\"> * 2");
  for (int record = 1; record <= 3; ++record) {
    context.setField("ds", "Num", I(record));
    EXPECT_EQ(expression.evaluate(context), I(record * 2));
  }
}

TEST(EvaluateOnce, LongChainsOfOperatorsNeitherRecurseNorFail) {
  FakeContext context;
  std::string sum = "0", join = "''";
  for (int i = 0; i < 100000; ++i) {
    sum += "+1";
    join += "+'x'";
  }
  EXPECT_EQ(evaluate(sum, context), I(100000));
  EXPECT_EQ(evaluate(join, context), T(std::string(100000, 'x')));
}

}  // namespace
}  // namespace korvel::expr::test
