// Small prepared reports and a Qt application for the ui tests.
#pragma once

#include <string>
#include <vector>

#include "engine/prepared.h"
#include "korvel/application.h"
#include "korvel/preview_document.h"

namespace korvel::ui::testing {

// `pages` A4 sheets, each with one text box reading "Лист <n>".
engine::PreparedReport sampleReport(int pages, int copies = 1);

// The QApplication of the test program (offscreen platform).
void ensureQtApplication();

// Remembers everything the library asks of the application object.
class RecordingApplication : public Application {
 public:
  std::vector<std::string> errors;  // "<class>: <message>"
  std::vector<std::string> messages;
  int previews = 0;

  std::string title() const override { return "Test host"; }
  std::string executablePath() const override { return "/nonexistent/host"; }
  QWidget* mainForm() const override { return nullptr; }
  void showException(const std::string& className, const std::string& message) override {
    errors.push_back(className + ": " + message);
  }
  void showMessage(const std::string& text) override { messages.push_back(text); }
  void presentPreview(PreviewDocument&) override { ++previews; }
};

}  // namespace korvel::ui::testing
