// Adaptation of SQL Server texts to SQLite.
#include "db/sql_dialect.h"

#include "base/exception.h"
#include "db/sql_scanner.h"

namespace korvel::db {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Position of the first code keyword at parenthesis depth 0 from pos on, or npos.
std::size_t findTopLevel(std::string_view sql, const std::vector<bool>& code, std::size_t pos,
                         std::string_view keyword) {
  int depth = 0;
  for (; pos < sql.size(); ++pos) {
    if (!code[pos]) continue;
    if (sql[pos] == '(') ++depth;
    if (sql[pos] == ')') --depth;
    if (depth == 0 && keywordAt(sql, code, pos, keyword)) return pos;
  }
  return std::string_view::npos;
}

std::size_t firstCode(std::string_view sql, const std::vector<bool>& code) {
  std::size_t pos = 0;
  while (pos < sql.size() && (!code[pos] || isBlank(sql[pos]))) ++pos;
  return pos;
}

SqlPlan splitIfBatch(const std::string& sql, const std::vector<bool>& code, std::size_t ifPos) {
  const std::size_t conditionStart = ifPos + 2;
  const std::size_t thenStart = findTopLevel(sql, code, conditionStart, "select");
  if (thenStart == std::string::npos)
    throw EDatabaseError("Unsupported SQL batch for SQLite: IF is not followed by a SELECT");
  const std::string condition = sql.substr(conditionStart, thenStart - conditionStart);
  if (condition.find_first_not_of(" \t\r\n") == std::string::npos)
    throw EDatabaseError("Unsupported SQL batch for SQLite: IF has no condition");
  SqlPlan plan;
  plan.condition = "SELECT CASE WHEN " + condition + " THEN 1 ELSE 0 END";
  const std::size_t elsePos = findTopLevel(sql, code, thenStart, "else");
  if (elsePos == std::string::npos) {
    plan.statement = sql.substr(thenStart);
  } else {
    plan.statement = sql.substr(thenStart, elsePos - thenStart);
    plan.elseStatement = sql.substr(elsePos + 4);
    if (findTopLevel(sql, code, elsePos + 4, "else") != std::string::npos)
      throw EDatabaseError("Unsupported SQL batch for SQLite: more than one ELSE");
  }
  return plan;
}

}  // namespace

std::string replaceIsNull(std::string_view sql) {
  const auto code = codeMask(sql);
  std::string result(sql);
  for (std::size_t pos = 0; pos < sql.size(); ++pos) {
    if (!keywordAt(sql, code, pos, "isnull")) continue;
    std::size_t after = pos + 6;
    while (after < sql.size() && isBlank(sql[after]) && code[after]) ++after;
    if (after < sql.size() && sql[after] == '(' && code[after]) {
      result[pos + 1] = sql[pos + 1] == 's' ? 'f' : 'F';
      pos += 5;
    }
  }
  return result;
}

SqlPlan planFor(std::string_view sql, ServerKind kind) {
  if (kind != ServerKind::Sqlite) return SqlPlan{std::string(sql), {}, {}};
  const std::string adapted = replaceIsNull(sql);
  const auto code = codeMask(adapted);
  const std::size_t start = firstCode(adapted, code);
  if (keywordAt(adapted, code, start, "if")) return splitIfBatch(adapted, code, start);
  return SqlPlan{adapted, {}, {}};
}

}  // namespace korvel::db
