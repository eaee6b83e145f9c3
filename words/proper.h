// Capitalising the first letter of a text (UTF-8).
#pragma once

#include <string>
#include <string_view>

namespace korvel::words {

// The text with its first character after leading blanks (code 32 only)
// upper-cased; blanks kept. Handles Latin (with Latin-1 letters) and Cyrillic
// (Russian and Belarusian, "ё" and "ў" included) the same on every system;
// other characters stay as they are. An empty or all-blank text is returned
// unchanged.
std::string PROPER(std::string_view text);

}  // namespace korvel::words
