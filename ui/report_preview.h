// The library's PreviewDocument over a prepared report: what the
// application object presents, whether in the preview window or headless.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "engine/prepared.h"
#include "engine/report.h"
#include "korvel/preview_document.h"

namespace korvel::ui {

class ReportPreview : public PreviewDocument {
 public:
  // Opens the report in the designer, modal over parent; returns when it closes.
  using Editor = std::function<void(engine::Report& report, QWidget* parent)>;

  // printerName: the report's printer, "Default" for the system default.
  ReportPreview(const engine::PreparedReport& report, std::string printerName);

  // Enables the window's Edit button: it runs the editor on the report, then
  // prepares the report again and shows (and prints) the new pages.
  void setEditor(engine::Report& report, Editor editor);
  // What Edit does. False when the edited report cannot be prepared: the
  // error goes to the application's error report and the old pages stay.
  bool edit(QWidget* parent);

  int pageCount() const override;
  void showModal(QWidget* parent) override;
  std::string paintInto(QPagedPaintDevice& device, QPainter& painter, bool newPageBeforeFirst) override;
  std::string dumpJson() const override;
  std::string print() override;

 private:
  const engine::PreparedReport* report_;
  std::string printerName_;
  engine::Report* template_ = nullptr;
  Editor editor_;
  std::optional<engine::PreparedReport> edited_;
};

}  // namespace korvel::ui
