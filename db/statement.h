// Internal to the database layer: runs one SQL statement with bound
// parameter values on a connection and reads its whole result.
#pragma once

#include <string>
#include <vector>

#include "base/value.h"
#include "db/connection.h"

namespace korvel::db {

enum class ColumnKind { Text, Integer, Boolean, Float, Decimal, DateTime, Untyped, Other };

struct ResultColumn {
  std::string name;
  ColumnKind kind = ColumnKind::Other;
  int scale = 0;         // decimals of an exact-decimal column
  std::string typeName;  // for messages ("String", "Integer", ...)
};

struct ResultSet {
  std::vector<ResultColumn> columns;
  std::vector<std::vector<Value>> rows;
};

// sql has '?' markers, one per parameter value. Driver errors are raised
// through the connection's fail().
ResultSet runStatement(const Connection& connection, const std::string& sql,
                       const std::vector<Value>& parameters);

}  // namespace korvel::db
