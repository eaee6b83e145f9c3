// The application object: the error report's full stop, the error
// handler, and headless presentation to standard error, PDF and dump.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "tests/ui/sample_report.h"
#include "ui/qt_application.h"
#include "ui/report_preview.h"

namespace korvel::ui {
namespace {

std::string readFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

int pdfPages(const std::string& path) {
  std::FILE* pipe = popen(("pdfinfo '" + path + "' 2>/dev/null").c_str(), "r");
  if (!pipe) return -1;
  char line[512];
  int pages = -1;
  while (std::fgets(line, sizeof line, pipe))
    if (std::sscanf(line, "Pages: %d", &pages) == 1) break;
  pclose(pipe);
  return pages;
}

TEST(WithFullStop, AddsOneOnlyWhenMissing) {
  const struct {
    const char* message;
    const char* shown;
  } cases[] = {{"File not found", "File not found."}, {"Done.", "Done."}, {"", ""}, {"Really?", "Really?."}};
  for (const auto& c : cases) EXPECT_EQ(withFullStop(c.message), c.shown) << c.message;
}

class HeadlessApplicationTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::ensureQtApplication(); }
  QTemporaryDir dir;
  std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
};

TEST_F(HeadlessApplicationTest, MessagesAndErrorsGoToStandardErrorOnOneLineEach) {
  QtApplication application("Host", "/opt/host/host");
  application.setHeadless({});
  ::testing::internal::CaptureStderr();
  application.showMessage("EConvertError ошибка с сообщением : '2x' is not a valid integer value");
  application.showException("EOleException", "Login failed\r\nfor user 'sa'");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "message: EConvertError ошибка с сообщением : '2x' is not a valid integer value\n"
            "error: Login failed for user 'sa'.\n");
  EXPECT_EQ(application.reportsShown(), 2);
}

TEST_F(HeadlessApplicationTest, ErrorHandlerTakesTheErrorReport) {
  QtApplication application("Host", "/opt/host/host");
  application.setHeadless({});
  std::string seen;
  application.setErrorHandler([&](const std::string& c, const std::string& m) { seen = c + "/" + m; });
  ::testing::internal::CaptureStderr();
  application.showException("EInOutError", "File not found");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(seen, "EInOutError/File not found");
}

TEST_F(HeadlessApplicationTest, SeveralPreviewsShareOnePdfAndOneDump) {
  QtApplication application("Host", "/opt/host/host");
  application.setHeadless({path("out.pdf"), path("out.json"), false});
  const auto first = testing::sampleReport(2);
  const auto second = testing::sampleReport(3);
  ReportPreview firstPreview(first, "Default");
  ReportPreview secondPreview(second, "Default");
  application.presentPreview(firstPreview);
  application.presentPreview(secondPreview);
  EXPECT_EQ(application.finishOutput(), "");
  EXPECT_EQ(application.reportsShown(), 0);

  EXPECT_EQ(pdfPages(path("out.pdf")), 5);
  EXPECT_EQ(readFile(path("out.json")),
            "{\"previews\":[" + firstPreview.dumpJson() + "," + secondPreview.dumpJson() + "]}\n");
}

TEST_F(HeadlessApplicationTest, DumpOfACallWithoutPreviewIsAnEmptyList) {
  QtApplication application("Host", "/opt/host/host");
  application.setHeadless({"", path("none.json"), false});
  EXPECT_EQ(application.finishOutput(), "");
  EXPECT_EQ(readFile(path("none.json")), "{\"previews\":[]}\n");
}

TEST_F(HeadlessApplicationTest, UnwritableOutputIsReported) {
  QtApplication application("Host", "/opt/host/host");
  application.setHeadless({"", path("missing/dir/out.json"), false});
  EXPECT_NE(application.finishOutput(), "");
}

}  // namespace
}  // namespace korvel::ui
