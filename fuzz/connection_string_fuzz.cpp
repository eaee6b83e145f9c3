// Fuzz target: OLE DB connection strings from MDBConnect.ini, parsed and
// mapped to an ODBC target for the provider named in them (or the default).
#include <cstdint>
#include <string>

#include "base/exception.h"
#include "db/connection_string.h"
#include "db/odbc_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const auto properties = korvel::db::parseConnectionString(text);
    for (const auto& [key, value] : properties.items()) (void)properties.get(key);
    const auto driverFor = [](korvel::db::DriverKind kind) {
      return std::string(kind == korvel::db::DriverKind::SqlServer ? "{FreeTDS}" : "libsqlite3odbc.so");
    };
    korvel::db::odbcTargetFor(properties, korvel::db::defaultProvider, "/program", driverFor);
  } catch (const korvel::Exception&) {
  }
  return 0;
}
