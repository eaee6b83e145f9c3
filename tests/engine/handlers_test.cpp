// Script handlers: order of before- and after-print handlers, what they see,
// fresh state per pass, and texts restored after every printing.
#include <gtest/gtest.h>

#include "base/number_text.h"
#include "test_support.h"
#include "vector_dataset.h"

namespace korvel::engine {
namespace {

using testing::itemsNamed;
using testing::VectorDataset;

struct State {
  int lines = 0;
  double pageTotal = 0;
};
std::vector<std::string> logged;  // what the handlers saw, in order
using Script = HandlerTableScript<State>;

const char* const kBands = R"(
  <band name="MD" kind="masterData" height="10" dataset="ds">
    <text name="Cost" onBeforePrint="CostBefore"><l>[ds."Q"]</l></text>
    <text name="Vat" onAfterPrint="VatAfter"><l>[ds."Q" * 2]</l></text>
    <text name="WithVat" onBeforePrint="WithVatBefore" onAfterPrint="WithVatAfter"><l>stored</l></text>
    <text name="Raw" onBeforePrint="RawBefore"/>
  </band>
  <band name="PF" kind="pageFooter" height="10">
    <text name="Total" onBeforePrint="TotalBefore" onAfterPrint="TotalAfter"/>
  </band>
)";

const Script::Table& table() {
  static const Script::Table handlers = {
      {"CostBefore",
       [](State& s, ScriptContext& c) {
         ++s.lines;
         c.setText("cost", "line " + std::to_string(s.lines) + " [x]");
       }},
      {"VatAfter", [](State&, ScriptContext& c) { logged.push_back("VatAfter " + c.text("Vat")); }},
      {"WithVatBefore",
       [](State&, ScriptContext& c) {
         // Objects earlier in the band are already evaluated.
         logged.push_back("WithVatBefore " + c.text("Cost") + " / " + c.text("WithVat"));
         c.setText("WithVat", c.value("vat").toNumber() + 0.5);
       }},
      {"WithVatAfter",
       [](State& s, ScriptContext& c) {
         s.pageTotal += c.value("Vat").toNumber();
         logged.push_back("WithVatAfter");
       }},
      {"RawBefore",
       [](State&, ScriptContext& c) {
         c.setText("Raw", std::string(c.fieldIsNull("ds", "N") ? "null" : "set") + " " +
                              c.field("ds", "N").asText() + "|" + c.variable("V").asText());
       }},
      {"TotalBefore", [](State& s, ScriptContext& c) { c.setText("Total", s.pageTotal); }},
      {"TotalAfter", [](State& s, ScriptContext&) { s.pageTotal = 0; }},
  };
  return handlers;
}

class Handlers : public ::testing::Test {
 protected:
  void SetUp() override {
    setDecimalSeparator(',');
    logged.clear();
    report.bindDataset("ds", &data);
    report.setVariable("V", Value::text("'var'"));
    report.setScript([this] {
      auto script = std::make_unique<Script>(table());
      scripts.push_back(script.get());
      return script;
    });
  }

  Report report = testing::reportWithBands(kBands, "doublePass=\"true\"");
  VectorDataset data{{{"Q", ValueType::Integer}, {"N", ValueType::Text}},
                     {{Value::integer(1), Value()}, {Value::integer(2), Value::text("n")}}};
  std::vector<Script*> scripts;
  void TearDown() override { useLocaleDecimalSeparator(); }
};

std::vector<std::string> texts(const PreparedReport& report, const std::string& name) {
  std::vector<std::string> found;
  for (const PreparedItem& item : itemsNamed(report, name)) found.push_back(item.text);
  return found;
}

TEST_F(Handlers, RunInBandOrderAndSeeEarlierObjects) {
  PreparedReport prepared = report.prepare();
  EXPECT_EQ(texts(prepared, "Cost"), (std::vector<std::string>{"line 1 [x]", "line 2 [x]"}))
      << "a fresh script state for the second pass; handler texts print as given";
  EXPECT_EQ(texts(prepared, "Vat"), (std::vector<std::string>{"2", "4"}));
  EXPECT_EQ(texts(prepared, "WithVat"), (std::vector<std::string>{"2,5", "4,5"}));
  EXPECT_EQ(texts(prepared, "Raw"), (std::vector<std::string>{"null |var", "set n|var"}));
  EXPECT_EQ(texts(prepared, "Total"), std::vector<std::string>{"6"});
}

TEST_F(Handlers, AfterPrintHandlersFollowTheBandAndTextsComeBack) {
  report.options.doublePass = false;
  TextObject& cost = report.findText("Cost");
  report.evaluate(report.findText("Vat"));
  report.prepare();
  EXPECT_EQ(logged,
            (std::vector<std::string>{"WithVatBefore line 1 [x] / stored", "VatAfter 2", "WithVatAfter",
                                      "WithVatBefore line 2 [x] / stored", "VatAfter 2", "WithVatAfter"}));
  EXPECT_EQ(scripts.size(), 1u);
  EXPECT_EQ(cost.text(), "[ds.\"Q\"]");
  EXPECT_FALSE(cost.literal);
  EXPECT_EQ(report.findText("WithVat").text(), "stored");
  EXPECT_EQ(report.findText("Raw").text(), "");
  EXPECT_FALSE(report.findText("Vat").value) << "no object keeps a value";
  EXPECT_EQ(report.findText("Vat").text(), "2") << "the text fixed by the evaluation stays";
  EXPECT_EQ(report.findVariable("V")->value, Value::text("'var'"));
}

TEST_F(Handlers, FailuresStopThePreparationAndLeaveTheTemplateAsItWas) {
  report.setScript([] {
    static const Script::Table failing = {{"CostBefore", [](State&, ScriptContext& c) {
                                             c.setText("Cost", "changed");
                                             c.text("nothing");
                                           }}};
    return std::make_unique<Script>(failing);
  });
  EXPECT_THROW(report.prepare(), EReportError);
  EXPECT_EQ(report.findText("Cost").text(), "[ds.\"Q\"]");

  report.setScript({});
  try {
    report.prepare();
    FAIL();
  } catch (const EReportError& e) {
    EXPECT_STREQ(e.what(), "Cost: the report has no script for handler 'CostBefore'");
  }
}

}  // namespace
}  // namespace korvel::engine
