// Copying the export's arguments.
#include "library/settings_arguments.h"

namespace korvel::library {

std::string copyText(const char* text) { return text ? std::string(text) : std::string(); }

std::string firstCharacters(std::string_view text, std::size_t count) {
  std::size_t end = 0;
  for (std::size_t characters = 0; end < text.size() && characters < count; ++characters) {
    ++end;
    // Continuation bytes belong to the character just started.
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  }
  return std::string(text.substr(0, end));
}

}  // namespace korvel::library
