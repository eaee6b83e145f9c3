// The run test fixture: Qt, the ODBC data source, the per-case database
// and the recording application.
#include "tests/run/run_fixture.h"

#include <sqlite3.h>
#include <unistd.h>

#include <QApplication>
#include <QJsonDocument>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "base/number_text.h"
#include "korvel/preview_document.h"
#include "ui/current_application.h"

namespace korvel::testing {

namespace {

std::filesystem::path workFolder() {
  static const auto folder = [] {
    auto path = std::filesystem::temp_directory_path() / ("korvel_run_" + std::to_string(getpid()));
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    return path;
  }();
  return folder;
}

std::filesystem::path databaseFile() { return workFolder() / "document.db"; }

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void execute(sqlite3* db, const std::string& sql) {
  char* error = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    std::string message = error ? error : "unknown error";
    sqlite3_free(error);
    throw std::runtime_error("SQL failed: " + message + "\n" + sql);
  }
}

void buildDatabase(const std::string& sql) {
  std::filesystem::remove(databaseFile());
  std::filesystem::copy_file(KORVEL_DEMO_DB, databaseFile());
  sqlite3* db = nullptr;
  if (sqlite3_open(databaseFile().c_str(), &db) != SQLITE_OK) throw std::runtime_error("cannot open test db");
  try {
    execute(db, readFile(KORVEL_RUN_TEST_DOCUMENT));
    if (!sql.empty()) execute(db, sql);
  } catch (...) {
    sqlite3_close(db);
    throw;
  }
  sqlite3_close(db);
}

// The alias connection's data source and the connection string of the
// other connection both name the per-case database file.
void setUpOdbc() {
  const auto folder = workFolder();
  std::ofstream(folder / "odbcinst.ini") << "[SQLite3]\nDriver=" << KORVEL_SQLITE_ODBC_DRIVER << "\n";
  std::ofstream(folder / "odbc.ini") << "[RunDatabase]\nDriver=SQLite3\nDatabase=" << databaseFile().string()
                                     << "\nNoCreat=1\n";
  setenv("ODBCSYSINI", folder.c_str(), 1);
  setenv("ODBCINI", (folder / "odbc.ini").c_str(), 1);
  std::ofstream(folder / "MDBConnect.ini")
      << "Provider=SQLite;Data Source=" << databaseFile().string() << "\r\n";
}

QJsonArray allItems(const QJsonObject& dump) {
  QJsonArray all;
  for (const auto& page : dump["pages"].toArray())
    for (const auto& item : page.toObject()["items"].toArray()) all.append(item);
  return all;
}

}  // namespace

void RecordingApplication::presentPreview(PreviewDocument& document) { dumps.push_back(document.dumpJson()); }

std::vector<std::string> RunOutcome::texts(const std::string& name) const {
  std::vector<std::string> found;
  if (!preview) return found;
  for (const auto& item : allItems(*preview)) {
    const QJsonObject object = item.toObject();
    if (object["name"].toString().toStdString() == name)
      found.push_back(object["text"].toString().toStdString());
  }
  return found;
}

std::string RunOutcome::text(const std::string& name) const {
  const auto found = texts(name);
  EXPECT_EQ(found.size(), 1u) << name << " printed " << found.size() << " times";
  return found.empty() ? std::string("<not printed>") : found.front();
}

std::optional<QJsonObject> RunOutcome::variable(const std::string& name) const {
  if (!preview) return std::nullopt;
  for (const auto& entry : (*preview)["variables"].toArray())
    if (entry.toObject()["name"].toString().toStdString() == name) return entry.toObject();
  return std::nullopt;
}

int RunOutcome::pageCount() const {
  return preview ? static_cast<int>((*preview)["pages"].toArray().size()) : 0;
}

form::Settings typicalSettings() {
  form::Settings s;
  s.SumNDS_1 = true;
  s.VsegoSNDS_1 = true;
  s.Stoimost = true;
  s.IdDoc = 900;
  s.TTN = "0012345";
  s.NumDoc = "17";
  s.Seria = "АА";
  s.OtpRaz = "Кладовщик Петрова";
  s.DateDov = "01.02.2026";
  s.AliasName = "RunDatabase";
  s.DbParam1 = "USER NAME=korvel";
  s.DbParam2 = "PASSWORD=";
  return s;
}

void RunTest::SetUpTestSuite() {
  static int argc = 1;
  static char name[] = "korvel_run_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* application = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    setUpOdbc();
    return new QApplication(argc, argv);
  }();
  (void)application;
}

void RunTest::TearDown() {
  useLocaleDecimalSeparator();
  ui::setCurrentApplication(nullptr);
}

RunOutcome RunTest::run(const form::Settings& settings, const std::string& sql, char separator) {
  buildDatabase(sql);
  setDecimalSeparator(separator);
  RecordingApplication host((workFolder() / "host").string());
  ui::setCurrentApplication(&host);
  RunOutcome outcome;
  outcome.form = std::make_unique<form::TNaklForm>(nullptr, settings);
  ui::setCurrentApplication(nullptr);
  outcome.errors = host.errors;
  EXPECT_LE(host.dumps.size(), 1u);
  if (!host.dumps.empty())
    outcome.preview = QJsonDocument::fromJson(QByteArray::fromStdString(host.dumps[0])).object();
  return outcome;
}

RunOutcome RunTest::runClean(const form::Settings& settings, const std::string& sql, char separator) {
  RunOutcome outcome = run(settings, sql, separator);
  EXPECT_TRUE(outcome.errors.empty()) << outcome.errors.front();
  EXPECT_TRUE(outcome.preview.has_value());
  return outcome;
}

std::optional<std::filesystem::path> renderFolder() {
  const char* folder = std::getenv("KORVEL_RUN_PNG_DIR");
  if (!folder || !*folder) return std::nullopt;
  return std::filesystem::path(folder);
}

}  // namespace korvel::testing
