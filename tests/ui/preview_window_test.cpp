// The preview window on the offscreen platform: buttons, paging by keys
// and wheel, Print and its failure.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "tests/ui/sample_report.h"
#include "ui/current_application.h"
#include "ui/preview_window.h"

namespace korvel::ui {
namespace {

using testing::RecordingApplication;

class PreviewWindowTest : public ::testing::Test {
 protected:
  // The window is a member, so the application must exist before it is built.
  bool qtReady = (testing::ensureQtApplication(), true);
  engine::PreparedReport report = testing::sampleReport(4);
  int printed = 0;
  std::string printError;
  PreviewWindow window{report,
                       [this] {
                         ++printed;
                         return printError;
                       },
                       nullptr};
};

TEST_F(PreviewWindowTest, IsModalWithPrintEnabledAndEditDisabled) {
  EXPECT_TRUE(window.isModal());
  EXPECT_TRUE(window.printButton()->isEnabled());
  EXPECT_FALSE(window.editButton()->isEnabled());
}

TEST_F(PreviewWindowTest, ShowsPagesAtOneHundredPercent) {
  window.show();
  QWidget* sheets = window.pageArea()->widget();
  const auto pages = sheets->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
  ASSERT_EQ(pages.size(), 4);
  const double pixelsPerMm = window.logicalDpiX() / 25.4;
  EXPECT_EQ(pages.front()->width(), qRound(210 * pixelsPerMm));
  EXPECT_EQ(pages.front()->height(), qRound(297 * pixelsPerMm));
}

TEST_F(PreviewWindowTest, KeysPageThroughTheReport) {
  window.show();
  QApplication::processEvents();
  EXPECT_EQ(window.currentPage(), 0);
  const struct {
    Qt::Key key;
    int page;
  } steps[] = {{Qt::Key_PageDown, 1}, {Qt::Key_PageDown, 2}, {Qt::Key_End, 3},   {Qt::Key_PageDown, 3},
               {Qt::Key_PageUp, 2},   {Qt::Key_Home, 0},     {Qt::Key_PageUp, 0}};
  for (const auto& step : steps) {
    QTest::keyClick(&window, step.key);
    EXPECT_EQ(window.currentPage(), step.page) << "after key " << step.key;
  }
}

TEST_F(PreviewWindowTest, PageUpInsideAPageGoesToItsTopFirst) {
  window.show();
  QApplication::processEvents();
  window.showPage(2);
  QScrollBar* bar = window.pageArea()->verticalScrollBar();
  const int top = bar->value();
  bar->setValue(top + 100);
  QTest::keyClick(&window, Qt::Key_PageUp);
  EXPECT_EQ(bar->value(), top);
}

TEST_F(PreviewWindowTest, WheelScrollsThePages) {
  window.show();
  QApplication::processEvents();
  QWidget* viewport = window.pageArea()->viewport();
  const QPointF at(viewport->width() / 2.0, viewport->height() / 2.0);
  QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(viewport, &wheel);
  EXPECT_GT(window.pageArea()->verticalScrollBar()->value(), 0);
}

TEST_F(PreviewWindowTest, PrintButtonPrintsAndReportsFailureWithoutClosing) {
  RecordingApplication recorder;
  setCurrentApplication(&recorder);
  window.show();
  QTest::mouseClick(window.printButton(), Qt::LeftButton);
  EXPECT_EQ(printed, 1);
  EXPECT_TRUE(recorder.errors.empty());

  printError = "No printer is installed";
  QTest::mouseClick(window.printButton(), Qt::LeftButton);
  EXPECT_EQ(printed, 2);
  ASSERT_EQ(recorder.errors.size(), 1u);
  EXPECT_EQ(recorder.errors[0], "EPrinterError: No printer is installed");
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(window.printButton()->isEnabled());
  setCurrentApplication(nullptr);
}

}  // namespace
}  // namespace korvel::ui
