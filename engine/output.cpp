// Drawing of prepared sheets with QPainter, and the PDF, PNG and printer
// outputs built on it.
#include "engine/output.h"

#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "base/exception.h"
#include "engine/band_layout.h"
#include "engine/fonts.h"
#include "engine/model.h"
#include "engine/text_metrics.h"

namespace korvel::engine {
namespace {

// A width in pixels at 96 dpi as a pen; the thinnest lines are cosmetic.
QPen penFor(double widthPx, double pixelsPerMm) {
  QPen pen(Qt::black);
  pen.setWidthF(widthPx <= 0.1 + 1e-9 ? 0.0 : widthPx * kMmPerPixel * pixelsPerMm);
  pen.setCapStyle(Qt::SquareCap);
  return pen;
}

void drawFrame(QPainter& painter, const PreparedItem& item, const QRectF& box, double pixelsPerMm) {
  if (!item.frame.any()) return;
  painter.setPen(penFor(item.frame.widthPx, pixelsPerMm));
  if (item.frame.top) painter.drawLine(box.topLeft(), box.topRight());
  if (item.frame.bottom) painter.drawLine(box.bottomLeft(), box.bottomRight());
  if (item.frame.left) painter.drawLine(box.topLeft(), box.bottomLeft());
  if (item.frame.right) painter.drawLine(box.topRight(), box.bottomRight());
}

void drawText(QPainter& painter, const PreparedItem& item, double pixelsPerMm, TextMetrics& metrics) {
  if (item.lines.empty()) return;
  QFont font = qtFont(item.font);
  // The template's point size at this scale, whatever the device's resolution.
  font.setPointSizeF(effectiveSizePt(item.font) * pixelsPerMm * 25.4 / painter.device()->logicalDpiY());
  painter.setFont(font);
  painter.setPen(Qt::black);

  double lineHeight = metrics.lineHeightMm(item.font);
  double pitch = lineHeight + item.lineSpacingPx * kMmPerPixel;
  double block = textBlockHeight(item.lines.size(), lineHeight, item.lineSpacingPx);
  double innerTop = item.topMm + kTextGapYMm, innerHeight = item.heightMm - 2 * kTextGapYMm;
  // Text taller than its box starts at the top, so its first lines show.
  double y = item.valign == VAlign::Top || block > innerHeight ? innerTop
             : item.valign == VAlign::Center                   ? innerTop + (innerHeight - block) / 2
                                                               : innerTop + innerHeight - block;
  double innerLeft = item.leftMm + kTextGapXMm, innerWidth = item.widthMm - 2 * kTextGapXMm;
  double ascent = metrics.ascentMm(item.font);
  double boxBottom = item.topMm + item.heightMm;
  for (std::size_t i = 0; i < item.lines.size(); ++i, y += pitch) {
    // Lines that start below the box stay hidden, as in a box that cannot grow.
    if (i > 0 && y >= boxBottom - 1e-6) break;
    const std::string& line = item.lines[i];
    double width = item.halign == HAlign::Left ? 0 : metrics.widthMm(line, item.font);
    double x = item.halign == HAlign::Left     ? innerLeft
               : item.halign == HAlign::Center ? innerLeft + (innerWidth - width) / 2
                                               : innerLeft + innerWidth - width;
    painter.drawText(QPointF(x * pixelsPerMm, (y + ascent) * pixelsPerMm), QString::fromStdString(line));
  }
}

void drawItem(QPainter& painter, const PreparedItem& item, double pixelsPerMm, TextMetrics& metrics) {
  QRectF box(item.leftMm * pixelsPerMm, item.topMm * pixelsPerMm, item.widthMm * pixelsPerMm,
             item.heightMm * pixelsPerMm);
  if (item.kind == ItemKind::Line) {
    painter.setPen(penFor(item.lineWidthPx, pixelsPerMm));
    painter.drawLine(box.topLeft(), item.vertical ? box.bottomLeft() : box.topRight());
    return;
  }
  drawText(painter, item, pixelsPerMm, metrics);
  drawFrame(painter, item, box, pixelsPerMm);
}

QPageLayout layoutFor(const PreparedPage& page) {
  bool landscape = page.widthMm > page.heightMm;
  QSizeF portrait = landscape ? QSizeF(page.heightMm, page.widthMm) : QSizeF(page.widthMm, page.heightMm);
  QPageSize size(portrait, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
  return QPageLayout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                     QPageLayout::Millimeter);
}

}  // namespace

void paintPage(QPainter& painter, const PreparedPage& page, double pixelsPerMm) {
  TextMetrics metrics;
  painter.save();
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  for (const PreparedItem& item : page.items) drawItem(painter, item, pixelsPerMm, metrics);
  painter.restore();
}

void paintPages(QPagedPaintDevice& device, QPainter& painter, const PreparedReport& report,
                bool newPageBeforeFirst) {
  for (std::size_t i = 0; i < report.pages.size(); ++i) {
    const PreparedPage& page = report.pages[i];
    if (i > 0 || newPageBeforeFirst) {
      device.setPageLayout(layoutFor(page));
      device.newPage();
    }
    paintPage(painter, page, painter.device()->logicalDpiX() / 25.4);
  }
}

void writePdf(const PreparedReport& report, const std::string& path) {
  QPdfWriter writer(QString::fromStdString(path));
  writer.setResolution(1152);
  writer.setCreator("Korvel");
  if (!report.pages.empty()) writer.setPageLayout(layoutFor(report.pages.front()));
  QPainter painter;
  if (!painter.begin(&writer)) throw EPrinterError("Cannot write the PDF file '" + path + "'");
  paintPages(writer, painter, report, false);
  if (!painter.end()) throw EPrinterError("Cannot write the PDF file '" + path + "'");
}

void writePng(const PreparedReport& report, std::size_t pageIndex, const std::string& path, int dpi) {
  if (pageIndex >= report.pages.size())
    throw EPrinterError("The report has no sheet " + std::to_string(pageIndex + 1));
  if (dpi < 10 || dpi > 1200)
    throw EPrinterError("A resolution of " + std::to_string(dpi) + " dpi is not supported");
  const PreparedPage& page = report.pages[pageIndex];
  double pixelsPerMm = dpi / 25.4;
  QImage image(static_cast<int>(page.widthMm * pixelsPerMm + 0.5),
               static_cast<int>(page.heightMm * pixelsPerMm + 0.5), QImage::Format_RGB32);
  int dotsPerMeter = static_cast<int>(dpi / 0.0254 + 0.5);
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    paintPage(painter, page, pixelsPerMm);
  }
  if (!image.save(QString::fromStdString(path), "PNG"))
    throw EPrinterError("Cannot write the PNG file '" + path + "'");
}

void printReport(const PreparedReport& report, const std::string& printerName) {
  if (QPrinterInfo::availablePrinters().isEmpty()) throw EPrinterError("No printer is installed");
  bool useDefault = printerName.empty() || sameName(printerName, "Default");
  QPrinterInfo info = useDefault ? QPrinterInfo::defaultPrinter()
                                 : QPrinterInfo::printerInfo(QString::fromStdString(printerName));
  if (info.isNull())
    throw EPrinterError(useDefault ? "No default printer is set"
                                   : "The printer '" + printerName + "' is not installed");
  if (report.pages.empty()) return;
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setFullPage(true);
  printer.setCopyCount(report.copies);
  printer.setCollateCopies(false);
  printer.setDocName("Korvel");
  printer.setPageLayout(layoutFor(report.pages.front()));
  QPainter painter;
  if (!painter.begin(&printer))
    throw EPrinterError("Cannot print on '" + info.printerName().toStdString() + "'");
  paintPages(printer, painter, report, false);
  painter.end();
}

}  // namespace korvel::engine
