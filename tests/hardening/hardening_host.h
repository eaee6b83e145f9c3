// Shared pieces of the hardening tests: demo-database copies that a test
// may break on purpose, the test DSN pointing at them, TCP listeners that
// stand in for unreachable servers, and reading the headless preview.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tests/library/library_host.h"

namespace korvel::testing {

// Runs SQL on a SQLite file (not through the library); fails the test on
// an error.
void execSql(const std::filesystem::path& database, const std::string& sql);
// Every column name of a table or view.
std::vector<std::string> columnsOf(const std::filesystem::path& database, const std::string& table);
// Replaces the stored SQL of a view (text replaced once, must be present).
void editView(const std::filesystem::path& database, const std::string& view, const std::string& from,
              const std::string& to);

// The data source name the tests point at their own database file.
inline constexpr const char* hardeningAlias = "Hardening";
// (Re)defines that data source in the test odbc.ini.
void defineHardeningAlias(const std::filesystem::path& database);

// Every text of the prepared pages of a preview dump.
std::vector<std::string> printedTexts(const std::string& dumpJson);
int printedCopies(const std::string& dumpJson);

// A listener on 127.0.0.1 that takes connections and never answers.
class SilentServer {
 public:
  SilentServer();
  ~SilentServer();
  SilentServer(const SilentServer&) = delete;
  SilentServer& operator=(const SilentServer&) = delete;
  int port() const { return port_; }

 private:
  int socket_ = -1;
  int port_ = 0;
};

// A port on 127.0.0.1 where nothing listens: connections are refused.
int closedPort();

// A program folder with a copy of the demo database that both connections
// use (MDBConnect.ini and the alias), document 101 by default.
// Its members are public so tables of cases can arrange them from plain
// functions and lambdas.
class DemoDatabaseTest : public LibraryTest {
 public:
  DemoDatabaseTest();
  using LibraryTest::arguments;
  using LibraryTest::closeForm;
  using LibraryTest::folder;
  using LibraryTest::form;
  using LibraryTest::host;
  using LibraryTest::library;
  using LibraryTest::sqliteConnection;
  using LibraryTest::writeIni;

  // The single preview of the last call; fails the test if there is none or
  // an error was reported.
  const RecordingApplication::Preview& onlyPreview() const;
  void callAndClose();

  std::filesystem::path database;
};

}  // namespace korvel::testing
