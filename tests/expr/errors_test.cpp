// Bad expressions: each gives an EReportError that quotes the expression
// and says what is wrong, never a crash or a silent value.
#include <gtest/gtest.h>

#include "fake_context.h"

namespace korvel::expr::test {
namespace {

struct ErrorCase {
  std::string source;
  const char* fragment;  // part of the message that says what is wrong
};

std::string errorOf(const std::string& source, Context& context) {
  try {
    const Value value = evaluate(source, context);
    ADD_FAILURE() << "no error for " << source;
  } catch (const EReportError& error) {
    return error.message();
  }
  return {};
}

void expectQuotedError(const ErrorCase& c, Context& context) {
  const std::string message = errorOf(c.source, context);
  EXPECT_EQ(message.rfind("Expression \"" + c.source + "\": ", 0), 0u) << message;
  EXPECT_NE(message.find(c.fragment), std::string::npos) << message;
}

class ParseErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ParseErrorTest, IsReportedWithTheExpression) {
  FakeContext context;
  expectQuotedError(GetParam(), context);
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, ParseErrorTest,
    ::testing::Values(ErrorCase{"", "empty"}, ErrorCase{"   ", "empty"},
                      ErrorCase{"1 +", "unexpected end of expression (at character 4)"},
                      ErrorCase{"(1 + 2", "\")\" expected"}, ErrorCase{"1 + 2)", "unexpected \")\""},
                      ErrorCase{"1 2", "unexpected \"2\""}, ErrorCase{"1.2.3", "unexpected \".\""},
                      ErrorCase{"'abc", "not closed"}, ErrorCase{"<abc", "\">\" missing"},
                      ErrorCase{"<abc + 1", "\">\" missing"}, ErrorCase{"<>", "name is missing"},
                      ErrorCase{"ds.\"abc", "not closed"}, ErrorCase{"<ds.\"\">", "field name is empty"},
                      ErrorCase{"\"Field\"", "dataset in front"}, ErrorCase{"and 1", "unexpected \"and\""},
                      ErrorCase{"1 + not 1", "unexpected \"not\""}, ErrorCase{"1e999", "out of range"},
                      ErrorCase{"1 # 2", "unexpected \"#\""}, ErrorCase{"'ы' ы", "(at character 5)"}));

INSTANTIATE_TEST_SUITE_P(
    Functions, ParseErrorTest,
    ::testing::Values(ErrorCase{"Foo(1)", "unknown function \"Foo\""},
                      ErrorCase{"IIF(1, 2)", "IIF takes three"},
                      ErrorCase{"IIF(1, 2, 3, 4)", "IIF takes three"}, ErrorCase{"FloatToStr()", "takes one"},
                      ErrorCase{"IIF(1, 2; 3)", "\",\" or \")\" expected"},
                      ErrorCase{"SUM(SUM(1, B), B)", "SUM cannot stand inside another SUM"},
                      ErrorCase{"SUM(1)", "band name"}, ErrorCase{"SUM(1, )", "band name is expected"}));

INSTANTIATE_TEST_SUITE_P(Nesting, ParseErrorTest,
                         ::testing::Values(ErrorCase{std::string(201, '(') + "1" + std::string(201, ')'),
                                                     "nested too deeply"},
                                           ErrorCase{std::string(100000, '(') + "1", "nested too deeply"},
                                           ErrorCase{std::string(300, '-') + "1", "nested too deeply"},
                                           ErrorCase{[] {
                                                       std::string s;
                                                       for (int i = 0; i < 300; ++i) s += "not ";
                                                       return s + "1";
                                                     }(),
                                                     "nested too deeply"},
                                           ErrorCase{[] {
                                                       std::string s;
                                                       for (int i = 0; i < 300; ++i) s += "IIF(1,";
                                                       return s + "1";
                                                     }(),
                                                     "nested too deeply"}));

TEST(ParseNesting, TwoHundredLevelsAreAccepted) {
  FakeContext context;
  EXPECT_EQ(evaluate(std::string(200, '(') + "1" + std::string(200, ')'), context), I(1));
}

class EvaluationErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(EvaluationErrorTest, IsReportedWithTheExpression) {
  FakeContext context;
  context.setVariable("Nothing", N());
  context.setSystem(SystemValue::Time, Value::dateTime({2024, 5, 6, 14, 30, 0, 0}));
  context.setField("ds", "Flag", B(true));
  expectQuotedError(GetParam(), context);
}

INSTANTIATE_TEST_SUITE_P(
    Values, EvaluationErrorTest,
    ::testing::Values(ErrorCase{"1/0", "division by zero"}, ErrorCase{"0/0", "division by zero"},
                      ErrorCase{"1.5/0.0", "division by zero"}, ErrorCase{"1/<Nothing>", "division by zero"},
                      ErrorCase{"1e308 * 10", "too large"}, ErrorCase{"'abc' - 1", "'abc' is not a number"},
                      ErrorCase{"2 * 'x'", "'x' is not a number"},
                      ErrorCase{"-'abc'", "'abc' is not a number"},
                      ErrorCase{"IIF('abc', 1, 2)", "'abc' is neither true nor false"},
                      ErrorCase{"not 'maybe'", "neither true nor false"},
                      ErrorCase{"IIF(Time, 1, 2)", "a date is neither true nor false"},
                      ErrorCase{"Time + 1", "cannot apply \"+\" to a date and a number"},
                      ErrorCase{"'a' + Time", "cannot apply \"+\" to a text and a date"},
                      ErrorCase{"ds.\"Flag\" + 1", "cannot apply \"+\" to a Boolean and a number"},
                      ErrorCase{"Time > 1", "cannot apply \">\""}, ErrorCase{"-Time", "cannot apply \"-\""},
                      ErrorCase{"FloatToStr('x')", "'x' is not a number"},
                      ErrorCase{"FloatToStr(Time)", "FloatToStr needs a number"},
                      ErrorCase{"<Unknown> + 1", "unknown name \"Unknown\""},
                      ErrorCase{"Unknown", "unknown name \"Unknown\""},
                      ErrorCase{"<ds.\"Missing\">", "unknown field Missing"}));

}  // namespace
}  // namespace korvel::expr::test
