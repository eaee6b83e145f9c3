// Outputs: the JSON dump, PNG and PDF files, and the printer error.
#include <gtest/gtest.h>
#include <QImage>
#include <QPrinterInfo>
#include <filesystem>
#include <fstream>

#include "engine/output.h"
#include "test_support.h"

namespace korvel::engine {
namespace {

Report smallReport() {
  Report report = testing::reportWithBands(R"(
    <band name="Title" kind="reportTitle" height="20">
      <text name="caption" left="1" top="2.005" width="30" height="5" font="Times New Roman" size="7" bold="true" frame="LRT" frameWidth="0.1" halign="center" valign="bottom"><l>Итого "по" \ листу</l><l>	второй</l></text>
      <text name="empty" left="40" top="0" width="10" height="5" frame="box"/>
      <line name="rule" left="0" top="10" width="190" height="0" lineWidth="3"/>
    </band>)");
  report.setVariable("cp_Agreement", Value::text("''"));
  report.setCopies(2);
  return report;
}

TEST(Output, JsonDumpHasTheAgreedShape) {
  std::string json = dumpJson(smallReport().prepare());
  EXPECT_EQ(
      json,
      "{\"copies\":2,\"variables\":[{\"name\":\"cp_Agreement\",\"category\":\"\",\"value\":\"''\"}],"
      "\"pages\":[{\"number\":1,\"width_mm\":210,\"height_mm\":297,\"items\":["
      "{\"kind\":\"text\",\"name\":\"caption\",\"page\":\"P\",\"band\":\"Title\",\"left_mm\":11,"
      "\"top_mm\":12.01,\"width_mm\":30,\"height_mm\":5,\"text\":\"Итого \\\"по\\\" \\\\ листу\\n\\tвторой\","
      "\"font\":{\"family\":\"Times New Roman\",\"size_pt\":7,\"bold\":true},\"frame\":\"LRT hair\","
      "\"align\":\"Cb\"},"
      "{\"kind\":\"text\",\"name\":\"empty\",\"page\":\"P\",\"band\":\"Title\",\"left_mm\":50,\"top_mm\":10,"
      "\"width_mm\":10,\"height_mm\":5,\"text\":\"\",\"font\":{\"family\":\"Arial\",\"size_pt\":10,"
      "\"bold\":false},\"frame\":\"box\",\"align\":\"Lt\"},"
      "{\"kind\":\"line\",\"name\":\"rule\",\"page\":\"P\",\"band\":\"Title\",\"left_mm\":10,\"top_mm\":20,"
      "\"width_mm\":190,\"height_mm\":0,\"direction\":\"horizontal\",\"line_width_px\":3}]}]}");
}

TEST(Output, JsonDumpReplacesBrokenUtf8) {
  PreparedReport report;
  report.variables.push_back({"bad\xff\x01", "c", Value::floating(1.5)});
  EXPECT_EQ(
      dumpJson(report),
      "{\"copies\":1,\"variables\":[{\"name\":\"bad\xEF\xBF\xBD\\u0001\",\"category\":\"c\",\"value\":1.5}],"
      "\"pages\":[]}");
}

TEST(Output, PngAndPdfFilesAreWritten) {
  PreparedReport prepared = smallReport().prepare();
  auto dir = std::filesystem::temp_directory_path() / "korvel_engine_output_test";
  std::filesystem::create_directories(dir);
  std::string png = (dir / "page.png").string(), pdf = (dir / "report.pdf").string();
  writePng(prepared, 0, png, 96);
  QImage image(QString::fromStdString(png));
  EXPECT_EQ(image.width(), 794);
  EXPECT_EQ(image.height(), 1123);
  EXPECT_EQ(image.pixelColor(400, static_cast<int>(20 / 25.4 * 96)).value(), 0) << "the thick rule is drawn";

  writePdf(prepared, pdf);
  std::ifstream in(pdf, std::ios::binary);
  std::string head(5, '\0');
  in.read(head.data(), 5);
  EXPECT_EQ(head, "%PDF-");
  EXPECT_GT(std::filesystem::file_size(pdf), 1000u);

  EXPECT_THROW(writePng(prepared, 1, png, 96), EPrinterError);
  EXPECT_THROW(writePng(prepared, 0, (dir / "missing" / "x.png").string(), 96), EPrinterError);
  EXPECT_THROW(writePdf(prepared, (dir / "missing" / "x.pdf").string()), EPrinterError);
  std::filesystem::remove_all(dir);
}

TEST(Output, PrintingWithoutAPrinterIsAClearError) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
  try {
    printReport(smallReport().prepare(), "Default");
    FAIL();
  } catch (const EPrinterError& e) {
    EXPECT_STREQ(e.what(), "No printer is installed");
  }
}

}  // namespace
}  // namespace korvel::engine
