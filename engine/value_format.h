// How a value prints inside a text: the object's display format and hide
// zeros, otherwise numbers in the general form with the current decimal
// separator and dates in the short date format of the users' desktops.
#pragma once

#include <string>
#include <string_view>

#include "base/value.h"
#include "engine/model.h"

namespace korvel::engine {

std::string formatValue(const Value& value, const TextObject& object);
// A number under the " #n" format of its brackets ("%2,2f": two decimals, a
// comma), in place of the object's display format; other values as above.
std::string formatValue(const Value& value, const TextObject& object, std::string_view numberFormat);

// "dd.MM.yyyy", "hh:mm:ss" for a bare time of day, both for a date with a time.
std::string formatDateTime(const DateTime& moment);

}  // namespace korvel::engine
