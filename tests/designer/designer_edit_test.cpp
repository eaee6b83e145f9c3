// Editing the waybill in the designer: what it shows after a run, property
// panel, keys and mouse, objects and bands, variables, undo and redo, and
// the preview prepared again when the designer closes.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGraphicsView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>
#include <cstdlib>

#include "designer_fixture.h"
#include "engine/output.h"
#include "engine/storage.h"
#include "ui/designer/object_list.h"
#include "ui/designer/page_scene.h"
#include "ui/designer/property_panel.h"
#include "ui/designer/scene_units.h"
#include "ui/designer/variables_panel.h"
#include "ui/preview_window.h"
#include "ui/report_preview.h"

namespace korvel::designer::testing {
namespace {

QTreeWidgetItem* findRow(QTreeWidget* tree, const QString& name) {
  for (QTreeWidgetItemIterator it(tree); *it; ++it)
    if ((*it)->text(0) == name) return *it;
  return nullptr;
}

TEST_F(DesignerTest, ShowsEveryPageBandObjectAndVariableAsRunLeftThem) {
  ASSERT_EQ(window->pageTabs()->count(), 2);
  EXPECT_EQ(window->pageTabs()->tabText(0), "CapPage");
  EXPECT_EQ(window->pageTabs()->tabText(1), "SpecPage");
  for (std::size_t p = 0; p < report.pages.size(); ++p)
    for (std::size_t b = 0; b < report.pages[p].bands.size(); ++b) {
      ASSERT_NE(window->pageScene(p)->bandItem(b), nullptr);
      for (const auto& object : report.pages[p].bands[b].objects) {
        ASSERT_NE(window->pageScene(p)->item(engine::objectName(object)), nullptr)
            << engine::objectName(object);
        EXPECT_NE(findRow(window->objectList(), QString::fromStdString(engine::objectName(object))), nullptr);
      }
    }

  // The fixed amount Run wrote, not the stored expression; expressions as written.
  window->selectObject("cp_SumNDS_1");
  EXPECT_EQ(window->properties()->textEdit()->toPlainText(), QString::fromUtf8(kFixedAmount));
  EXPECT_TRUE(window->properties()->literalBox()->isChecked());
  EXPECT_EQ(window->properties()->formatEdit()->text(), "%2.2f");
  window->selectObject("cp_memo338");  // any case
  EXPECT_EQ(window->selectedObject(), "cp_Memo338");
  EXPECT_EQ(window->properties()->textEdit()->toPlainText(), "[frxDatasetPrCap.\"NamePlatSkl\"]");
  EXPECT_EQ(window->properties()->widthEdit()->value(), 190);

  QTreeWidgetItem* agreement = findRow(window->variables()->tree(), "cp_Agreement");
  ASSERT_NE(agreement, nullptr);
  EXPECT_EQ(agreement->text(1), QString::fromUtf8(kAgreement));
  ASSERT_NE(agreement->parent(), nullptr);
  EXPECT_EQ(agreement->parent()->text(0), "cpVariables");
}

TEST_F(DesignerTest, PropertyPanelChangesTextAndPositionWithUndoAndRedo) {
  const std::string stored = engine::saveReport(report);
  window->objectList()->setCurrentItem(findRow(window->objectList(), "cp_Memo39"));
  ASSERT_EQ(window->selectedObject(), "cp_Memo39");
  PropertyPanel* panel = window->properties();
  panel->textEdit()->setPlainText("Основание: [cp_Agreement]\nвторая строка");
  panel->applyTextButton()->click();
  panel->leftEdit()->setValue(30.5);
  panel->topEdit()->setValue(70);

  EXPECT_EQ(text("cp_Memo39").text(), "Основание: [cp_Agreement]\r\nвторая строка");
  EXPECT_EQ(text("cp_Memo39").left, 30.5);
  EXPECT_EQ(text("cp_Memo39").top, 70);
  QUndoStack& undo = window->document().undoStack();
  ASSERT_EQ(undo.count(), 3);
  const QPointF moved = window->pageScene(0)->item("cp_Memo39")->pos();
  EXPECT_DOUBLE_EQ(moved.x(), sceneFromMm(30.5));

  undo.undo();
  undo.undo();
  EXPECT_EQ(text("cp_Memo39").left, 25);
  EXPECT_EQ(panel->leftEdit()->value(), 25);
  EXPECT_DOUBLE_EQ(window->pageScene(0)->item("cp_Memo39")->pos().x(), sceneFromMm(25));
  undo.undo();
  EXPECT_EQ(engine::saveReport(report), stored);
  undo.redo();
  undo.redo();
  undo.redo();
  EXPECT_EQ(text("cp_Memo39").lines.size(), 2u);
  EXPECT_EQ(text("cp_Memo39").left, 30.5);

  // Prepared, the edited box shows the variable Run set, where it was moved.
  const engine::PreparedReport prepared = report.prepare();
  const engine::PreparedItem* box = item(prepared, "cp_Memo39");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->text, "Основание: Договор № 7\nвторая строка");
  EXPECT_NEAR(box->leftMm, report.pages[0].marginLeft + 30.5, 1e-6);
}

TEST_F(DesignerTest, PreviewIsPreparedAgainWhenTheDesignerCloses) {
  const engine::PreparedReport first = report.prepare();
  ui::ReportPreview preview(first, "Default");
  EXPECT_FALSE(preview.edit(nullptr));  // no editor: Edit does nothing
  preview.setEditor(report, [](engine::Report& edited, QWidget*) {
    DesignerWindow designer(edited, nullptr);
    designer.selectObject("cp_Memo338");
    designer.properties()->textEdit()->setPlainText("Исправлено вручную");
    designer.properties()->applyTextButton()->click();
    designer.selectBand(0, 0);
    designer.properties()->bandHeightEdit()->setValue(120);
  });
  ASSERT_TRUE(preview.edit(nullptr));
  EXPECT_NE(preview.dumpJson().find("Исправлено вручную"), std::string::npos);
  EXPECT_EQ(preview.dumpJson(), engine::dumpJson(report.prepare()));
  EXPECT_EQ(report.pages[0].bands[0].height, 120);
  // Run's changes are still there.
  EXPECT_EQ(text("cp_SumNDS_1").text(), kFixedAmount);
  EXPECT_TRUE(application.errors.empty());
}

TEST_F(DesignerTest, EditThatBreaksTheReportKeepsTheOldPreview) {
  const engine::PreparedReport first = report.prepare();
  ui::ReportPreview preview(first, "Default");
  preview.setEditor(report, [](engine::Report& edited, QWidget*) {
    DesignerWindow designer(edited, nullptr);
    designer.selectObject("cp_Memo338");
    designer.properties()->textEdit()->setPlainText("[1 +]");
    designer.properties()->applyTextButton()->click();
  });
  EXPECT_FALSE(preview.edit(nullptr));
  ASSERT_EQ(application.errors.size(), 1u);
  EXPECT_EQ(application.errors[0].rfind("EReportError: ", 0), 0u) << application.errors[0];
  EXPECT_EQ(preview.dumpJson(), engine::dumpJson(first));
}

TEST_F(DesignerTest, PreviewWindowEditButtonRunsTheEditAndShowsNewPages) {
  const engine::PreparedReport first = report.prepare();
  engine::PreparedReport second = first;
  second.pages.push_back(second.pages.back());
  ui::PreviewWindow preview(
      first, [] { return std::string(); }, nullptr);
  EXPECT_FALSE(preview.editButton()->isEnabled());
  preview.setEditAction([&] { preview.showReport(second); });
  ASSERT_TRUE(preview.editButton()->isEnabled());
  preview.editButton()->click();
  const auto sheets =
      preview.pageArea()->widget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
  EXPECT_EQ(sheets.size(), 3);
}

TEST_F(DesignerTest, ArrowKeysMoveAndShiftArrowsResizeInHalfMillimetres) {
  window->show();
  window->selectObject("Memo59");
  PageView* view = window->pageView(1);
  view->setFocus();
  const double left = text("Memo59").left, top = text("Memo59").top;
  const double width = text("Memo59").width, height = text("Memo59").height;
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    double left, top, width, height;
  } steps[] = {
      {Qt::Key_Right, Qt::NoModifier, 0.5, 0, 0, 0},       {Qt::Key_Down, Qt::NoModifier, 0.5, 0.5, 0, 0},
      {Qt::Key_Left, Qt::NoModifier, 0, 0.5, 0, 0},        {Qt::Key_Right, Qt::ShiftModifier, 0, 0.5, 0.5, 0},
      {Qt::Key_Down, Qt::ShiftModifier, 0, 0.5, 0.5, 0.5}, {Qt::Key_Up, Qt::NoModifier, 0, 0, 0.5, 0.5},
  };
  for (const auto& step : steps) {
    QTest::keyClick(view, step.key, step.modifiers);
    EXPECT_NEAR(text("Memo59").left, left + step.left, 1e-9);
    EXPECT_NEAR(text("Memo59").top, top + step.top, 1e-9);
    EXPECT_NEAR(text("Memo59").width, width + step.width, 1e-9);
    EXPECT_NEAR(text("Memo59").height, height + step.height, 1e-9);
  }
  EXPECT_EQ(window->document().undoStack().count(), 6);
}

TEST_F(DesignerTest, MouseMovesAnObjectAndResizesItByItsCorner) {
  window->resize(1600, 1000);
  window->show();
  window->pageTabs()->setCurrentIndex(1);
  window->setZoom(1);
  PageView* view = window->pageView(1);
  ObjectItem* memo = window->pageScene(1)->item("Memo88");
  ASSERT_NE(memo, nullptr);
  const double left = text("Memo88").left, width = text("Memo88").width, height = text("Memo88").height;
  view->ensureVisible(memo);
  const auto at = [&](QPointF itemPoint) { return view->mapFromScene(memo->mapToScene(itemPoint)); };

  const QPoint centre = at(QPointF(sceneFromMm(width / 2), sceneFromMm(height / 2)));
  QTest::mousePress(view->viewport(), Qt::LeftButton, {}, centre);
  EXPECT_EQ(window->selectedObject(), "Memo88");
  QTest::mouseMove(view->viewport(), centre + QPoint(qRound(sceneFromMm(10)), 0));
  QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, centre + QPoint(qRound(sceneFromMm(10)), 0));
  EXPECT_NEAR(text("Memo88").left, left + 10, 1e-9);

  const QPoint corner = at(QPointF(sceneFromMm(width), sceneFromMm(height)));
  const QPoint pulled = corner + QPoint(qRound(sceneFromMm(5)), qRound(sceneFromMm(3)));
  QTest::mousePress(view->viewport(), Qt::LeftButton, {}, corner);
  QTest::mouseMove(view->viewport(), pulled);
  QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, pulled);
  EXPECT_NEAR(text("Memo88").left, left + 10, 1e-9);
  EXPECT_NEAR(text("Memo88").width, width + 5, 1e-9);
  EXPECT_NEAR(text("Memo88").height, height + 3, 1e-9);
  EXPECT_EQ(window->document().undoStack().count(), 2);
}

TEST_F(DesignerTest, AddsAndDeletesObjectsAndChangesBandsUndoably) {
  const std::string stored = engine::saveReport(report);
  const std::size_t objects = report.pages[1].bands[1].objects.size();
  window->selectBand(1, 1);  // MasterData1
  window->addText();
  const std::string added = window->selectedObject();
  ASSERT_FALSE(added.empty());
  EXPECT_EQ(added.rfind("Memo", 0), 0u);
  EXPECT_EQ(report.pages[1].bands[1].objects.size(), objects + 1);
  EXPECT_NE(window->pageScene(1)->item(added), nullptr);
  window->addLine();
  const std::string line = window->selectedObject();
  EXPECT_TRUE(std::holds_alternative<engine::LineObject>(report.pages[1].bands[1].objects.back()));
  window->deleteSelected();
  EXPECT_FALSE(window->document().find(line));
  EXPECT_EQ(window->pageScene(1)->item(line), nullptr);
  EXPECT_TRUE(window->selectedObject().empty());

  window->selectBand(1, 1);
  window->properties()->bandHeightEdit()->setValue(25);
  window->properties()->bandGrowsBox()->setChecked(false);
  EXPECT_EQ(report.pages[1].bands[1].height, 25);
  EXPECT_FALSE(report.pages[1].bands[1].grows);
  // The band below moves down with the taller band.
  EXPECT_GT(window->pageScene(1)->bandItem(2)->y(), window->pageScene(1)->bandItem(1)->y() + sceneFromMm(25));

  window->deleteSelected();  // a band is selected: nothing to delete
  QUndoStack& undo = window->document().undoStack();
  EXPECT_EQ(undo.count(), 5);
  while (undo.canUndo()) undo.undo();
  EXPECT_EQ(engine::saveReport(report), stored);
  EXPECT_EQ(window->pageScene(1)->item(added), nullptr);
  while (undo.canRedo()) undo.redo();
  EXPECT_TRUE(window->document().find(added));
  EXPECT_EQ(report.pages[1].bands[1].height, 25);
}

TEST_F(DesignerTest, RenamingRejectsTakenAndMalformedNames) {
  window->selectObject("Memo93");
  QLineEdit* name = window->properties()->nameEdit();
  for (const char* bad : {"memo94", "cp_Memo338", "SpecPage", "MasterData1", "", "1abc", "два слова"}) {
    name->setText(QString::fromUtf8(bad));
    emit name->editingFinished();
    EXPECT_EQ(name->text(), "Memo93") << bad;
    EXPECT_TRUE(window->document().find("Memo93")) << bad;
  }
  EXPECT_EQ(application.errors.size(), 7u);
  EXPECT_EQ(window->document().undoStack().count(), 0);

  name->setText("Memo93_Total");
  emit name->editingFinished();
  EXPECT_TRUE(window->document().find("Memo93_Total"));
  EXPECT_EQ(window->selectedObject(), "Memo93_Total");
  EXPECT_NE(window->pageScene(1)->item("Memo93_Total"), nullptr);
  // Its handler binding stays as it was.
  EXPECT_EQ(text("Memo93_Total").onAfterPrint, "Memo93OnAfterPrint");
  window->document().undoStack().undo();
  EXPECT_TRUE(window->document().find("Memo93"));
  EXPECT_EQ(window->properties()->nameEdit()->text(), "Memo93");
}

TEST_F(DesignerTest, VariableValuesAreEditedAsExpressions) {
  QTreeWidgetItem* agreement = findRow(window->variables()->tree(), "cp_Agreement");
  ASSERT_NE(agreement, nullptr);
  agreement->setText(1, "'Договор № 9'");
  ASSERT_TRUE(report.findVariable("cp_Agreement")->value);
  EXPECT_EQ(report.findVariable("cp_Agreement")->value->asText(), "'Договор № 9'");
  EXPECT_EQ(item(report.prepare(), "cp_Memo39")->text, "Договор № 9");

  window->variables()->tree()->setCurrentItem(findRow(window->variables()->tree(), "cp_Agreement"));
  window->variables()->findChild<QPushButton*>()->click();
  EXPECT_FALSE(report.findVariable("cp_Agreement")->value);

  window->document().undoStack().undo();
  window->document().undoStack().undo();
  EXPECT_EQ(report.findVariable("cp_Agreement")->value->asText(), kAgreement);
  EXPECT_EQ(findRow(window->variables()->tree(), "cp_Agreement")->text(1), QString::fromUtf8(kAgreement));
}

TEST_F(DesignerTest, PreviewsAndPrintsFromTheDesigner) {
  int shown = 0, pages = 0;
  window->setPreviewPresenter([&](PreviewDocument& document, QWidget* parent) {
    ++shown;
    pages = document.pageCount();
    EXPECT_EQ(parent, window.get());
  });
  window->preview();
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(pages, 2);

  report.options.printer = "Нет такого принтера";
  window->print();
  ASSERT_EQ(application.errors.size(), 1u);
  EXPECT_EQ(application.errors[0].rfind("EPrinterError: ", 0), 0u) << application.errors[0];
}

TEST_F(DesignerTest, ScreenshotsWhenAsked) {
  if (!std::getenv("KORVEL_DESIGNER_SCREENSHOTS"))
    GTEST_SKIP() << "set KORVEL_DESIGNER_SCREENSHOTS to take them";
  // Not shown: the offscreen screen is smaller than an ordinary desktop.
  window->resize(1440, 900);
  window->selectObject("cp_Memo39");
  QApplication::processEvents();
  EXPECT_TRUE(window->grab().save("/tmp/designer-cap.png"));
  window->selectBand(1, 1);
  window->setZoom(1.5);
  QApplication::processEvents();
  EXPECT_TRUE(window->grab().save("/tmp/designer-lines.png"));
  window->selectObject("Memo94");
  for (QTabWidget* tabs : window->findChildren<QTabWidget*>())
    if (tabs->count() == 2 && tabs->tabText(1) == "Переменные") tabs->setCurrentIndex(1);
  QApplication::processEvents();
  EXPECT_TRUE(window->grab().save("/tmp/designer-variables.png"));
}

}  // namespace
}  // namespace korvel::designer::testing
