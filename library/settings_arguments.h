// The export's arguments as a Settings record: texts copied (null is
// empty), Booleans from one byte, the copies converted strictly and the
// login lines cut to their first characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "form/settings.h"

namespace korvel::library {

std::string copyText(const char* text);
// The first `count` characters of a UTF-8 text, never splitting one.
std::string firstCharacters(std::string_view text, std::size_t count);

}  // namespace korvel::library
