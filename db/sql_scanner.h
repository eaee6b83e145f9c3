// Which characters of an SQL text are code, as opposed to string literals,
// quoted identifiers and comments. Parameter parsing and the dialect adapter
// change only code, so a ':' or "ISNULL(" inside a literal stays as written.
#pragma once

#include <string_view>
#include <vector>

namespace korvel::db {

// One flag per character of sql: true where the character is code. An
// unterminated literal or comment runs to the end of the text.
std::vector<bool> codeMask(std::string_view sql);

bool isIdentifierChar(char c);

// Whether a keyword (ASCII letters, any case) stands at pos as a whole word of code.
bool keywordAt(std::string_view sql, const std::vector<bool>& code, std::size_t pos,
               std::string_view keyword);

}  // namespace korvel::db
