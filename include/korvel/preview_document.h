// A prepared report as the library hands it to the host's application
// object for presentation. The library implements it; the host decides
// whether to open the preview window, write files or print. No method
// throws: failures come back as error texts.
#pragma once

#include <string>

class QPagedPaintDevice;
class QPainter;
class QWidget;

namespace korvel {

class PreviewDocument {
 public:
  virtual int pageCount() const = 0;
  // The modal preview window (Print and Edit buttons); returns when the
  // user closes it.
  virtual void showModal(QWidget* parent) = 0;
  // Paints every page onto an open painter, starting a new page first when
  // asked (so several documents can share one PDF). Empty text on success.
  virtual std::string paintInto(QPagedPaintDevice& device, QPainter& painter, bool newPageBeforeFirst) = 0;
  // The prepared report as JSON, for checks and scripts.
  virtual std::string dumpJson() const = 0;
  // What the preview's Print button does: every page, the report's copies,
  // the default printer, no dialog. Empty text on success, else the error.
  virtual std::string print() = 0;

 protected:
  ~PreviewDocument() = default;
};

}  // namespace korvel
