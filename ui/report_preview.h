// The library's PreviewDocument over a prepared report: what the
// application object presents, whether in the preview window or headless.
#pragma once

#include <string>

#include "engine/prepared.h"
#include "korvel/preview_document.h"

namespace korvel::ui {

class ReportPreview : public PreviewDocument {
 public:
  // printerName: the report's printer, "Default" for the system default.
  ReportPreview(const engine::PreparedReport& report, std::string printerName);

  int pageCount() const override;
  void showModal(QWidget* parent) override;
  std::string paintInto(QPagedPaintDevice& device, QPainter& painter, bool newPageBeforeFirst) override;
  std::string dumpJson() const override;
  std::string print() override;

 private:
  const engine::PreparedReport& report_;
  std::string printerName_;
};

}  // namespace korvel::ui
