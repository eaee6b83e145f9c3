// Sample prepared reports for the ui tests.
#include "tests/ui/sample_report.h"

#include <QApplication>

namespace korvel::ui::testing {

engine::PreparedReport sampleReport(int pages, int copies) {
  engine::PreparedReport report;
  report.copies = copies;
  for (int n = 1; n <= pages; ++n) {
    engine::PreparedPage page;
    page.number = n;
    engine::PreparedItem item;
    item.name = "Memo1";
    item.page = "Page1";
    item.band = "PageHeader1";
    item.leftMm = 20;
    item.topMm = 20;
    item.widthMm = 80;
    item.heightMm = 10;
    item.text = "Лист " + std::to_string(n);
    item.lines = {item.text};
    page.items.push_back(item);
    report.pages.push_back(page);
  }
  return report;
}

void ensureQtApplication() {
  static int argc = 1;
  static char name[] = "korvel_ui_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* application = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  (void)application;
}

}  // namespace korvel::ui::testing
