// Connection by OLE DB connection string.
#include "db/connection_string_connection.h"

#include <system_error>

#include "db/connection_string.h"
#include "db/driver_locator.h"
#include "db/odbc_target.h"
#include "db/text_util.h"

namespace korvel::db {

ConnectionStringConnection::ConnectionStringConnection(std::filesystem::path baseFolder)
    : Connection(ErrorKind::OleDb), provider_(defaultProvider), baseFolder_(std::move(baseFolder)) {}

void ConnectionStringConnection::open() {
  if (connected()) return;
  if (trimBlanks(connectionString_).empty()) fail("The connection string is empty");
  const OdbcTarget target =
      odbcTargetFor(parseConnectionString(connectionString_), provider_, baseFolder_, odbcDriverFor);
  if (!target.databaseFile.empty()) {
    // The driver only says "connect failed" for a missing file.
    std::error_code error;
    if (!std::filesystem::is_regular_file(target.databaseFile, error))
      fail("Database file not found: " + target.databaseFile.string());
  }
  openOdbc(target.connectionString, target.password, target.loginTimeoutSeconds);
}

void ConnectionStringConnection::close() { closeOdbc(); }

}  // namespace korvel::db
