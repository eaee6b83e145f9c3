// Opening and closing ODBC connections, server detection and errors.
#include "db/connection.h"

#include "base/exception.h"
#include "db/odbc_handle.h"

namespace korvel::db {

struct Connection::Handles {
  odbc::Handle environment;
  odbc::Handle connection;
};

Connection::Connection(ErrorKind errorKind) : errorKind_(errorKind) {}

Connection::~Connection() = default;

bool Connection::connected() const { return handles_ != nullptr; }

const odbc::Handle& Connection::odbcConnection() const {
  if (!handles_) fail("Database is not connected");
  return handles_->connection;
}

std::string Connection::withoutPassword(std::string message) const {
  if (password_.empty()) return message;
  for (std::size_t pos = message.find(password_); pos != std::string::npos;
       pos = message.find(password_, pos + 3))
    message.replace(pos, password_.size(), "***");
  return message;
}

void Connection::fail(const std::string& message) const {
  const std::string text = withoutPassword(message);
  if (errorKind_ == ErrorKind::OleDb) throw EOleException(text);
  throw EDBEngineError(text);
}

namespace {

ServerKind serverKindOf(const odbc::Handle& connection) {
  SQLCHAR name[256] = {};
  SQLSMALLINT length = 0;
  if (!SQL_SUCCEEDED(SQLGetInfo(connection.get(), SQL_DBMS_NAME, name, sizeof name, &length)))
    return ServerKind::Other;
  const std::string dbms(reinterpret_cast<const char*>(name));
  if (dbms.find("SQLite") != std::string::npos) return ServerKind::Sqlite;
  if (dbms.find("SQL Server") != std::string::npos) return ServerKind::SqlServer;
  return ServerKind::Other;
}

}  // namespace

void Connection::openOdbc(const std::string& connectionString, const std::string& password,
                          int loginTimeoutSeconds) {
  closeOdbc();
  password_ = password;
  auto handles = std::make_unique<Handles>();
  if (!handles->environment.allocate(SQL_HANDLE_ENV, SQL_NULL_HANDLE))
    fail("Cannot initialise the ODBC driver manager");
  SQLSetEnvAttr(handles->environment.get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3),
                0);
  if (!handles->connection.allocate(SQL_HANDLE_DBC, handles->environment.get()))
    fail(odbc::diagnostics(handles->environment));
  SQLHDBC dbc = handles->connection.get();
  // Both are requests: a driver without them still connects.
  SQLSetConnectAttr(dbc, SQL_ATTR_LOGIN_TIMEOUT,
                    reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(loginTimeoutSeconds)), 0);
  SQLSetConnectAttr(dbc, SQL_ATTR_ACCESS_MODE, reinterpret_cast<SQLPOINTER>(SQLULEN{SQL_MODE_READ_ONLY}), 0);

  std::string text = connectionString;
  SQLCHAR completed[1024];
  SQLSMALLINT completedLength = 0;
  const SQLRETURN rc = SQLDriverConnect(dbc, nullptr, reinterpret_cast<SQLCHAR*>(text.data()),
                                        static_cast<SQLSMALLINT>(text.size()), completed, sizeof completed,
                                        &completedLength, SQL_DRIVER_NOPROMPT);
  if (!SQL_SUCCEEDED(rc)) {
    std::string message = odbc::diagnostics(handles->connection);
    // Not connected: the handle must not be disconnected on release.
    fail(message.empty() ? "Cannot connect to the database" : message);
  }
  serverKind_ = serverKindOf(handles->connection);
  handles_ = std::move(handles);
  if (serverKind_ == ServerKind::Sqlite) prepareSqlite();
}

// SQLite opens any file lazily; reading its catalogue now turns a file that
// is not a database into a connection error instead of a failure of the
// first query. The driver ignores the read-only access mode, so the
// connection is made read-only with SQLite's own setting.
void Connection::prepareSqlite() {
  odbc::Handle statement;
  if (!statement.allocate(SQL_HANDLE_STMT, handles_->connection.get())) return;
  SQLCHAR readOnly[] = "PRAGMA query_only = 1";
  SQLCHAR probe[] = "SELECT count(*) FROM sqlite_master";
  if (SQL_SUCCEEDED(SQLExecDirect(statement.get(), readOnly, SQL_NTS)) &&
      SQL_SUCCEEDED(SQLFreeStmt(statement.get(), SQL_CLOSE)) &&
      SQL_SUCCEEDED(SQLExecDirect(statement.get(), probe, SQL_NTS)))
    return;
  std::string message = odbc::diagnostics(statement);
  statement.reset();
  closeOdbc();
  fail(message);
}

void Connection::closeOdbc() { handles_.reset(); }

}  // namespace korvel::db
