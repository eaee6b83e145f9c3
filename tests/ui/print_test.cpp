// Printing through a real CUPS server with a PDF printer as the default:
// Print must deliver every page and ask for the report's copies. Needs
// root to start cupsd and add the printer.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>

#include "tests/ui/sample_report.h"
#include "ui/report_preview.h"

namespace korvel::ui {
namespace {

std::string run(const std::string& command) {
  std::string output;
  if (std::FILE* pipe = popen((command + " 2>&1").c_str(), "r")) {
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    pclose(pipe);
  }
  return output;
}

// Waits (bounded) until `done` holds; the spooler works on its own pace.
template <typename Condition>
bool eventually(Condition done) {
  for (int attempt = 0; attempt < 600; ++attempt) {
    if (done()) return true;
    QThread::msleep(100);
  }
  return done();
}

int lastJobId() {
  const std::string jobs = run("lpstat -W all -o PDF");
  int last = 0;
  const std::regex id("PDF-([0-9]+)");
  for (auto it = std::sregex_iterator(jobs.begin(), jobs.end(), id); it != std::sregex_iterator(); ++it)
    last = std::max(last, std::stoi((*it)[1]));
  return last;
}

std::string jobAttributes(int job) {
  const std::string test = QDir::temp().filePath("korvel_get_job.test").toStdString();
  std::ofstream(test) << "{\n NAME \"job\"\n OPERATION Get-Job-Attributes\n"
                         " GROUP operation-attributes-tag\n"
                         " ATTR charset attributes-charset utf-8\n"
                         " ATTR naturalLanguage attributes-natural-language en\n"
                         " ATTR uri printer-uri $uri\n ATTR integer job-id "
                      << job
                      << "\n ATTR name requesting-user-name root\n"
                         " STATUS successful-ok\n DISPLAY copies\n DISPLAY job-state\n}\n";
  return run("ipptool -t ipp://localhost/printers/PDF " + test);
}

int pdfPages(const QString& path) {
  const std::string info = run("pdfinfo '" + path.toStdString() + "'");
  std::smatch match;
  return std::regex_search(info, match, std::regex("Pages:\\s+([0-9]+)")) ? std::stoi(match[1]) : -1;
}

class CupsPrintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to start cupsd and add the PDF printer";
    if (run("lpstat -r").find("is running") == std::string::npos) {
      run("cupsd");
      ASSERT_TRUE(eventually([] { return run("lpstat -r").find("is running") != std::string::npos; }))
          << "cupsd did not start";
    }
    run("lpadmin -p PDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E");
    run("lpadmin -d PDF");
    ASSERT_NE(run("lpstat -d").find("PDF"), std::string::npos) << run("lpstat -d");
    testing::ensureQtApplication();
    outputDir = QDir(QDir::homePath() + "/PDF");
  }
  QDir outputDir;
};

TEST_F(CupsPrintTest, PrintDeliversEveryPageAndAsksForTheCopies) {
  const int before = lastJobId();
  const QStringList filesBefore = outputDir.entryList({"*.pdf"}, QDir::Files);

  const auto report = testing::sampleReport(3, 2);
  ReportPreview preview(report, "Default");
  ASSERT_EQ(preview.print(), "");

  ASSERT_TRUE(eventually([&] { return lastJobId() > before; })) << "no job reached CUPS";
  const int job = lastJobId();
  ASSERT_TRUE(eventually([&] {
    return jobAttributes(job).find("job-state (enum) = completed") != std::string::npos;
  })) << jobAttributes(job);
  EXPECT_NE(jobAttributes(job).find("copies (integer) = 2"), std::string::npos) << jobAttributes(job);

  QString written;
  ASSERT_TRUE(eventually([&] {
    for (const QString& name : outputDir.entryList({"*.pdf"}, QDir::Files))
      if (!filesBefore.contains(name) && name.contains(QString("job_%1").arg(job))) written = name;
    return !written.isEmpty();
  })) << "no PDF for job "
      << job << " in " << outputDir.path().toStdString();
  EXPECT_EQ(pdfPages(outputDir.filePath(written)), 3);
}

}  // namespace
}  // namespace korvel::ui
