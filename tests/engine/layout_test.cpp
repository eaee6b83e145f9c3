// Band layout: word wrap, growth, shift modes, band growth, neighbour
// alignment and auto width.
#include <gtest/gtest.h>

#include "engine/text_metrics.h"
#include "test_support.h"

namespace korvel::engine {
namespace {

using testing::onlyItem;

const char* const kLongText = "one two three four five six seven eight nine ten eleven twelve";

TEST(Layout, WordWrapBreaksAtBlanksAndInsideOverlongWords) {
  TextMetrics metrics;
  Font font{"Arial", 8, false};
  const double width = 20;
  const auto& lines = metrics.wrap(kLongText, font, width);
  ASSERT_GT(lines.size(), 2u);
  std::string rejoined;
  for (const std::string& line : lines) {
    EXPECT_LE(metrics.widthMm(line, font), width);
    EXPECT_FALSE(line.empty());
    EXPECT_NE(line.front(), ' ');
    rejoined += (rejoined.empty() ? "" : " ") + line;
  }
  EXPECT_EQ(rejoined, kLongText);

  const auto& broken = metrics.wrap("Грузоотправительгрузополучатель", font, 10);
  ASSERT_GT(broken.size(), 1u);
  std::string whole;
  for (const std::string& line : broken) whole += line;
  EXPECT_EQ(whole, "Грузоотправительгрузополучатель");
  EXPECT_EQ(metrics.wrap("fits", font, 100), std::vector<std::string>{"fits"});
  EXPECT_EQ(metrics.wrap("x", font, 0), std::vector<std::string>{"x"}) << "at least one character per line";
}

TEST(Layout, FontsResolveToMetricCompatibleFaces) {
  TextMetrics metrics;
  // Liberation Sans and Serif have the advance widths of Arial and Times
  // New Roman; 9 pt is 12 px at 96 dpi, and 7 pt prints as 9 px.
  EXPECT_NEAR(metrics.widthMm("0123456789", Font{"Arial", 9, false}), 10 * 0.556 * 12 * 25.4 / 96, 0.05);
  EXPECT_NEAR(metrics.widthMm("0123456789", Font{"Times New Roman", 9, false}), 10 * 0.5 * 12 * 25.4 / 96,
              0.05);
  EXPECT_NEAR(metrics.widthMm("0123456789", Font{"Arial", 7, false}), 10 * 0.556 * 9 * 25.4 / 96, 0.05);
}

std::string growBand(bool grows) {
  return std::string("<band name=\"b\" kind=\"reportTitle\" height=\"20\" grows=\"") +
         (grows ? "true" : "false") +
         "\">"
         "<text name=\"grower\" left=\"10\" top=\"2\" width=\"20\" height=\"4\" font=\"Arial\" size=\"8\" "
         "grow=\"true\"><l>" +
         kLongText +
         "</l></text>"
         "<text name=\"below\" left=\"100\" top=\"6\" width=\"20\" height=\"4\"/>"
         "<text name=\"apart\" left=\"100\" top=\"6\" width=\"20\" height=\"4\" shift=\"overlapped\"/>"
         "<text name=\"under\" left=\"15\" top=\"8\" width=\"20\" height=\"4\" shift=\"overlapped\"/>"
         "<text name=\"chained\" left=\"100\" top=\"12\" width=\"20\" height=\"4\" shift=\"overlapped\"/>"
         "<text name=\"fixed\" left=\"10\" top=\"14\" width=\"20\" height=\"4\" shift=\"fixed\"/>"
         "<text name=\"beside\" left=\"40\" top=\"3\" width=\"20\" height=\"4\"/>"
         "<line name=\"rule\" left=\"0\" top=\"18\" width=\"190\" height=\"0\"/>"
         "</band><band name=\"next\" kind=\"reportSummary\" height=\"5\"><text name=\"after\"/></band>";
}

TEST(Layout, GrowingObjectsPushObjectsBelowByShiftMode) {
  Report report = testing::reportWithBands(growBand(true));
  PreparedReport prepared = report.prepare();
  PreparedItem grower = onlyItem(prepared, "grower");
  double growth = grower.heightMm - 4;
  ASSERT_GT(growth, 4) << "the long text needs several lines";
  EXPECT_GT(grower.lines.size(), 3u);
  EXPECT_EQ(grower.text, kLongText);

  EXPECT_NEAR(onlyItem(prepared, "below").topMm, 10 + 6 + growth, 1e-9);
  EXPECT_NEAR(onlyItem(prepared, "apart").topMm, 10 + 6, 1e-9) << "no overlap with the grown object";
  EXPECT_NEAR(onlyItem(prepared, "under").topMm, 10 + 8 + growth, 1e-9);
  EXPECT_NEAR(onlyItem(prepared, "chained").topMm, 10 + 12 + growth, 1e-9)
      << "pushed on by 'below', which moved";
  EXPECT_NEAR(onlyItem(prepared, "fixed").topMm, 10 + 14, 1e-9);
  EXPECT_NEAR(onlyItem(prepared, "beside").topMm, 10 + 3, 1e-9) << "not wholly below";
  EXPECT_NEAR(onlyItem(prepared, "rule").topMm, 10 + 18 + growth, 1e-9);
  EXPECT_NEAR(onlyItem(prepared, "after").topMm, 10 + 20 + growth, 1e-9)
      << "the band grew, keeping its bottom gap";
  EXPECT_NEAR(onlyItem(prepared, "grower").leftMm, 20, 1e-9) << "left margin added";
}

TEST(Layout, BandsThatDoNotGrowKeepTheirHeightAndObjectsStayPut) {
  Report report = testing::reportWithBands(growBand(false));
  PreparedReport prepared = report.prepare();
  EXPECT_GT(onlyItem(prepared, "grower").heightMm, 8);
  EXPECT_NEAR(onlyItem(prepared, "below").topMm, 16, 1e-9);
  EXPECT_NEAR(onlyItem(prepared, "after").topMm, 30, 1e-9);
}

TEST(Layout, ObjectsNeverBecomeLowerThanDesigned) {
  Report report = testing::reportWithBands(
      "<band name=\"b\" kind=\"reportTitle\" height=\"20\" grows=\"true\"><text name=\"t\" width=\"50\" "
      "height=\"9\" grow=\"true\"><l>short</l></text></band>");
  EXPECT_EQ(onlyItem(report.prepare(), "t").heightMm, 9);
}

TEST(Layout, NeighbourAlignmentAndAutoWidth) {
  Report report = testing::reportWithBands(
      "<band name=\"b\" kind=\"reportSummary\" height=\"20\">"
      "<text name=\"caption\" left=\"96\" top=\"21\" width=\"24\" height=\"3.5\" size=\"7\"><l>По "
      "доверенности "
      "№</l></text>"
      "<text name=\"number\" left=\"120\" top=\"21\" width=\"8\" height=\"3.5\" size=\"7\" "
      "autoWidth=\"true\"/>"
      "<text name=\"rest\" left=\"128\" top=\"21\" width=\"62\" height=\"3.5\" size=\"7\" grow=\"true\" "
      "neighbour=\"followsLeft\"><l>от 01.02.2024</l></text>"
      "<text name=\"first\" left=\"5\" top=\"0\" width=\"10\" height=\"3\" neighbour=\"followsLeft\"/>"
      "<text name=\"label\" left=\"1\" top=\"5\" width=\"24\" height=\"3.5\" neighbour=\"endsAtRight\"/>"
      "<text name=\"box\" left=\"30\" top=\"4\" width=\"37\" height=\"6.5\"/>"
      "<text name=\"last\" left=\"150\" top=\"5\" width=\"20\" height=\"3\" neighbour=\"endsAtRight\"/>"
      "</band>");
  TextObject& number = report.findText("number");
  for (const char* text : {"1234567", ""}) {
    number.setText(text);
    PreparedReport prepared = report.prepare();
    PreparedItem placed = onlyItem(prepared, "number"), rest = onlyItem(prepared, "rest");
    TextMetrics metrics;
    EXPECT_NEAR(placed.widthMm, metrics.widthMm(text, Font{"Arial", 7, false}) + 2 * kTextGapXMm, 1e-9);
    EXPECT_NEAR(rest.leftMm, placed.leftMm + placed.widthMm, 1e-9) << "follows its left neighbour";
    EXPECT_EQ(rest.widthMm, 62);
  }
  PreparedReport prepared = report.prepare();
  EXPECT_NEAR(onlyItem(prepared, "first").leftMm, 10, 1e-9) << "band's left edge";
  EXPECT_NEAR(onlyItem(prepared, "label").leftMm, 10 + 30 - 24, 1e-9)
      << "ends where its right neighbour starts";
  EXPECT_NEAR(onlyItem(prepared, "last").leftMm, 10 + 190 - 20, 1e-9) << "band's right edge";
}

}  // namespace
}  // namespace korvel::engine
