// Classification of SQL text into code, literals and comments.
#include "db/sql_scanner.h"

#include "db/text_util.h"

namespace korvel::db {

std::vector<bool> codeMask(std::string_view sql) {
  std::vector<bool> code(sql.size(), true);
  std::size_t pos = 0;
  auto markUntil = [&](std::size_t end) {
    for (; pos < end && pos < sql.size(); ++pos) code[pos] = false;
  };
  while (pos < sql.size()) {
    const char c = sql[pos];
    const char nextChar = pos + 1 < sql.size() ? sql[pos + 1] : '\0';
    if (c == '\'' || c == '"' || c == '[') {
      const char close = c == '[' ? ']' : c;
      std::size_t end = pos + 1;
      while (true) {
        end = sql.find(close, end);
        if (end == std::string_view::npos) {
          end = sql.size();
          break;
        }
        // A doubled closing character stands for itself inside the literal.
        if (end + 1 < sql.size() && sql[end + 1] == close) {
          end += 2;
          continue;
        }
        ++end;
        break;
      }
      markUntil(end);
    } else if (c == '-' && nextChar == '-') {
      const std::size_t end = sql.find('\n', pos);
      markUntil(end == std::string_view::npos ? sql.size() : end);
    } else if (c == '/' && nextChar == '*') {
      const std::size_t end = sql.find("*/", pos + 2);
      markUntil(end == std::string_view::npos ? sql.size() : end + 2);
    } else {
      ++pos;
    }
  }
  return code;
}

bool isIdentifierChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool keywordAt(std::string_view sql, const std::vector<bool>& code, std::size_t pos,
               std::string_view keyword) {
  if (pos + keyword.size() > sql.size() || !code[pos]) return false;
  if (pos > 0 && isIdentifierChar(sql[pos - 1])) return false;
  if (!equalsIgnoreCase(sql.substr(pos, keyword.size()), keyword)) return false;
  const std::size_t after = pos + keyword.size();
  return after == sql.size() || !isIdentifierChar(sql[after]);
}

}  // namespace korvel::db
