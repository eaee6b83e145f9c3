// The waybill template laid out over sample documents: how many sheets
// each part takes, and what repeats or is numbered on them.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/storage.h"
#include "report/script/waybill_script.h"
#include "report/waybill_template.h"
#include "sample_waybill.h"

namespace korvel::report {
namespace {

using engine::PreparedItem;
using engine::PreparedPage;
using engine::PreparedReport;

class WaybillLayout : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "layout_test";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) static QGuiApplication application(argc, argv);
  }

  // Prepares the template over a sample document, with the producer line
  // the form sets and without the pricing script.
  PreparedReport prepare(int lineCount, const std::string& consignor = "",
                         engine::ScriptFactory script = testing::silentScript()) {
    report_ = engine::loadReport(waybillTemplateXml());
    sample_ = testing::makeSampleWaybill(lineCount, consignor);
    sample_->bindTo(report_);
    report_.setScript(std::move(script));
    testing::setProducerLine(report_);
    return report_.prepare();
  }

  engine::Report report_;
  std::unique_ptr<testing::SampleWaybill> sample_;
};

// The sheets (0-based indexes) that hold anything of the given report page.
std::vector<std::size_t> sheetsOf(const PreparedReport& prepared, const std::string& page) {
  std::vector<std::size_t> sheets;
  for (std::size_t i = 0; i < prepared.pages.size(); ++i)
    if (std::ranges::any_of(prepared.pages[i].items,
                            [&](const PreparedItem& item) { return item.page == page; }))
      sheets.push_back(i);
  return sheets;
}

std::vector<const PreparedItem*> itemsNamed(const PreparedPage& sheet, const std::string& name) {
  std::vector<const PreparedItem*> items;
  for (const auto& item : sheet.items)
    if (item.name == name) items.push_back(&item);
  return items;
}

std::string textOf(const PreparedPage& sheet, const std::string& name) {
  auto items = itemsNamed(sheet, name);
  EXPECT_EQ(items.size(), 1u) << name;
  return items.empty() ? std::string() : items.front()->text;
}

TEST_F(WaybillLayout, OrdinaryDocumentPutsTheNoteOnOneSheet) {
  PreparedReport prepared = prepare(5);
  ASSERT_EQ(prepared.pages.size(), 2u);
  EXPECT_EQ(sheetsOf(prepared, "CapPage"), std::vector<std::size_t>{0});
  EXPECT_EQ(sheetsOf(prepared, "SpecPage"), std::vector<std::size_t>{1});
  const PreparedPage& note = prepared.pages[0];
  // Starts with the top line and ends with section III's documents line.
  EXPECT_EQ(textOf(note, "cp_Memo338"), "ОАО \"Молочный мир\"");
  ASSERT_EQ(itemsNamed(note, "cp_Line23").size(), 1u);
  EXPECT_LE(itemsNamed(note, "cp_Line23").front()->topMm, note.heightMm - 10);
  EXPECT_EQ(textOf(note, "cp_Memo389"), "1");  // appendix sheets
}

TEST_F(WaybillLayout, VeryLongConsignorPushesTheNoteOntoASecondSheet) {
  std::string consignor;
  for (int i = 0; i < 40; ++i) consignor += "Открытое акционерное общество \"Молочный мир\" ";
  PreparedReport prepared = prepare(5, consignor);
  EXPECT_EQ(sheetsOf(prepared, "CapPage"), (std::vector<std::size_t>{0, 1}));
  // The first sheet still starts with the top line; the second begins
  // with the page header again and ends with section III.
  EXPECT_EQ(itemsNamed(prepared.pages[0], "cp_Memo338").size(), 1u);
  EXPECT_EQ(itemsNamed(prepared.pages[1], "cp_Memo2").size(), 1u);
  EXPECT_EQ(itemsNamed(prepared.pages[1], "cp_Memo276").size(), 1u);
  EXPECT_TRUE(itemsNamed(prepared.pages[0], "cp_Memo276").empty());
}

TEST_F(WaybillLayout, OneLineDocumentGivesTwoSheets) {
  PreparedReport prepared = prepare(1);
  ASSERT_EQ(prepared.pages.size(), 2u);
  EXPECT_EQ(textOf(prepared.pages[0], "cp_Memo389"), "1");
  EXPECT_EQ(textOf(prepared.pages[1], "Memo1"), "1");  // the line's number
}

TEST_F(WaybillLayout, SpecificationSheetsRepeatTheHeaderAndCountFromOne) {
  PreparedReport prepared = prepare(25);
  const std::vector<std::size_t> spec = sheetsOf(prepared, "SpecPage");
  ASSERT_EQ(spec.size(), 3u);
  EXPECT_EQ(textOf(prepared.pages[0], "cp_Memo389"), "3");
  int lines = 0;
  for (std::size_t i = 0; i < spec.size(); ++i) {
    const PreparedPage& sheet = prepared.pages[spec[i]];
    const std::string number = std::to_string(i + 1);
    EXPECT_EQ(textOf(sheet, "NazvTabl"), "I. ТОВАРНЫЙ РАЗДЕЛ") << number;
    EXPECT_EQ(itemsNamed(sheet, "Memo8").size(), 1u) << "column header on sheet " << number;
    EXPECT_EQ(textOf(sheet, "Memo388"), number);  // header's sheet number
    EXPECT_EQ(textOf(sheet, "Memo391"), number);  // footer's sheet number
    lines += static_cast<int>(itemsNamed(sheet, "Memo1").size());
  }
  EXPECT_EQ(lines, 25);
}

// The footer's sums cover the lines of their own sheet only: every sample
// line has one place, so the sheet's places equal its lines.
TEST_F(WaybillLayout, SheetTotalsCoverTheSheetsOwnLines) {
  PreparedReport prepared = prepare(25);
  for (std::size_t index : sheetsOf(prepared, "SpecPage")) {
    const PreparedPage& sheet = prepared.pages[index];
    EXPECT_EQ(textOf(sheet, "Memo395"), std::to_string(itemsNamed(sheet, "Memo1").size())) << sheet.number;
  }
}

// The pricing script knows every handler the template binds and finds
// every object it addresses: a long document prepares with it, and each
// sheet of the specification still has its header and its line blocks.
TEST_F(WaybillLayout, PreparesWithThePricingScript) {
  PreparedReport prepared = prepare(25, "", script::waybillScript());
  const std::vector<std::size_t> spec = sheetsOf(prepared, "SpecPage");
  ASSERT_GE(spec.size(), 2u);
  std::size_t lines = 0;
  for (std::size_t index : spec) {
    const PreparedPage& sheet = prepared.pages[index];
    EXPECT_EQ(itemsNamed(sheet, "NazvTabl").size(), 1u) << sheet.number;
    for (const auto* name : itemsNamed(sheet, "Memo59"))
      EXPECT_NE(name->text.find_first_not_of(' '), std::string::npos) << sheet.number;
    lines += itemsNamed(sheet, "Memo59").size();
  }
  EXPECT_EQ(lines, 25u);
}

}  // namespace
}  // namespace korvel::report
