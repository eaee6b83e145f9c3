// The application object on Qt Widgets, used by the sample host and as the
// library's own application object. In window mode it shows message boxes
// and the modal preview; in headless mode (no display: scripts, tests) it
// writes each message to standard error on one line and turns previews
// into a PDF file, a JSON dump and/or a print job.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "korvel/application.h"

class QPdfWriter;
class QPainter;

namespace korvel::ui {

struct HeadlessOutput {
  std::string pdfPath;   // every preview's pages, one after another
  std::string dumpPath;  // {"previews":[<dump of each preview>]}
  bool print = false;    // press Print in each preview
};

class QtApplication : public Application {
 public:
  using ErrorHandler = std::function<void(const std::string& className, const std::string& message)>;

  QtApplication(std::string title, std::string executablePath);
  ~QtApplication();

  void setMainForm(QWidget* form) { mainForm_ = form; }
  void setErrorHandler(ErrorHandler handler) { errorHandler_ = std::move(handler); }
  void setHeadless(HeadlessOutput output);
  bool headless() const { return headless_; }

  // Message boxes and error reports shown so far.
  int reportsShown() const { return reportsShown_; }
  // Closes the PDF and writes the dump of headless mode. Empty text on
  // success, else what failed.
  std::string finishOutput();

  std::string title() const override { return title_; }
  std::string executablePath() const override { return executablePath_; }
  QWidget* mainForm() const override { return mainForm_; }
  void showException(const std::string& className, const std::string& message) override;
  void showMessage(const std::string& text) override;
  void presentPreview(PreviewDocument& document) override;

 private:
  void writeLine(const std::string& prefix, const std::string& text);
  void presentHeadless(PreviewDocument& document);

  std::string title_;
  std::string executablePath_;
  QWidget* mainForm_ = nullptr;
  ErrorHandler errorHandler_;
  bool headless_ = false;
  HeadlessOutput output_;
  int reportsShown_ = 0;
  std::vector<std::string> dumps_;
  std::unique_ptr<QPdfWriter> pdf_;
  std::unique_ptr<QPainter> pdfPainter_;
  int pdfPreviews_ = 0;
};

// The error box text: the message with a full stop added when it has none.
std::string withFullStop(const std::string& message);

}  // namespace korvel::ui
