// Expressions in texts, value formatting, variables and evaluation of one
// object outside a preparation.
#include <gtest/gtest.h>

#include "base/exception.h"
#include "base/number_text.h"
#include "test_support.h"
#include "vector_dataset.h"

namespace korvel::engine {
namespace {

using testing::VectorDataset;

DateTime date(int y, int m, int d, int hh = 0, int mm = 0, int ss = 0) {
  return DateTime{y, m, d, hh, mm, ss, 0};
}

class Expressions : public ::testing::Test {
 protected:
  void SetUp() override { setDecimalSeparator(','); }
  void TearDown() override { useLocaleDecimalSeparator(); }

  VectorDataset data{{{"F", ValueType::Float},
                      {"I", ValueType::Integer},
                      {"T", ValueType::Text},
                      {"D", ValueType::DateTime},
                      {"B", ValueType::Boolean},
                      {"Zero", ValueType::Float}},
                     {{Value(), Value(), Value(), Value(), Value(), Value()},
                      {Value::floating(2.5), Value::integer(3), Value::text("x [y]"),
                       Value::dateTime(date(2024, 3, 5)), Value::boolean(true), Value::floating(0)}}};

  std::string evaluated(const std::string& textAttributes, const std::string& text,
                        bool firstRecord = false) {
    Report report =
        testing::reportWithBands("<band name=\"b\" kind=\"reportTitle\" height=\"10\"><text name=\"t\" " +
                                 textAttributes + "/></band>");
    report.bindDataset("ds", &data);
    data.first();
    if (!firstRecord) data.next();
    TextObject& object = report.findText("T");
    object.setText(text);
    report.evaluate(object);
    return object.text();
  }
};

TEST_F(Expressions, ValuesPrintInTheirFormats) {
  struct Case {
    const char* attributes;
    const char* text;
    const char* expected;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"", "[ds.\"F\"]", "2,5"},
           {"", "<[ds.\"I\"]>", "<3>"},
           {"", "[<ds.\"F\"> * 2] and [ds.\"I\"]", "5 and 3"},
           {"format=\"%2.2f\" decimalSeparator=\".\"", "[ds.\"F\"]", "2.50"},
           {"format=\"%2.2f\" decimalSeparator=\",\"", "[ds.\"I\"]", "3,00"},
           {"format=\"%2.2f\"", "[ds.\"F\"]", "2,50"},
           {"hideZeros=\"true\"", "a[ds.\"Zero\"]b", "ab"},
           {"format=\"%2.2f\" hideZeros=\"true\"", "[ds.\"Zero\"]", ""},
           {"", "[ds.\"Zero\"]", "0"},
           {"", "[ds.\"D\"]", "05.03.2024"},
           {"", "[ds.\"B\"]", "True"},
           {"", "[ds.\"T\"]", "x [y]"},
           {"", "[IIF(<ds.\"I\"> > 2, 'big', 'small')]", "big"},
           {"", "line 1\r\n[ds.\"I\"]", "line 1\r\n3"},
       })
    EXPECT_EQ(evaluated(c.attributes, c.text), c.expected) << c.text;
}

TEST_F(Expressions, NullFieldsReadByTheirType) {
  EXPECT_EQ(evaluated("", "[ds.\"F\"]|[ds.\"I\"]|[ds.\"T\"]|[ds.\"B\"]|[ds.\"D\"]", true), "0|0||False|");
}

TEST_F(Expressions, DateTimesAndTimePrintWithTheirTime) {
  Report report = testing::reportWithBands(
      "<band name=\"b\" kind=\"reportTitle\" height=\"10\"><text name=\"t\"><l>[Time]</l></text></band>");
  report.setClock([] { return date(2024, 3, 5, 13, 4, 5); });
  TextObject& time = report.findText("t");
  report.evaluate(time);
  EXPECT_EQ(time.text(), "13:04:05");

  VectorDataset moment({{"D", ValueType::DateTime}}, {{Value::dateTime(date(2024, 12, 31, 23, 59, 1))}});
  report.bindDataset("ds", &moment);
  time.setText("[ds.\"D\"]");
  report.evaluate(time);
  EXPECT_EQ(time.text(), "31.12.2024 23:59:01");
}

TEST_F(Expressions, ErrorsNameTheObjectAndQuoteTheExpression) {
  for (const char* text : {"[1 +]", "[unclosed", "[ds.\"Missing\"]", "[NoSuchVariable]"}) {
    try {
      evaluated("", text);
      ADD_FAILURE() << "accepted " << text;
    } catch (const EReportError& e) {
      EXPECT_EQ(std::string(e.what()).rfind("t: ", 0), 0u) << e.what();
    }
  }
}

TEST_F(Expressions, LiteralTextsPrintExactly) {
  Report report = testing::reportWithBands(
      "<band name=\"b\" kind=\"reportTitle\" height=\"10\"><text name=\"t\" literal=\"true\"><l>[not an "
      "expression</l></text><text name=\"u\"/></band>");
  EXPECT_EQ(testing::onlyItem(report.prepare(), "t").text, "[not an expression");
  report.findText("u").setLiteralText("a [b] c");
  EXPECT_EQ(testing::onlyItem(report.prepare(), "u").text, "a [b] c");
}

TEST_F(Expressions, EvaluationFixesTheTextAndKeepsTheLastValue) {
  Report report = testing::reportWithBands(
      "<band name=\"b\" kind=\"reportTitle\" height=\"10\"><text name=\"t\" format=\"%2.2f\" "
      "decimalSeparator=\",\"><l>[ds.\"I\"] [ds.\"T\"] [ds.\"F\"]</l></text></band>");
  report.bindDataset("ds", &data);
  data.first();
  data.next();
  TextObject& t = report.findText("t");
  report.evaluate(t);
  EXPECT_EQ(t.text(), "3,00 x [y] 2,50");
  EXPECT_EQ(t.value, Value::floating(2.5));
  // The brackets that came with the data are not expressions when it prints.
  PreparedReport prepared = report.prepare();
  EXPECT_EQ(testing::onlyItem(prepared, "t").text, "3,00 x [y] 2,50");
  EXPECT_EQ(t.text(), "3,00 x [y] 2,50");
  EXPECT_FALSE(t.value.has_value()) << "a preparation leaves no value behind";
}

TEST_F(Expressions, VariablesResolveAndNewOnesStayOutsideCategories) {
  Report report = loadReport(R"(<report><variables>
      <category name=" first"/><variable name="Flag" value="'1'"/><variable name="Empty"/>
      <category name=" second"/><variable name="Expr" value="&lt;Flag&gt; + 'x'"/>
    </variables><page name="P"><band name="b" kind="reportTitle" height="10"><text name="t"/></band></page></report>)");
  TextObject& t = report.findText("t");
  t.setText("[Flag]|[<Empty>]|[Expr]|[Added]|[cp_Number + 1]");
  report.setVariable("ADDED", Value::text("'new'"));
  report.setVariable("cp_Number", Value::integer(41));
  report.setVariable("flag", Value::text("'0'"));
  report.evaluate(t);
  EXPECT_EQ(t.text(), "0||0x|new|42");

  PreparedReport prepared = report.prepare();
  std::vector<std::pair<std::string, std::string>> listed;
  for (const PreparedVariable& v : prepared.variables) listed.emplace_back(v.name, v.category);
  EXPECT_EQ(
      listed,
      (std::vector<std::pair<std::string, std::string>>{
          {"ADDED", ""}, {"cp_Number", ""}, {"Flag", "first"}, {"Empty", "first"}, {"Expr", "second"}}));
  EXPECT_EQ(report.findVariable("flag")->value, Value::text("'0'"));
  EXPECT_THROW(report.setVariable(" x", Value()), EReportError);
}

TEST_F(Expressions, ObjectsAreFoundWithoutRegardToCase) {
  Report report = testing::reportWithBands(
      "<band name=\"Band1\" kind=\"reportTitle\" height=\"10\"><text name=\"cp_Memo1\"/>"
      "<line name=\"Line1\"/></band>");
  EXPECT_EQ(&report.findText("CP_MEMO1"), &report.findText("cp_memo1"));
  auto message = [&](const char* name) {
    try {
      report.findText(name);
    } catch (const EReportError& e) {
      return std::string(e.what());
    }
    return std::string();
  };
  EXPECT_EQ(message("nothing"), "nothing: object not found");
  EXPECT_EQ(message("line1"), "line1: not a text object");
  EXPECT_EQ(message("band1"), "band1: not a text object");
}

TEST_F(Expressions, TextsJoinLinesWithCrLf) {
  TextObject t;
  t.setText("a\r\nb\nc\r\r\n");
  EXPECT_EQ(t.lines, (std::vector<std::string>{"a", "b", "c", "", ""}));
  EXPECT_EQ(t.text(), "a\r\nb\r\nc\r\n\r\n");
  t.setText("");
  EXPECT_TRUE(t.lines.empty());
  EXPECT_EQ(t.text(), "");
}

}  // namespace
}  // namespace korvel::engine
