// Fuzz target: the SQL dialect adapter over arbitrary query texts, for every
// server kind.
#include <cstdint>
#include <string>

#include "base/exception.h"
#include "db/sql_dialect.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view sql(reinterpret_cast<const char*>(data), size);
  using korvel::db::ServerKind;
  for (const ServerKind kind : {ServerKind::SqlServer, ServerKind::Sqlite, ServerKind::Other}) {
    try {
      korvel::db::planFor(sql, kind);
    } catch (const korvel::Exception&) {
    }
  }
  korvel::db::replaceIsNull(sql);
  return 0;
}
