// Window and headless presentation of messages, errors and previews.
#include "ui/qt_application.h"

#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <cstdio>
#include <fstream>

#include "korvel/preview_document.h"

namespace korvel::ui {

namespace {

bool haveWidgets() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

// One line per message on standard error: line breaks become blanks.
std::string oneLine(const std::string& text) {
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    line += (text[i] == '\n' || text[i] == '\r') ? ' ' : text[i];
  }
  return line;
}

QWidget* dialogParent(QWidget* mainForm) {
  QWidget* active = QApplication::activeWindow();
  return active ? active : mainForm;
}

}  // namespace

std::string withFullStop(const std::string& message) {
  if (message.empty() || message.back() == '.') return message;
  return message + '.';
}

QtApplication::QtApplication(std::string title, std::string executablePath)
    : title_(std::move(title)), executablePath_(std::move(executablePath)) {}

QtApplication::~QtApplication() {
  if (pdfPainter_ && pdfPainter_->isActive()) pdfPainter_->end();
}

void QtApplication::setHeadless(HeadlessOutput output) {
  headless_ = true;
  output_ = std::move(output);
}

void QtApplication::writeLine(const std::string& prefix, const std::string& text) {
  std::fprintf(stderr, "%s%s\n", prefix.c_str(), oneLine(text).c_str());
  std::fflush(stderr);
}

void QtApplication::showException(const std::string& className, const std::string& message) {
  ++reportsShown_;
  if (errorHandler_) {
    errorHandler_(className, message);
  } else if (headless_ || !haveWidgets()) {
    writeLine("error: ", withFullStop(message));
  } else {
    QMessageBox::critical(dialogParent(mainForm_), QString::fromStdString(title_),
                          QString::fromStdString(withFullStop(message)));
  }
}

void QtApplication::showMessage(const std::string& text) {
  ++reportsShown_;
  if (headless_ || !haveWidgets()) {
    writeLine("message: ", text);
  } else {
    QMessageBox::information(dialogParent(mainForm_), QString::fromStdString(title_),
                             QString::fromStdString(text));
  }
}

void QtApplication::presentPreview(PreviewDocument& document) {
  if (headless_ || !haveWidgets())
    presentHeadless(document);
  else
    document.showModal(mainForm_);
}

void QtApplication::presentHeadless(PreviewDocument& document) {
  if (!output_.dumpPath.empty()) dumps_.push_back(document.dumpJson());
  if (!output_.pdfPath.empty()) {
    if (!pdf_) {
      pdf_ = std::make_unique<QPdfWriter>(QString::fromStdString(output_.pdfPath));
      pdf_->setPageSize(QPageSize(QPageSize::A4));
      pdf_->setPageMargins(QMarginsF(0, 0, 0, 0));
      pdf_->setCreator(QString::fromStdString(title_));
      pdfPainter_ = std::make_unique<QPainter>();
    }
    if (!pdfPainter_->isActive() && !pdfPainter_->begin(pdf_.get())) {
      showException("EPrinterError", "Cannot write " + output_.pdfPath);
    } else {
      const std::string error = document.paintInto(*pdf_, *pdfPainter_, pdfPreviews_ > 0);
      if (!error.empty()) showException("EPrinterError", error);
      if (document.pageCount() > 0) ++pdfPreviews_;
    }
  }
  if (output_.print) {
    const std::string error = document.print();
    if (!error.empty()) showException("EPrinterError", error);
  }
}

std::string QtApplication::finishOutput() {
  std::string failure;
  if (pdfPainter_ && pdfPainter_->isActive() && !pdfPainter_->end())
    failure = "Cannot write " + output_.pdfPath;
  pdfPainter_.reset();
  pdf_.reset();
  if (!output_.dumpPath.empty()) {
    std::string json = "{\"previews\":[";
    for (std::size_t i = 0; i < dumps_.size(); ++i) json += (i ? "," : "") + dumps_[i];
    json += "]}\n";
    std::ofstream file(output_.dumpPath, std::ios::binary | std::ios::trunc);
    file << json;
    if (!file.good()) failure = "Cannot write " + output_.dumpPath;
  }
  return failure;
}

}  // namespace korvel::ui
