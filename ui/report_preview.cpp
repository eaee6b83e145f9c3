// Presentation of a prepared report; errors become texts here so that none
// crosses into the host.
#include "ui/report_preview.h"

#include <exception>

#include "base/exception.h"
#include "engine/output.h"
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
    : report_(report), printerName_(std::move(printerName)) {}

int ReportPreview::pageCount() const { return static_cast<int>(report_.pages.size()); }

void ReportPreview::showModal(QWidget* parent) {
  PreviewWindow window(
      report_, [this] { return print(); }, parent);
  window.exec();
}

std::string ReportPreview::paintInto(QPagedPaintDevice& device, QPainter& painter, bool newPageBeforeFirst) {
  return errorOf([&] { engine::paintPages(device, painter, report_, newPageBeforeFirst); });
}

std::string ReportPreview::dumpJson() const {
  std::string json;
  const std::string error = errorOf([&] { json = engine::dumpJson(report_); });
  return error.empty() ? json : "{\"error\":\"dump failed\"}";
}

std::string ReportPreview::print() {
  return errorOf([&] { engine::printReport(report_, printerName_); });
}

}  // namespace korvel::ui
