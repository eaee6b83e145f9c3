// Pagination: sheets, page header and footer, SUM per sheet, Line, Page,
// Page# and TotalPages, pages of the report on new sheets.
#include <gtest/gtest.h>

#include "test_support.h"
#include "vector_dataset.h"

namespace korvel::engine {
namespace {

using testing::itemsNamed;
using testing::VectorDataset;

const char* const kBands = R"(
  <band name="Title" kind="reportTitle" height="20"><text name="titleText" width="190" height="5"><l>Title</l></text></band>
  <band name="Header" kind="pageHeader" height="10">
    <text name="sheet" width="50" height="5"><l>Sheet [Page#] of [TotalPages]</l></text>
  </band>
  <band name="MD" kind="masterData" height="50" dataset="ds">
    <text name="row" width="50" height="5"><l>[Line]: [ds."Q"]</l></text>
  </band>
  <band name="Footer" kind="pageFooter" height="10">
    <text name="total" width="50" height="5"><l>[SUM(&lt;ds."Q"&gt;, MD)] on [Page]</l></text>
  </band>
  <band name="Summary" kind="reportSummary" height="5"><text name="end" width="50" height="5"><l>end</l></text></band>
)";

VectorDataset records(int count) {
  std::vector<std::vector<Value>> rows;
  for (int i = 1; i <= count; ++i) rows.push_back({Value::integer(i)});
  return VectorDataset({{"Q", ValueType::Integer}}, rows);
}

std::vector<std::string> texts(const PreparedReport& report, const std::string& name) {
  std::vector<std::string> found;
  for (const PreparedItem& item : itemsNamed(report, name)) found.push_back(item.text);
  return found;
}

TEST(Pagination, BandsThatDoNotFitMoveToANewSheetWithTheHeader) {
  Report report = testing::reportWithBands(kBands, "doublePass=\"true\"");
  VectorDataset data = records(12);
  report.bindDataset("ds", &data);
  PreparedReport prepared = report.prepare();

  // Title 20 + header 10 leave room for 4 rows of 50 above the footer on
  // the first sheet; later sheets hold 5.
  ASSERT_EQ(prepared.pages.size(), 3u);
  EXPECT_EQ(texts(prepared, "sheet"),
            (std::vector<std::string>{"Sheet 1 of 3", "Sheet 2 of 3", "Sheet 3 of 3"}));
  EXPECT_EQ(texts(prepared, "total"), (std::vector<std::string>{"10 on 1", "35 on 2", "33 on 3"}));
  EXPECT_EQ(texts(prepared, "titleText"), std::vector<std::string>{"Title"});
  EXPECT_EQ(texts(prepared, "end"), std::vector<std::string>{"end"});
  std::vector<std::string> rows = texts(prepared, "row");
  ASSERT_EQ(rows.size(), 12u);
  EXPECT_EQ(rows.front(), "1: 1");
  EXPECT_EQ(rows.back(), "12: 12");

  for (const PreparedPage& page : prepared.pages) {
    EXPECT_EQ(page.widthMm, 210);
    EXPECT_EQ(page.heightMm, 297);
    for (const PreparedItem& item : page.items) {
      if (item.name == "sheet") {
        EXPECT_EQ(item.topMm, page.number == 1 ? 30 : 10);
      } else if (item.name == "total") {
        EXPECT_EQ(item.topMm, 297 - 10 - 10) << "footer at the bottom";
      } else if (item.name == "row") {
        EXPECT_LE(item.topMm + 50, 277 + 1e-9);
      }
    }
  }
  EXPECT_EQ(prepared.pages[2].items.back().name, "total") << "the footer closes the last sheet too";
}

TEST(Pagination, TotalPagesIsKnownOnlyWithTwoPasses) {
  Report report = testing::reportWithBands(kBands);
  VectorDataset data = records(1);
  report.bindDataset("ds", &data);
  EXPECT_EQ(texts(report.prepare(), "sheet"), std::vector<std::string>{"Sheet 1 of 0"});
  report.options.doublePass = true;
  EXPECT_EQ(texts(report.prepare(), "sheet"), std::vector<std::string>{"Sheet 1 of 1"});
}

TEST(Pagination, EachPageStartsOnANewSheetAndSheetsAreNumberedThroughout) {
  Report report = loadReport(R"(<report doublePass="true"><datasets><dataset name="ds"/></datasets>
    <page name="First"><band name="T" kind="reportTitle" height="20"><text name="firstText"><l>[Page] [TotalPages]</l></text></band></page>
    <page name="Second">
      <band name="H" kind="pageHeader" height="5"><text name="headerText"><l>Лист [&lt;Page&gt;-1]</l></text></band>
      <band name="D" kind="masterData" height="100" dataset="ds"><text name="dataText"><l>[ds."Q"]</l></text></band>
    </page></report>)");
  VectorDataset data = records(3);
  report.bindDataset("ds", &data);
  PreparedReport prepared = report.prepare();
  ASSERT_EQ(prepared.pages.size(), 3u);
  EXPECT_EQ(texts(prepared, "firstText"), std::vector<std::string>{"1 3"});
  EXPECT_EQ(texts(prepared, "headerText"), (std::vector<std::string>{"Лист 1", "Лист 2"}));
  EXPECT_EQ(prepared.pages[1].items.front().page, "Second");
  EXPECT_EQ(prepared.pages[2].number, 3);
}

TEST(Pagination, NoRecordsMeansNoDataBandsAndEmptySums) {
  Report report = testing::reportWithBands(kBands);
  VectorDataset data = records(0);
  report.bindDataset("ds", &data);
  PreparedReport prepared = report.prepare();
  ASSERT_EQ(prepared.pages.size(), 1u);
  EXPECT_TRUE(texts(prepared, "row").empty());
  EXPECT_EQ(texts(prepared, "total"), std::vector<std::string>{"0 on 1"});
}

TEST(Pagination, ABandTallerThanASheetStillPrints) {
  Report report = testing::reportWithBands(
      R"(<band name="MD" kind="masterData" height="400" dataset="ds"><text name="row"><l>[ds."Q"]</l></text></band>)");
  VectorDataset data = records(2);
  report.bindDataset("ds", &data);
  EXPECT_EQ(report.prepare().pages.size(), 2u);
}

TEST(Pagination, UnboundDatasetIsAnError) {
  Report report = testing::reportWithBands(kBands);
  EXPECT_THROW(report.prepare(), EReportError);
}

}  // namespace
}  // namespace korvel::engine
