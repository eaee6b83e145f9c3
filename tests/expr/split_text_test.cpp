// Splitting report texts into literal runs and bracketed expressions.
#include <gtest/gtest.h>

#include "base/number_text.h"
#include "fake_context.h"

namespace korvel::expr::test {
namespace {

// "L:" for a literal run, "E:" for an expression's source.
std::vector<std::string> describe(std::string_view text) {
  std::vector<std::string> parts;
  for (const TextPart& part : splitText(text))
    parts.push_back(part.expression ? "E:" + part.expression->source() : "L:" + part.literal);
  return parts;
}

using Parts = std::vector<std::string>;

TEST(SplitText, SeparatesLiteralsAndExpressions) {
  EXPECT_EQ(describe(""), Parts{});
  EXPECT_EQ(describe("plain text"), Parts{"L:plain text"});
  EXPECT_EQ(describe("abc [1+1] def"), (Parts{"L:abc ", "E:1+1", "L: def"}));
  EXPECT_EQ(describe("[a][b]"), (Parts{"E:a", "E:b"}));
  EXPECT_EQ(describe("[a], [b];"), (Parts{"E:a", "L:, ", "E:b", "L:;"}));
  EXPECT_EQ(describe("a ] b"), Parts{"L:a ] b"});
  EXPECT_EQ(describe("line 1\r\n[Line]\r\n"), (Parts{"L:line 1\r\n", "E:Line", "L:\r\n"}));
}

TEST(SplitText, BracketsInsideQuotesDoNotClose) {
  EXPECT_EQ(describe("abc [expr] def [IIF(<x>='[',1,2)]"),
            (Parts{"L:abc ", "E:expr", "L: def ", "E:IIF(<x>='[',1,2)"}));
  EXPECT_EQ(describe("[IIF(1=1,'it''s ]',2)]!"), (Parts{"E:IIF(1=1,'it''s ]',2)", "L:!"}));
  EXPECT_EQ(describe("[<ds.\"A]B\">]"), Parts{"E:<ds.\"A]B\">"});
  EXPECT_EQ(describe("[<ds.\"O'Brien\">] x"), (Parts{"E:<ds.\"O'Brien\">", "L: x"}));
}

TEST(SplitText, ExpressionsMaySpanLines) {
  FakeContext context;
  const std::vector<TextPart> parts = splitText("[1 +\r\n2 +\r\n3]");
  ASSERT_EQ(parts.size(), 1u);
  EXPECT_EQ(parts[0].expression->evaluate(context), I(6));
}

TEST(SplitText, NestedBracketsMustBalance) {
  // The outer bracket closes at its own "]"; the inner pair is part of the
  // expression (and not valid in it).
  try {
    splitText("x [a[1]] y");
    FAIL() << "no error";
  } catch (const EReportError& error) {
    EXPECT_NE(std::string(error.what()).find("Expression \"a[1]\""), std::string::npos) << error.what();
  }
}

TEST(SplitText, UnclosedBracketQuotesTheText) {
  for (const char* text : {"[1 + 2", "ok [IIF(<x>=']',1,2)", "a [b [c] d", "[ 'it''s ]"}) {
    try {
      splitText(text);
      ADD_FAILURE() << "no error for " << text;
    } catch (const EReportError& error) {
      EXPECT_EQ(
          std::string(error.what()).rfind(std::string("Text \"") + text + "\": the \"[\" at character ", 0),
          0u)
          << error.what();
    }
  }
}

TEST(SplitText, EmptyOrBadExpressionIsAnError) {
  EXPECT_THROW(splitText("a [] b"), EReportError);
  EXPECT_THROW(splitText("[1 +]"), EReportError);
}

TEST(SplitText, SumGivesAnAggregateWithItsOwnExpression) {
  const std::vector<TextPart> parts = splitText("[SUM(<ds.\"Ves\">*<ds.\"KolF\">, MasterData1) + 1]");
  ASSERT_EQ(parts.size(), 1u);
  const Expression& expression = *parts[0].expression;
  ASSERT_EQ(expression.aggregates().size(), 1u);
  const Aggregate& aggregate = expression.aggregates()[0];
  EXPECT_EQ(aggregate.band, "MasterData1");
  EXPECT_EQ(aggregate.argument->source(), "<ds.\"Ves\">*<ds.\"KolF\">");

  FakeContext context;
  context.setField("ds", "Ves", F(0.5));
  context.setField("ds", "KolF", I(4));
  EXPECT_EQ(aggregate.argument->evaluate(context), F(2));
  context.onSum = [&](const Aggregate& asked) {
    EXPECT_EQ(&asked, &aggregate);
    return F(41);
  };
  EXPECT_EQ(expression.evaluate(context), F(42));
}

TEST(SplitText, EverySumIsListedInOrder) {
  Expression expression = Expression::parse("SUM(<a>, B1) - SUM(<b>, B2) + IIF(1, SUM(1, B3), 0)");
  ASSERT_EQ(expression.aggregates().size(), 3u);
  EXPECT_EQ(expression.aggregates()[0].band, "B1");
  EXPECT_EQ(expression.aggregates()[1].band, "B2");
  EXPECT_EQ(expression.aggregates()[2].argument->source(), "1");
  // A moved expression keeps its aggregates where they were.
  const Aggregate* first = &expression.aggregates()[0];
  Expression moved = Expression::parse("0");
  moved = std::move(expression);
  EXPECT_EQ(&moved.aggregates()[0], first);
}

TEST(SplitText, NumberFormatTagIsSeparatedFromTheExpression) {
  setDecimalSeparator(',');
  FakeContext context;
  const std::vector<TextPart> parts = splitText("[12,345 #n%2,2f]-цена [<v> * 2 #n%2.2f] [Page#]");
  useLocaleDecimalSeparator();
  ASSERT_EQ(parts.size(), 5u);
  EXPECT_EQ(parts[0].numberFormat, "%2,2f");
  EXPECT_EQ(parts[0].expression->evaluate(context), F(12.345));
  EXPECT_EQ(parts[2].expression->source(), "<v> * 2");
  EXPECT_EQ(parts[2].numberFormat, "%2.2f");
  EXPECT_EQ(parts[4].expression->source(), "Page#");
  EXPECT_EQ(parts[4].numberFormat, "");
  // Inside quotes it is text, not a format.
  EXPECT_EQ(splitText("['a #n1']")[0].numberFormat, "");
}

}  // namespace
}  // namespace korvel::expr::test
