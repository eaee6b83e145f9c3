// Finds the installed ODBC drivers the connection-string connection needs.
// The one place that knows driver names and library locations.
#pragma once

#include <string>

#include "db/odbc_target.h"

namespace korvel::db {

// The value for DRIVER=: the driver library's path when it lies at a known
// place, else the braced name under which the driver is registered with the
// driver manager. Raises EOleException when neither is found.
std::string odbcDriverFor(DriverKind kind);

}  // namespace korvel::db
