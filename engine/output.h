// Outputs of a prepared report: drawing on any Qt paint device, PDF, PNG,
// the printer, and a JSON dump for tests and for reading a report without
// pixels. Drawing uses the layout's own line breaks, so every output shows
// the same lines as the preview.
#pragma once

#include <cstddef>
#include <string>

#include "engine/prepared.h"

class QPainter;
class QPagedPaintDevice;

namespace korvel::engine {

// Draws one sheet with its top-left corner at the painter's origin.
void paintPage(QPainter& painter, const PreparedPage& page, double pixelsPerMm);

// Draws every sheet, each on a new page of the device (also the first one
// when newPageBeforeFirst), so several reports can share one document. The
// device's origin must be the paper's corner (no margins, full page).
void paintPages(QPagedPaintDevice& device, QPainter& painter, const PreparedReport& report,
                bool newPageBeforeFirst);

// Vector PDF with embedded fonts. EPrinterError when the file cannot be written.
void writePdf(const PreparedReport& report, const std::string& path);

// One sheet as a PNG image at the given resolution (10 to 1200 dpi).
void writePng(const PreparedReport& report, std::size_t pageIndex, const std::string& path, int dpi);

// Prints on the named printer ("Default": the system's default printer)
// with the report's number of copies, not collated, without a dialog.
// EPrinterError when there is no such printer or none at all.
void printReport(const PreparedReport& report, const std::string& printerName);

// {"copies":N,"variables":[...],"pages":[{"number":1,"width_mm":210,...,"items":[...]}]}
std::string dumpJson(const PreparedReport& report);

}  // namespace korvel::engine
