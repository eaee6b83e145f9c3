// The host's application object as the library sees it. The host creates
// one and passes it to ShowBegRepForm; from then on the library's windows,
// message boxes and error reports go through it. Pure interface without
// data, so it crosses the library boundary with nothing else exported.
#pragma once

#include <string>

class QWidget;

namespace korvel {

class PreviewDocument;

class Application {
 public:
  virtual std::string title() const = 0;
  // Full path of the running program (not of the library).
  virtual std::string executablePath() const = 0;
  // The window that owns the library's forms; may be null.
  virtual QWidget* mainForm() const = 0;

  // The standard error report: the application-wide error handler when
  // one is set, otherwise an error box with the message (a full stop added
  // when it has none) under the application's title.
  virtual void showException(const std::string& className, const std::string& message) = 0;
  // The simple message box.
  virtual void showMessage(const std::string& text) = 0;
  // Presents a prepared report: the modal preview window, or whatever a
  // host without a display does instead. Returns when presentation is over.
  virtual void presentPreview(PreviewDocument& document) = 0;

 protected:
  ~Application() = default;
};

}  // namespace korvel
