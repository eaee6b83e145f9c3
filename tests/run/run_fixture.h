// Runs the real waybill form over a copy of the demo database with test
// document 900, under a recording application object, and reads the JSON
// dump of the prepared report it presents.
#pragma once

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "form/nakl_form.h"
#include "korvel/application.h"

namespace korvel::testing {

class RecordingApplication : public Application {
 public:
  explicit RecordingApplication(std::string executablePath) : executablePath_(std::move(executablePath)) {}

  std::vector<std::string> errors;  // "<class name>: <message>"
  std::vector<std::string> dumps;   // one per presented report

  std::string title() const override { return "Run test host"; }
  std::string executablePath() const override { return executablePath_; }
  QWidget* mainForm() const override { return nullptr; }
  void showException(const std::string& className, const std::string& message) override {
    errors.push_back(className + ": " + message);
  }
  void showMessage(const std::string& text) override { errors.push_back("message: " + text); }
  void presentPreview(PreviewDocument& document) override;

 private:
  std::string executablePath_;
};

// What one Run left: the reported errors, the presented report (if any)
// and the form with its template as Run left it.
struct RunOutcome {
  std::vector<std::string> errors;
  std::optional<QJsonObject> preview;
  std::unique_ptr<form::TNaklForm> form;

  // The printed texts of an object, one per time it prints.
  std::vector<std::string> texts(const std::string& name) const;
  // The single printed text of an object; fails the test otherwise.
  std::string text(const std::string& name) const;
  // A variable of the prepared report: {"name","category","value"}.
  std::optional<QJsonObject> variable(const std::string& name) const;
  int pageCount() const;
};

// The call options a typical host passes for document 900.
form::Settings typicalSettings();

class RunTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void TearDown() override;

  // Builds the database (demo copy, document 900, then sql) and runs the
  // form with settings; decimal separator given for the whole run.
  RunOutcome run(const form::Settings& settings, const std::string& sql = "", char separator = ',');
  // As run(), expecting a clean run with one presented report.
  RunOutcome runClean(const form::Settings& settings, const std::string& sql = "", char separator = ',');
};

// The folder where the demo documents are rendered, when asked for.
std::optional<std::filesystem::path> renderFolder();

}  // namespace korvel::testing
