// The stored query texts are written in SQL Server's dialect. This adapter
// gives each server kind a plan it can run: SQL Server gets the text
// exactly as stored; SQLite gets IFNULL for ISNULL and the T-SQL batch
// "IF <condition> SELECT ... ELSE SELECT ..." split into a test query and
// the two alternative selects. Pure functions: no database involved.
#pragma once

#include <string>
#include <string_view>

namespace korvel::db {

enum class ServerKind { SqlServer, Sqlite, Other };

struct SqlPlan {
  std::string statement;      // run this when there is no condition or it holds
  std::string condition;      // empty, or a query giving one row with 1 (holds) or 0
  std::string elseStatement;  // run when the condition gives 0; may be empty (no result)
  bool conditional() const { return !condition.empty(); }
};

// Raises EDatabaseError for an IF batch it cannot split.
SqlPlan planFor(std::string_view sql, ServerKind kind);

// ISNULL( becomes IFNULL( in code (any case, blanks allowed before the parenthesis).
std::string replaceIsNull(std::string_view sql);

}  // namespace korvel::db
