// The designer window: layout, toolbar commands, selection and keeping the
// views in step with the document.
#include "ui/designer/designer_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QSaveFile>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>

#include "base/exception.h"
#include "engine/output.h"
#include "engine/storage.h"
#include "ui/current_application.h"
#include "ui/designer/object_list.h"
#include "ui/designer/page_scene.h"
#include "ui/designer/property_panel.h"
#include "ui/designer/scene_units.h"
#include "ui/designer/variables_panel.h"
#include "ui/report_preview.h"

namespace korvel::designer {

namespace {

constexpr double kZoomSteps[] = {0.5, 0.75, 1, 1.25, 1.5, 2, 3, 4};
constexpr std::size_t kNoBand = static_cast<std::size_t>(-1);
const QString kFileFilter = QStringLiteral("Шаблоны отчётов (*.xml);;Все файлы (*)");

QString percent(double zoom) { return QStringLiteral("%1 %").arg(qRound(zoom * 100)); }

void showError(const std::string& className, const std::string& message) {
  ui::currentApplication().showException(className, message);
}

}  // namespace

DesignerWindow::DesignerWindow(engine::Report& report, QWidget* parent)
    : QDialog(parent),
      document_(report),
      presenter_([](PreviewDocument& document, QWidget* owner) { document.showModal(owner); }) {
  setWindowTitle(QStringLiteral("Дизайнер отчёта — %1").arg(QString::fromStdString(report.options.name)));
  setModal(true);
  setSizeGripEnabled(true);

  auto* toolBar = new QToolBar;
  makeToolBar(toolBar);

  pageTabs_ = new QTabWidget;
  pageTabs_->setDocumentMode(true);
  connect(pageTabs_, &QTabWidget::currentChanged, this, [this] { updateStatus(); });

  objectList_ = new ObjectList(document_,
                               {[this](const std::string& name) { selectObject(name); },
                                [this](std::size_t page, std::size_t band) { selectBand(page, band); }},
                               nullptr);
  variables_ = new VariablesPanel(document_, nullptr);
  auto* leftTabs = new QTabWidget;
  leftTabs->addTab(objectList_, QStringLiteral("Объекты"));
  leftTabs->addTab(variables_, QStringLiteral("Переменные"));

  properties_ = new PropertyPanel(document_, nullptr);
  auto* propertyScroll = new QScrollArea;
  propertyScroll->setWidget(properties_);
  propertyScroll->setWidgetResizable(true);
  propertyScroll->setMinimumWidth(properties_->minimumSizeHint().width() +
                                  propertyScroll->verticalScrollBar()->sizeHint().width() + 8);
  propertyScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  auto* splitter = new QSplitter(Qt::Horizontal);
  splitter->addWidget(leftTabs);
  splitter->addWidget(pageTabs_);
  splitter->addWidget(propertyScroll);
  splitter->setStretchFactor(0, 0);
  splitter->setStretchFactor(1, 1);
  splitter->setStretchFactor(2, 0);
  splitter->setSizes({280, 800, propertyScroll->minimumWidth()});

  status_ = new QLabel;
  status_->setContentsMargins(4, 2, 4, 2);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(2);
  layout->addWidget(toolBar);
  layout->addWidget(splitter, 1);
  layout->addWidget(status_);

  document_.setListener([this](const Change& change) { changed(change); });
  buildPages();

  const QRect screen = QApplication::primaryScreen()->availableGeometry();
  resize(std::min(1440, screen.width()), std::min(920, screen.height()));
  updateStatus();
}

DesignerWindow::~DesignerWindow() { document_.setListener({}); }

void DesignerWindow::makeToolBar(QWidget* bar) {
  auto* toolBar = static_cast<QToolBar*>(bar);
  toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  const auto add = [&](const QString& text, const QKeySequence& key, const QString& tip, auto action) {
    QAction* a = toolBar->addAction(text);
    if (!key.isEmpty()) a->setShortcut(key);
    a->setToolTip(key.isEmpty() ? tip
                                : tip + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) + ')');
    connect(a, &QAction::triggered, this, action);
    return a;
  };
  add(QStringLiteral("Открыть…"), QKeySequence::Open, QStringLiteral("Открыть шаблон из файла"),
      [this] { openFile(); });
  add(QStringLiteral("Сохранить…"), QKeySequence::Save, QStringLiteral("Сохранить шаблон в файл"),
      [this] { saveFile(); });
  toolBar->addSeparator();

  QUndoStack& stack = document_.undoStack();
  QAction* undo = stack.createUndoAction(this, QStringLiteral("Отменить"));
  undo->setShortcut(QKeySequence::Undo);
  QAction* redo = stack.createRedoAction(this, QStringLiteral("Повторить"));
  redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  toolBar->addAction(undo);
  toolBar->addAction(redo);
  toolBar->addSeparator();

  add(QStringLiteral("Текст"), QKeySequence(), QStringLiteral("Добавить текстовый объект в выбранный бэнд"),
      [this] { addText(); });
  add(QStringLiteral("Линия"), QKeySequence(), QStringLiteral("Добавить линию в выбранный бэнд"),
      [this] { addLine(); });
  add(QStringLiteral("Удалить"), QKeySequence(), QStringLiteral("Удалить выбранный объект (Delete)"),
      [this] { deleteSelected(); });
  toolBar->addSeparator();

  toolBar->addWidget(new QLabel(QStringLiteral(" Масштаб: ")));
  zoomBox_ = new QComboBox;
  for (double step : kZoomSteps) zoomBox_->addItem(percent(step), step);
  zoomBox_->setCurrentText(percent(1));
  connect(zoomBox_, &QComboBox::activated, this,
          [this](int index) { setZoom(zoomBox_->itemData(index).toDouble()); });
  toolBar->addWidget(zoomBox_);
  toolBar->addSeparator();

  add(QStringLiteral("Просмотр"), QKeySequence(Qt::CTRL | Qt::Key_P),
      QStringLiteral("Подготовить и показать отчёт"), [this] { preview(); });
  add(QStringLiteral("Печать"), QKeySequence(), QStringLiteral("Подготовить и напечатать отчёт"),
      [this] { print(); });
  toolBar->addSeparator();
  add(QStringLiteral("Закрыть"), QKeySequence(), QStringLiteral("Вернуться к просмотру"),
      [this] { accept(); });
}

void DesignerWindow::buildPages() {
  const int current = std::max(0, pageTabs_->currentIndex());
  while (pageTabs_->count() > 0) {
    QWidget* view = pageTabs_->widget(0);
    pageTabs_->removeTab(0);
    delete view;
  }
  for (PageScene* scene : scenes_) delete scene;
  scenes_.clear();
  views_.clear();
  const auto& pages = document_.report().pages;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    auto* scene = new PageScene(document_, p,
                                {[this](const std::string& name) { selectObject(name, false); },
                                 [this](std::size_t page, std::size_t band) { selectBand(page, band); }},
                                this);
    auto* view = new PageView(scene,
                              {[this](double dx, double dy, bool resize) { stepSelected(dx, dy, resize); },
                               [this] { deleteSelected(); }, [this](int steps) { zoomStep(steps); }},
                              nullptr);
    view->setTransform(QTransform::fromScale(zoom_, zoom_));
    scenes_.push_back(scene);
    views_.push_back(view);
    pageTabs_->addTab(view, QString::fromStdString(pages[p].name));
  }
  pageTabs_->setCurrentIndex(std::min(current, pageTabs_->count() - 1));
}

void DesignerWindow::changed(const Change& change) {
  switch (change.kind) {
    case Change::Object: {
      const auto place = document_.find(change.name);
      if (place && place->page < scenes_.size())
        scenes_[place->page]->syncObject(change.oldName, document_.object(*place));
      if (change.name != change.oldName) {
        properties_->objectRenamed(change.oldName, change.name);
        if (engine::sameName(selectedObject_, change.oldName)) selectedObject_ = change.name;
        objectList_->reload();
        showSelection();
      }
      properties_->reload();
      break;
    }
    case Change::Page:
      if (change.page < scenes_.size()) scenes_[change.page]->rebuild();
      objectList_->reload();
      if (!selectedObject_.empty() && !document_.find(selectedObject_)) selectedObject_.clear();
      showSelection();
      properties_->reload();
      break;
    case Change::Variables:
      variables_->reload();
      break;
    case Change::Report:
      selectedObject_.clear();
      bandSelected_ = false;
      buildPages();
      objectList_->reload();
      variables_->reload();
      properties_->showNothing();
      setWindowTitle(QStringLiteral("Дизайнер отчёта — %1")
                         .arg(QString::fromStdString(document_.report().options.name)));
      break;
  }
  updateStatus();
}

void DesignerWindow::selectObject(const std::string& name, bool reveal) {
  const auto place = document_.find(name);
  if (!place) return clearSelection();
  selectedObject_ = engine::objectName(document_.object(*place));
  selectedPage_ = place->page;
  selectedBand_ = place->band;
  bandSelected_ = false;
  if (pageTabs_->currentIndex() != static_cast<int>(place->page))
    pageTabs_->setCurrentIndex(static_cast<int>(place->page));
  showSelection();
  properties_->showObject(selectedObject_);
  if (reveal) revealSelection();
  updateStatus();
}

void DesignerWindow::selectBand(std::size_t page, std::size_t band) {
  selectedObject_.clear();
  selectedPage_ = page;
  selectedBand_ = band;
  bandSelected_ = true;
  if (pageTabs_->currentIndex() != static_cast<int>(page)) pageTabs_->setCurrentIndex(static_cast<int>(page));
  showSelection();
  properties_->showBand(page, band);
  revealSelection();
  updateStatus();
}

void DesignerWindow::clearSelection() {
  selectedObject_.clear();
  bandSelected_ = false;
  showSelection();
  properties_->showNothing();
  updateStatus();
}

void DesignerWindow::showSelection() {
  for (std::size_t p = 0; p < scenes_.size(); ++p) {
    const bool here = p == selectedPage_;
    scenes_[p]->showSelection(here ? selectedObject_ : std::string(),
                              here && bandSelected_ ? selectedBand_ : kNoBand);
  }
  if (!selectedObject_.empty() || bandSelected_)
    objectList_->showSelection(selectedObject_, selectedPage_, selectedBand_);
}

void DesignerWindow::revealSelection() {
  if (selectedPage_ >= scenes_.size()) return;
  QGraphicsItem* item = nullptr;
  if (!selectedObject_.empty())
    item = scenes_[selectedPage_]->item(selectedObject_);
  else if (bandSelected_)
    item = scenes_[selectedPage_]->bandItem(selectedBand_);
  if (item) views_[selectedPage_]->ensureVisible(item, 20, 20);
}

void DesignerWindow::updateStatus() {
  QString text;
  if (const auto place = selectedObject_.empty() ? std::nullopt : document_.find(selectedObject_)) {
    std::visit(
        [&](const auto& o) {
          text = QStringLiteral("%1 — слева %2 мм, сверху %3 мм, %4 × %5 мм")
                     .arg(QString::fromStdString(o.name))
                     .arg(o.left, 0, 'f', 2)
                     .arg(o.top, 0, 'f', 2)
                     .arg(o.width, 0, 'f', 2)
                     .arg(o.height, 0, 'f', 2);
        },
        document_.object(*place));
  } else if (bandSelected_) {
    const engine::Band& band = document_.report().pages.at(selectedPage_).bands.at(selectedBand_);
    text = QStringLiteral("Бэнд %1 — высота %2 мм")
               .arg(QString::fromStdString(band.name))
               .arg(band.height, 0, 'f', 2);
  } else {
    text = QStringLiteral("Щелчок выбирает объект; стрелки двигают его на %1 мм, Shift+стрелки меняют размер")
               .arg(kStepMm, 0, 'f', 1);
  }
  status_->setText(text + QStringLiteral("     Масштаб %1").arg(percent(zoom_)));
}

void DesignerWindow::addText() {
  const auto& pages = document_.report().pages;
  const std::size_t page = selectedObject_.empty() && !bandSelected_
                               ? static_cast<std::size_t>(std::max(0, pageTabs_->currentIndex()))
                               : selectedPage_;
  if (page >= pages.size() || pages[page].bands.empty())
    return showError("EReportError", "На странице нет бэндов, в которые можно добавить объект");
  const std::size_t band = selectedObject_.empty() && !bandSelected_ ? 0 : selectedBand_;
  const bool firstPage = pages[page].bands[band].name.starts_with("cp_");
  engine::TextObject text;
  text.name = document_.freeName(firstPage ? "cp_Memo" : "Memo");
  text.width = 30;
  text.height = std::min(5.0, std::max(pages[page].bands[band].height, 1.0));
  text.font.sizePt = 8;
  text.setText("Текст");
  const std::string name = text.name;
  document_.addObject(page, band, std::move(text));
  selectObject(name);
}

void DesignerWindow::addLine() {
  const auto& pages = document_.report().pages;
  const std::size_t page = selectedObject_.empty() && !bandSelected_
                               ? static_cast<std::size_t>(std::max(0, pageTabs_->currentIndex()))
                               : selectedPage_;
  if (page >= pages.size() || pages[page].bands.empty())
    return showError("EReportError", "На странице нет бэндов, в которые можно добавить объект");
  const std::size_t band = selectedObject_.empty() && !bandSelected_ ? 0 : selectedBand_;
  const bool firstPage = pages[page].bands[band].name.starts_with("cp_");
  engine::LineObject line;
  line.name = document_.freeName(firstPage ? "cp_Line" : "Line");
  line.width = 50;
  const std::string name = line.name;
  document_.addObject(page, band, std::move(line));
  selectObject(name);
}

void DesignerWindow::deleteSelected() {
  if (selectedObject_.empty()) return;
  document_.deleteObject(selectedObject_);
}

void DesignerWindow::stepSelected(double dxMm, double dyMm, bool resize) {
  const auto place = selectedObject_.empty() ? std::nullopt : document_.find(selectedObject_);
  if (!place) return;
  const engine::BandObject before = document_.object(*place);
  engine::BandObject after = before;
  std::visit(
      [&](auto& o) {
        if (resize) {
          o.width = roundMm(std::max(0.0, o.width + dxMm));
          o.height = roundMm(std::max(0.0, o.height + dyMm));
        } else {
          o.left = roundMm(o.left + dxMm);
          o.top = roundMm(o.top + dyMm);
        }
      },
      after);
  if (const auto* line = std::get_if<engine::LineObject>(&after); line && resize) {
    // A line keeps its zero extent across its direction.
    auto& l = std::get<engine::LineObject>(after);
    if (line->direction == engine::LineDirection::Horizontal)
      l.height = std::get<engine::LineObject>(before).height;
    else
      l.width = std::get<engine::LineObject>(before).width;
  }
  const QString name = QString::fromStdString(selectedObject_);
  document_.changeObject(
      before, after,
      resize ? QStringLiteral("Изменение размера %1").arg(name) : QStringLiteral("Перемещение %1").arg(name));
}

void DesignerWindow::setZoom(double zoom) {
  zoom_ = std::clamp(zoom, kZoomSteps[0], kZoomSteps[std::size(kZoomSteps) - 1]);
  for (PageView* view : views_) view->setTransform(QTransform::fromScale(zoom_, zoom_));
  zoomBox_->setCurrentText(percent(zoom_));
  revealSelection();
  updateStatus();
}

void DesignerWindow::zoomStep(int steps) {
  const auto* begin = std::begin(kZoomSteps);
  const auto* end = std::end(kZoomSteps);
  const auto* at = std::lower_bound(begin, end, zoom_ - 1e-9);
  const std::ptrdiff_t index = std::clamp<std::ptrdiff_t>((at - begin) + steps, 0, (end - begin) - 1);
  setZoom(kZoomSteps[index]);
}

void DesignerWindow::reportError(const std::exception& error) {
  if (const auto* own = dynamic_cast<const Exception*>(&error))
    showError(own->className(), own->what());
  else
    showError("Exception", error.what());
}

void DesignerWindow::preview() {
  try {
    engine::Report& report = document_.report();
    const engine::PreparedReport prepared = report.prepare();
    ui::ReportPreview document(prepared, report.options.printer);
    presenter_(document, this);
  } catch (const std::exception& error) {
    reportError(error);
  }
}

void DesignerWindow::print() {
  try {
    engine::Report& report = document_.report();
    engine::printReport(report.prepare(), report.options.printer);
  } catch (const std::exception& error) {
    reportError(error);
  }
}

bool DesignerWindow::saveTo(const std::string& path) {
  std::string xml;
  try {
    xml = engine::saveReport(document_.report());
  } catch (const std::exception& error) {
    reportError(error);
    return false;
  }
  // Written aside and renamed, so a failed save leaves the old file whole.
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(xml.data(), static_cast<qint64>(xml.size())) != static_cast<qint64>(xml.size()) ||
      !file.commit()) {
    showError("EInOutError",
              "Не удалось сохранить шаблон в файл «" + path + "»: " + file.errorString().toStdString());
    return false;
  }
  document_.undoStack().setClean();
  return true;
}

bool DesignerWindow::openFrom(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) {
    showError("EInOutError", "Не удалось открыть файл «" + path + "»: " + file.errorString().toStdString());
    return false;
  }
  const QByteArray xml = file.readAll();
  try {
    document_.replaceReport(
        engine::loadReport(std::string_view(xml.constData(), static_cast<std::size_t>(xml.size()))));
  } catch (const Exception& error) {
    showError(error.className(), "Файл «" + path + "» не является шаблоном отчёта: " + error.what());
    return false;
  }
  return true;
}

void DesignerWindow::openFile() {
  const QString path =
      QFileDialog::getOpenFileName(this, QStringLiteral("Открыть шаблон"), QString(), kFileFilter);
  if (!path.isEmpty()) openFrom(path.toStdString());
}

void DesignerWindow::saveFile() {
  const QString path = QFileDialog::getSaveFileName(
      this, QStringLiteral("Сохранить шаблон"),
      QString::fromStdString(document_.report().options.name) + ".xml", kFileFilter);
  if (!path.isEmpty()) saveTo(path.toStdString());
}

void openDesigner(engine::Report& report, QWidget* parent) {
  DesignerWindow window(report, parent);
  window.exec();
}

}  // namespace korvel::designer
