// Preview window: toolbar, scrolling page list, keyboard paging, printing.
#include "ui/preview_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/output.h"
#include "ui/current_application.h"

namespace korvel::ui {

namespace {

constexpr int pageGap = 12;
constexpr double millimetresPerInch = 25.4;

// One sheet at 100 %: white paper with the page painted by the engine.
class PageWidget : public QWidget {
 public:
  PageWidget(const engine::PreparedPage& page, double pixelsPerMm, QWidget* parent)
      : QWidget(parent), page_(page), pixelsPerMm_(pixelsPerMm) {
    setFixedSize(qRound(page.widthMm * pixelsPerMm), qRound(page.heightMm * pixelsPerMm));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    engine::paintPage(painter, page_, pixelsPerMm_);
  }

 private:
  const engine::PreparedPage& page_;
  double pixelsPerMm_;
};

}  // namespace

PreviewWindow::PreviewWindow(const engine::PreparedReport& report, std::function<std::string()> print,
                             QWidget* parent)
    : QDialog(parent), report_(&report), print_(std::move(print)) {
  setWindowTitle(QStringLiteral("Предварительный просмотр"));
  setModal(true);

  printButton_ = new QPushButton(QStringLiteral("Печать"), this);
  editButton_ = new QPushButton(QStringLiteral("Редактировать"), this);
  editButton_->setEnabled(false);
  connect(printButton_, &QPushButton::clicked, this, [this] { printPressed(); });
  connect(editButton_, &QPushButton::clicked, this, [this] {
    if (edit_) edit_();
  });

  auto* toolbar = new QHBoxLayout;
  toolbar->addWidget(printButton_);
  toolbar->addWidget(editButton_);
  toolbar->addStretch();

  pageArea_ = new QScrollArea(this);
  pageArea_->setWidgetResizable(true);
  pageArea_->setAlignment(Qt::AlignHCenter);
  pageArea_->setFocusPolicy(Qt::NoFocus);
  buildSheets();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(toolbar);
  layout->addWidget(pageArea_);

  const QRect screen = QApplication::primaryScreen()->availableGeometry();
  const int width = pages_.empty() ? 800 : pages_.front()->width() + 4 * pageGap + 40;
  resize(std::min(width, screen.width()), screen.height() * 9 / 10);
}

void PreviewWindow::buildSheets() {
  auto* sheets = new QWidget;
  sheets->setBackgroundRole(QPalette::Dark);
  sheets->setAutoFillBackground(true);
  auto* column = new QVBoxLayout(sheets);
  column->setSpacing(pageGap);
  column->setContentsMargins(pageGap, pageGap, pageGap, pageGap);
  const double pixelsPerMm = logicalDpiX() / millimetresPerInch;
  pages_.clear();
  for (const auto& page : report_->pages) {
    auto* sheet = new PageWidget(page, pixelsPerMm, sheets);
    column->addWidget(sheet, 0, Qt::AlignHCenter);
    pages_.push_back(sheet);
  }
  column->addStretch();
  pageArea_->setWidget(sheets);  // the scroll area destroys the previous sheets
}

void PreviewWindow::setEditAction(std::function<void()> edit) {
  edit_ = std::move(edit);
  editButton_->setEnabled(static_cast<bool>(edit_));
}

void PreviewWindow::showReport(const engine::PreparedReport& report) {
  report_ = &report;
  buildSheets();
}

int PreviewWindow::currentPage() const {
  const int top = pageArea_->verticalScrollBar()->value();
  int current = 0;
  for (std::size_t i = 0; i < pages_.size(); ++i)
    if (pages_[i]->y() - pageGap <= top) current = static_cast<int>(i);
  return current;
}

void PreviewWindow::showPage(int index) {
  if (pages_.empty()) return;
  index = std::clamp(index, 0, static_cast<int>(pages_.size()) - 1);
  pageArea_->verticalScrollBar()->setValue(pages_[index]->y() - pageGap);
}

void PreviewWindow::keyPressEvent(QKeyEvent* event) {
  if (pages_.empty()) return QDialog::keyPressEvent(event);
  switch (event->key()) {
    case Qt::Key_PageDown:
      showPage(currentPage() + 1);
      break;
    case Qt::Key_PageUp: {
      // From inside a page, go to its top first.
      const int current = currentPage();
      const bool atTop = pageArea_->verticalScrollBar()->value() <= pages_[current]->y() - pageGap;
      showPage(atTop ? current - 1 : current);
      break;
    }
    case Qt::Key_Home:
      showPage(0);
      break;
    case Qt::Key_End:
      showPage(static_cast<int>(pages_.size()) - 1);
      break;
    default:
      QDialog::keyPressEvent(event);
  }
}

void PreviewWindow::printPressed() {
  printButton_->setEnabled(false);
  const std::string error = print_();
  printButton_->setEnabled(true);
  if (!error.empty()) currentApplication().showException("EPrinterError", error);
}

}  // namespace korvel::ui
