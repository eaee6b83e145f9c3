// Where an OLE DB connection string leads in ODBC terms: the SQL Server
// providers go to a SQL Server ODBC driver (FreeTDS here), MSDASQL to an
// ODBC data source or ODBC connection string, and "SQLite" to the SQLite3
// ODBC driver with a database file opened read-only. A pure function: the
// drivers are named by the caller's resolver.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "db/connection.h"
#include "db/connection_string.h"

namespace korvel::db {

enum class DriverKind { SqlServer, Sqlite };

// The value for DRIVER= ("{FreeTDS}" or a library path); raises
// EOleException when the driver is not installed.
using DriverResolver = std::function<std::string(DriverKind)>;

struct OdbcTarget {
  std::string connectionString;
  std::string password;                                              // to keep it out of messages
  std::filesystem::path databaseFile;                                // SQLite only
  int loginTimeoutSeconds = Connection::defaultLoginTimeoutSeconds;  // or "Connect Timeout"
};

inline constexpr std::string_view defaultProvider = "SQLOLEDB.1";

// Missing keys and unknown providers raise EOleException. A relative SQLite
// file is taken relative to baseFolder (the host program's folder).
OdbcTarget odbcTargetFor(const ConnectionProperties& properties, std::string_view provider,
                         const std::filesystem::path& baseFolder, const DriverResolver& driverFor);

// A value for an ODBC connection string, braced when it needs it.
std::string odbcValue(std::string_view value);

// "file:" URI opening the SQLite file read-only.
std::string sqliteReadOnlyUri(const std::filesystem::path& file);

}  // namespace korvel::db
