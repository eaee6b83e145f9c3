// Small text helpers of the database layer: case-insensitive comparison of
// ASCII names (keys, field and parameter names) and trimming.
#pragma once

#include <string>
#include <string_view>

namespace korvel::db {

bool equalsIgnoreCase(std::string_view a, std::string_view b);
std::string toUpperAscii(std::string_view text);
std::string_view trimBlanks(std::string_view text);

}  // namespace korvel::db
