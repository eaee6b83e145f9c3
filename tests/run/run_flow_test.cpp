// Run as a whole: the first error ends it with no preview and is reported
// once; a document without lines; the trial preparation leaves nothing in
// the preview; every demo document prepares (and renders, when asked).
#include "engine/output.h"
#include "tests/run/run_fixture.h"

namespace korvel::testing {
namespace {

using RunFlowTest = RunTest;

std::string variableOf(const RunOutcome& outcome, const std::string& name) {
  const auto* entry = outcome.form->frxReport2.findVariable(name);
  if (!entry || !entry->value) return "<none>";
  return entry->value->asText();
}

TEST_F(RunFlowTest, AFailingPowerOfAttorneyLookUpEndsRunAfterStepEleven) {
  form::Settings settings = typicalSettings();
  settings.Agreement = "Договор № 7";
  settings.Face3 = true;
  settings.MOLGruzPoluch = "Сидоров";
  const auto outcome = run(settings, "DROP TABLE tbDover");
  ASSERT_EQ(outcome.errors.size(), 1u);
  EXPECT_TRUE(outcome.errors[0].starts_with("EDBEngineError: ")) << outcome.errors[0];
  EXPECT_FALSE(outcome.preview.has_value());

  engine::Report& report = outcome.form->frxReport2;
  EXPECT_EQ(variableOf(outcome, "cp_Agreement"), "'Договор № 7'");
  EXPECT_EQ(variableOf(outcome, "cp_RecCount"), "'2'");
  EXPECT_EQ(variableOf(outcome, "forSumNDS_1"), "'-1'");
  EXPECT_EQ(variableOf(outcome, "cp_IdTrCheck"), "'0'");
  EXPECT_EQ(variableOf(outcome, "cp_IdF3Check"), "'1'");
  EXPECT_EQ(variableOf(outcome, "Pr_ONds"), "<none>") << "step 25 did not run";
  EXPECT_EQ(report.findText("cp_Memo291").text(),
            "товаровед"
            "Сидоров");
  EXPECT_EQ(report.findText("cp_Memo118").text(), "");
  EXPECT_EQ(report.findText("cp_Zakazchik").text(), "") << "step 13 did not run";
  EXPECT_EQ(report.findText("cp_SumNDS_1").text(),
            "[<frxDatasetPrCap.\"SumIncNDS\">+<frxDatasetPrCap.\"SumNDS\">]");
}

TEST_F(RunFlowTest, ExtraWeightThatIsNoNumberEndsRunWithAConversionError) {
  form::Settings settings = typicalSettings();
  settings.VesTr = "1.5";  // the point where the system writes a comma
  const auto outcome = run(settings, "", ',');
  ASSERT_EQ(outcome.errors.size(), 1u);
  EXPECT_TRUE(outcome.errors[0].starts_with("EConvertError: '1.5'")) << outcome.errors[0];
  EXPECT_FALSE(outcome.preview.has_value());
  EXPECT_EQ(outcome.form->frxReport2.findText("cp_Memo338").text(), "[frxDatasetPrCap.\"NamePlatSkl\"]");
}

TEST_F(RunFlowTest, DocumentWithoutLinesStillPrints) {
  const auto outcome = runClean(typicalSettings(), "DELETE FROM PrintString WHERE IdDoc = 900");
  EXPECT_EQ(outcome.variable("cp_RecCount").value()["value"], "'0'");
  EXPECT_EQ(outcome.text("cp_Memo92"), "0");
  EXPECT_EQ(outcome.pageCount(), 2);
  EXPECT_TRUE(outcome.texts("Memo300").empty());
  EXPECT_EQ(outcome.text("cp_Stoimost"), "500,00");
  EXPECT_EQ(outcome.text("cp_SummNDS"), "100,00");
  EXPECT_EQ(outcome.text("NumNakl"), "0012345");
}

// The preview holds the final preparation only, and the template keeps
// what Run wrote (as the designer shows it).
TEST_F(RunFlowTest, TrialPreparationLeavesNothingBehind) {
  const auto outcome = runClean(typicalSettings());
  ASSERT_EQ(outcome.pageCount(), 2);
  const auto pages = (*outcome.preview)["pages"].toArray();
  EXPECT_EQ(pages[0].toObject()["number"], 1);
  EXPECT_EQ(pages[1].toObject()["number"], 2);
  EXPECT_EQ(outcome.texts("Memo1"), (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(outcome.texts("cp_SumNDS_1").size(), 1u);

  engine::Report& report = outcome.form->frxReport2;
  EXPECT_EQ(report.findText("cp_SumNDS_1").text(), outcome.text("cp_SumNDS_1"));
  EXPECT_EQ(report.findText("Memo88").text(), "[frxDatasetPrStr.\"EdIz\"]");
  EXPECT_TRUE(report.modified());
  for (const auto& prepared : (*outcome.preview)["variables"].toArray()) {
    const auto name = prepared.toObject()["name"].toString().toStdString();
    const auto* entry = report.findVariable(name);
    ASSERT_NE(entry, nullptr) << name;
    EXPECT_EQ(prepared.toObject()["value"].isNull(), !entry->value || entry->value->isNull()) << name;
  }
}

TEST_F(RunFlowTest, EveryDemoDocumentPrepares) {
  const auto folder = renderFolder();
  for (int idDoc : {101, 102, 103, 104, 105, 106, 107, 108}) {
    SCOPED_TRACE(idDoc);
    form::Settings settings = typicalSettings();
    settings.IdDoc = idDoc;
    settings.Face3 = idDoc == 105;
    const auto outcome = runClean(settings);
    EXPECT_GE(outcome.pageCount(), 2);
    if (!folder) continue;
    const engine::PreparedReport prepared = outcome.form->frxReport2.prepare();
    for (std::size_t page = 0; page < prepared.pages.size(); ++page)
      engine::writePng(
          prepared, page,
          (*folder / ("demo_" + std::to_string(idDoc) + "_" + std::to_string(page + 1) + ".png")).string(),
          110);
  }
}

}  // namespace
}  // namespace korvel::testing
