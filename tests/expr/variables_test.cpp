// Report variables: a one-line text is itself an expression, other values
// are used as they are, and no chain of variables can hang or crash.
#include <gtest/gtest.h>

#include "fake_context.h"

namespace korvel::expr::test {
namespace {

struct VariableCase {
  Value stored;
  const char* source;
  Value expected;
};

class VariableTest : public ::testing::TestWithParam<VariableCase> {};

TEST_P(VariableTest, ResolvesStoredValue) {
  const VariableCase& c = GetParam();
  FakeContext context;
  context.setVariable("v", c.stored);
  context.setVariable("Other", T("2"));
  context.setField("ds", "Num", I(5));
  EXPECT_EQ(evaluate(c.source, context), c.expected) << c.source;
}

INSTANTIATE_TEST_SUITE_P(
    Stored, VariableTest,
    ::testing::Values(VariableCase{T("'1'"), "<v>", T("1")}, VariableCase{T("'1'"), "<v> = 1", B(true)},
                      VariableCase{T("'0'"), "IIF(<v> = 1, 'a', 'b')", T("b")},
                      VariableCase{T("'-1'"), "IIF(<v>, 'a', 'b')", T("a")},
                      VariableCase{T("'0'"), "IIF(<v>, 'a', 'b')", T("b")},
                      VariableCase{T("'3'"), "v", T("3")}, VariableCase{T("'3'"), "<V> - 1", I(2)},
                      VariableCase{T("''"), "v", T("")}, VariableCase{T("'It''s'"), "v", T("It's")},
                      VariableCase{I(1), "<v> + 1", I(2)}, VariableCase{F(2.5), "v", F(2.5)},
                      VariableCase{B(true), "IIF(v, 1, 2)", I(1)}, VariableCase{T("2 + 3"), "v", I(5)},
                      VariableCase{T("<Other> * 2"), "v", I(4)}, VariableCase{T("ds.\"Num\""), "v", I(5)},
                      VariableCase{N(), "v", N()}, VariableCase{N(), "'x' + <v>", T("x")},
                      VariableCase{T(""), "v", N()}, VariableCase{T("  "), "v", N()},
                      VariableCase{T("a b\r\nc"), "v", T("a b\r\nc")},
                      VariableCase{T("'a'\n+ 'b'"), "v", T("'a'\n+ 'b'")}));

TEST(Variables, ResolveVariableUsesNonTextValuesAsTheyAre) {
  FakeContext context;
  EXPECT_EQ(resolveVariable(T("1+1"), context), I(2));
  EXPECT_EQ(resolveVariable(F(2.5), context), F(2.5));
  EXPECT_EQ(resolveVariable(N(), context), N());
  const Value date = Value::dateTime({2024, 1, 2, 0, 0, 0, 0});
  EXPECT_EQ(resolveVariable(date, context), date);
}

TEST(Variables, ValueChangesAreSeenOnTheNextEvaluation) {
  FakeContext context;
  const Expression expression = Expression::parse("<v> + 1");
  context.setVariable("v", T("1"));
  EXPECT_EQ(expression.evaluate(context), I(2));
  context.setVariable("v", T("10"));
  EXPECT_EQ(expression.evaluate(context), I(11));
}

std::string errorOf(const std::string& source, Context& context) {
  try {
    evaluate(source, context);
  } catch (const EReportError& error) {
    return error.message();
  }
  ADD_FAILURE() << "no error for " << source;
  return {};
}

std::size_t occurrences(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TEST(Variables, SelfReferenceIsOneClearError) {
  FakeContext context;
  context.setVariable("a", T("<a> + 1"));
  context.setVariable("b", T("<c>"));
  context.setVariable("c", T("<b>"));
  for (const char* source : {"<a>", "b"}) {
    const std::string message = errorOf(source, context);
    EXPECT_EQ(message.rfind(std::string("Expression \"") + source + "\": ", 0), 0u) << message;
    EXPECT_NE(message.find("refer to itself"), std::string::npos) << message;
    EXPECT_EQ(occurrences(message, "Expression \""), 1u) << message;
  }
}

TEST(Variables, DeepSelfReferenceAtEveryNestingLevelStaysBounded) {
  FakeContext context;
  const std::string deep = std::string(199, '(') + "<a>" + std::string(199, ')');
  context.setVariable("a", T(deep));
  EXPECT_NE(errorOf("<a>", context).find("refer to itself"), std::string::npos);
}

TEST(Variables, ErrorInsideAVariableQuotesBothExpressions) {
  FakeContext context;
  context.setVariable("broken", T("'abc"));
  context.setVariable("zero", T("1/0"));
  const std::string parse = errorOf("<broken> + 1", context);
  EXPECT_NE(parse.find("Expression \"<broken> + 1\""), std::string::npos) << parse;
  EXPECT_NE(parse.find("Expression \"'abc\": the text in quotes is not closed"), std::string::npos) << parse;
  const std::string division = errorOf("zero", context);
  EXPECT_NE(division.find("Expression \"1/0\": division by zero"), std::string::npos) << division;
}

}  // namespace
}  // namespace korvel::expr::test
