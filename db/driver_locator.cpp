// Location of the SQL Server and SQLite3 ODBC drivers: known library paths
// first (Debian and other Linux layouts), then the names registered with the
// driver manager (odbcinst.ini, or the ODBC administrator on Windows).
#include "db/driver_locator.h"

#include <array>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "base/exception.h"
#include "db/odbc_handle.h"

namespace korvel::db {

namespace {

struct DriverCandidates {
  std::string_view description;
  std::vector<std::string_view> paths;
  std::vector<std::string_view> names;
};

DriverCandidates candidatesFor(DriverKind kind) {
  if (kind == DriverKind::Sqlite)
    return {"SQLite3 ODBC driver",
            {"/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so",
             "/usr/lib/aarch64-linux-gnu/odbc/libsqlite3odbc.so", "/usr/lib64/libsqlite3odbc.so",
             "/usr/lib/libsqlite3odbc.so", "/usr/local/lib/libsqlite3odbc.so"},
            {"SQLite3", "SQLite3 ODBC Driver"}};
  return {"SQL Server ODBC driver (FreeTDS)",
          {"/usr/lib/x86_64-linux-gnu/odbc/libtdsodbc.so", "/usr/lib/aarch64-linux-gnu/odbc/libtdsodbc.so",
           "/usr/lib64/libtdsodbc.so", "/usr/lib/libtdsodbc.so", "/usr/local/lib/libtdsodbc.so"},
          {"FreeTDS", "ODBC Driver 18 for SQL Server", "ODBC Driver 17 for SQL Server", "SQL Server"}};
}

std::vector<std::string> registeredDrivers() {
  std::vector<std::string> names;
  odbc::Handle environment;
  if (!environment.allocate(SQL_HANDLE_ENV, SQL_NULL_HANDLE)) return names;
  SQLSetEnvAttr(environment.get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
  SQLCHAR name[256];
  SQLCHAR attributes[1024];
  SQLSMALLINT nameLength = 0, attributesLength = 0;
  SQLUSMALLINT direction = SQL_FETCH_FIRST;
  while (SQL_SUCCEEDED(SQLDrivers(environment.get(), direction, name, sizeof name, &nameLength, attributes,
                                  sizeof attributes, &attributesLength))) {
    names.emplace_back(reinterpret_cast<const char*>(name));
    direction = SQL_FETCH_NEXT;
  }
  return names;
}

}  // namespace

std::string odbcDriverFor(DriverKind kind) {
  const DriverCandidates candidates = candidatesFor(kind);
  for (auto path : candidates.paths) {
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) return std::string(path);
  }
  const auto registered = registeredDrivers();
  for (auto wanted : candidates.names)
    for (const auto& name : registered)
      if (name == wanted) return "{" + name + "}";
  throw EOleException("The " + std::string(candidates.description) + " is not installed");
}

}  // namespace korvel::db
