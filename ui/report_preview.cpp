// Presentation of a prepared report; errors become texts here so that none
// crosses into the host.
#include "ui/report_preview.h"

#include <exception>

#include "base/exception.h"
#include "engine/output.h"
#include "ui/current_application.h"
#include "ui/preview_window.h"

namespace korvel::ui {

namespace {

template <typename Action>
std::string errorOf(Action&& action) {
  try {
    action();
    return {};
  } catch (const std::exception& error) {
    return error.what();
  } catch (...) {
    return "Unknown error";
  }
}

}  // namespace

ReportPreview::ReportPreview(const engine::PreparedReport& report, std::string printerName)
    : report_(&report), printerName_(std::move(printerName)) {}

void ReportPreview::setEditor(engine::Report& report, Editor editor) {
  template_ = &report;
  editor_ = std::move(editor);
}

bool ReportPreview::edit(QWidget* parent) {
  if (!template_ || !editor_) return false;
  editor_(*template_, parent);
  try {
    edited_ = template_->prepare();
  } catch (const Exception& error) {
    currentApplication().showException(error.className(), error.what());
    return false;
  } catch (const std::exception& error) {
    currentApplication().showException("Exception", error.what());
    return false;
  }
  report_ = &*edited_;
  printerName_ = template_->options.printer;
  return true;
}

int ReportPreview::pageCount() const { return static_cast<int>(report_->pages.size()); }

void ReportPreview::showModal(QWidget* parent) {
  PreviewWindow window(
      *report_, [this] { return print(); }, parent);
  if (editor_)
    window.setEditAction([this, &window] {
      if (edit(&window)) window.showReport(*report_);
    });
  window.exec();
}

std::string ReportPreview::paintInto(QPagedPaintDevice& device, QPainter& painter, bool newPageBeforeFirst) {
  return errorOf([&] { engine::paintPages(device, painter, *report_, newPageBeforeFirst); });
}

std::string ReportPreview::dumpJson() const {
  std::string json;
  const std::string error = errorOf([&] { json = engine::dumpJson(*report_); });
  return error.empty() ? json : "{\"error\":\"dump failed\"}";
}

std::string ReportPreview::print() {
  return errorOf([&] { engine::printReport(*report_, printerName_); });
}

}  // namespace korvel::ui
