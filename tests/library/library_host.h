// A test host for libkorvel: loads the real shared library with dlopen,
// records what the library asks of the application object, and lays out
// a program folder with MDBConnect.ini and databases.
#pragma once

#include <gtest/gtest.h>

#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "korvel/korvel.h"
#include "korvel/preview_document.h"

namespace korvel::testing {

// Every argument of ShowBegRepForm after the application object, with the
// values a typical host passes.
struct CallArguments {
  bool ReturnTypeTrPredpr = false;
  std::string OtpRaz = "Кладовщик Петрова";
  bool Tr = false, SumNDS_1 = true, VsegoSNDS_1 = true;
  std::string VesTr = "0", TTN = "0012345", NumDoc = "17", Seria = "АА", Pogr, Razg, VidPer, Prim;
  bool Stoimost = true, Stoimost2_1 = false, Stoimost2_2 = false, CheckNastrGrTov = false;
  bool Pr_CenPriobr = false, Pr_CenTr = false, Pr_ProcTr = false, Pr_CenWNal = false;
  std::string PRAll;
  std::int32_t IdDoc = 1;
  std::string AliasName = "MainDatabase", DbParam1 = "USER NAME=korvel", DbParam2 = "PASSWORD=", Copies = "1";
  bool Face3 = false;
  std::string DateDov, VlTr, SposPogr, SposRazgr, VrPrib, VrUb, VrProst, MOLGruzPoluch, NomPric, Agreement;
};

class RecordingApplication : public Application {
 public:
  struct Preview {
    int pages;
    std::string dump;
  };

  RecordingApplication(std::string executablePath, QWidget* mainForm)
      : executablePath_(std::move(executablePath)), mainForm_(mainForm) {}

  std::vector<std::string> errors;    // "<class name>: <message>"
  std::vector<std::string> messages;  // simple message boxes
  std::vector<Preview> previews;
  int calls() const { return static_cast<int>(errors.size() + messages.size() + previews.size()); }

  std::string title() const override { return "Test host"; }
  std::string executablePath() const override { return executablePath_; }
  QWidget* mainForm() const override { return mainForm_; }
  void showException(const std::string& className, const std::string& message) override {
    errors.push_back(className + ": " + message);
  }
  void showMessage(const std::string& text) override { messages.push_back(text); }
  void presentPreview(PreviewDocument& document) override {
    previews.push_back({document.pageCount(), document.dumpJson()});
  }

 private:
  std::string executablePath_;
  QWidget* mainForm_;
};

class LoadedLibrary {
 public:
  LoadedLibrary();
  ~LoadedLibrary() { unload(); }
  void call(Application* application, const CallArguments& arguments) const;
  void unload();
  ShowBegRepFormFunction function() const { return function_; }
  // Whether the library is still mapped into the process.
  static bool mapped();

 private:
  void* handle_ = nullptr;
  ShowBegRepFormFunction function_ = nullptr;
};

// A fresh program folder, main form and library per test.
class LibraryTest : public ::testing::Test {
 public:
  LibraryTest();
  ~LibraryTest() override;

  void writeIni(const std::string& bytes);
  // An empty SQLite database file (no tables).
  std::filesystem::path emptyDatabase(const std::string& name = "empty.db");
  std::string sqliteConnection(const std::filesystem::path& database) const {
    return "Provider=SQLite;Data Source=" + database.string();
  }
  // The form window the library opened under the main form, or null.
  QWidget* form() const;
  // Closes the form window as the user does and lets Qt free it.
  void closeForm();

  std::filesystem::path folder;
  std::unique_ptr<QWidget> mainForm;
  RecordingApplication host;
  CallArguments arguments;
  LoadedLibrary library;
};

// The DSN of the test odbc.ini: MainDatabase over an empty SQLite file.
std::filesystem::path odbcFolder();

}  // namespace korvel::testing
