// The hardening tests' database copies, test DSN, listeners and preview
// reading.
#include "tests/hardening/hardening_host.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sqlite3.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <fstream>
#include <sstream>

namespace korvel::testing {

namespace {

struct Database {
  explicit Database(const std::filesystem::path& path) {
    if (sqlite3_open(path.c_str(), &handle) != SQLITE_OK) ADD_FAILURE() << sqlite3_errmsg(handle);
  }
  ~Database() { sqlite3_close(handle); }
  sqlite3* handle = nullptr;
};

// A socket bound to 127.0.0.1 on a free port.
int boundSocket(int& port) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
    throw std::runtime_error("cannot bind a local socket");
  socklen_t length = sizeof address;
  getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  port = ntohs(address.sin_port);
  return fd;
}

}  // namespace

void execSql(const std::filesystem::path& database, const std::string& sql) {
  Database db(database);
  char* error = nullptr;
  if (sqlite3_exec(db.handle, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    ADD_FAILURE() << sql << ": " << (error ? error : "?");
    sqlite3_free(error);
  }
}

std::vector<std::string> columnsOf(const std::filesystem::path& database, const std::string& table) {
  Database db(database);
  std::vector<std::string> columns;
  sqlite3_stmt* statement = nullptr;
  const std::string sql = "PRAGMA table_info(" + table + ")";
  sqlite3_prepare_v2(db.handle, sql.c_str(), -1, &statement, nullptr);
  while (sqlite3_step(statement) == SQLITE_ROW)
    columns.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, 1)));
  sqlite3_finalize(statement);
  return columns;
}

void editView(const std::filesystem::path& database, const std::string& view, const std::string& from,
              const std::string& to) {
  std::string sql;
  {
    Database db(database);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db.handle, "SELECT sql FROM sqlite_master WHERE type = 'view' AND name = ?", -1,
                       &statement, nullptr);
    sqlite3_bind_text(statement, 1, view.c_str(), -1, SQLITE_TRANSIENT);
    if (sqlite3_step(statement) == SQLITE_ROW)
      sql = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    sqlite3_finalize(statement);
  }
  const auto at = sql.find(from);
  ASSERT_NE(at, std::string::npos) << from << " not in view " << view;
  sql.replace(at, from.size(), to);
  execSql(database, "DROP VIEW " + view + "; " + sql);
}

void defineHardeningAlias(const std::filesystem::path& database) {
  const auto ini = odbcFolder() / "odbc.ini";
  std::ifstream in(ini);
  std::string kept, line;
  while (std::getline(in, line) && line != std::string("[") + hardeningAlias + "]") kept += line + "\n";
  in.close();
  std::ofstream(ini) << kept << "[" << hardeningAlias << "]\nDriver=SQLite3\nDatabase=" << database.string()
                     << "\n";
}

std::vector<std::string> printedTexts(const std::string& dumpJson) {
  std::vector<std::string> texts;
  const auto document = QJsonDocument::fromJson(QByteArray::fromStdString(dumpJson));
  EXPECT_TRUE(document.isObject()) << "the preview dump is not JSON";
  for (const auto page : document.object()["pages"].toArray())
    for (const auto item : page.toObject()["items"].toArray())
      if (item.toObject()["kind"].toString() == "text")
        texts.push_back(item.toObject()["text"].toString().toStdString());
  return texts;
}

int printedCopies(const std::string& dumpJson) {
  return QJsonDocument::fromJson(QByteArray::fromStdString(dumpJson)).object()["copies"].toInt(-1);
}

SilentServer::SilentServer() {
  socket_ = boundSocket(port_);
  // The kernel completes the handshakes; nobody ever reads or writes.
  listen(socket_, 16);
}

SilentServer::~SilentServer() { close(socket_); }

int closedPort() {
  int port = 0;
  close(boundSocket(port));
  return port;
}

DemoDatabaseTest::DemoDatabaseTest() : database(folder / "demo.db") {
  std::filesystem::copy_file(KORVEL_DEMO_DB, database);
  std::filesystem::permissions(database, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
  writeIni(sqliteConnection(database));
  defineHardeningAlias(database);
  arguments.AliasName = hardeningAlias;
  arguments.IdDoc = 101;
}

const RecordingApplication::Preview& DemoDatabaseTest::onlyPreview() const {
  static const RecordingApplication::Preview none{0, "{}"};
  EXPECT_TRUE(host.errors.empty()) << host.errors.front();
  EXPECT_TRUE(host.messages.empty()) << host.messages.front();
  EXPECT_EQ(host.previews.size(), 1u);
  return host.previews.empty() ? none : host.previews.back();
}

void DemoDatabaseTest::callAndClose() {
  library.call(&host, arguments);
  closeForm();
}

}  // namespace korvel::testing
