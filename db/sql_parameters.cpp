// Parameter markers of SQL texts.
#include "db/sql_parameters.h"

#include "db/sql_scanner.h"

namespace korvel::db {

namespace {
bool isNameStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
}  // namespace

ParameterizedSql parameterize(std::string_view sql) {
  const auto code = codeMask(sql);
  ParameterizedSql result;
  std::size_t pos = 0;
  while (pos < sql.size()) {
    const bool marker = sql[pos] == ':' && code[pos] && pos + 1 < sql.size() && isNameStart(sql[pos + 1]) &&
                        (pos == 0 || (sql[pos - 1] != ':' && !isIdentifierChar(sql[pos - 1])));
    if (!marker) {
      result.sql += sql[pos++];
      continue;
    }
    std::size_t end = pos + 1;
    while (end < sql.size() && isIdentifierChar(sql[end])) ++end;
    result.names.emplace_back(sql.substr(pos + 1, end - pos - 1));
    result.sql += '?';
    pos = end;
  }
  return result;
}

}  // namespace korvel::db
