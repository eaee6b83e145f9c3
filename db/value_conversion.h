// Conversion of values read from a driver to the type a field declares,
// and of texts the drivers write (decimals with '.', ISO dates).
// Independent of the user's locale.
#pragma once

#include <optional>
#include <string_view>

#include "base/value.h"
#include "db/field_types.h"

namespace korvel::db {

std::optional<double> parseDecimal(std::string_view text);
std::optional<std::int64_t> parseInteger(std::string_view text);
// "YYYY-MM-DD", optionally followed by ' ' or 'T' and "HH:MM[:SS[.fff]]".
std::optional<DateTime> parseDateTime(std::string_view text);

// The value as the declared type; nullopt when it cannot be one (a text that
// is not a number for a numeric field). Null stays null.
std::optional<Value> convertTo(const Value& value, FieldType type);

}  // namespace korvel::db
