// Upper-casing one UTF-8 character with a fixed table, so the result never
// depends on the C library's locale.
#include "words/proper.h"

namespace korvel::words {
namespace {

char32_t upperCase(char32_t c) {
  if (c >= U'a' && c <= U'z') return c - 0x20;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;  // à to þ, not ÷
  if (c >= 0x430 && c <= 0x44F) return c - 0x20;             // а to я
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;             // ѐ to џ: ё, і, ў
  return c;
}

}  // namespace

std::string PROPER(std::string_view text) {
  std::string result(text);
  const std::size_t i = result.find_first_not_of(' ');
  if (i == std::string::npos) return result;
  const auto lead = static_cast<unsigned char>(result[i]);
  if (lead < 0x80) {
    result[i] = static_cast<char>(upperCase(lead));
  } else if ((lead & 0xE0) == 0xC0 && i + 1 < result.size()) {
    // Every letter the table knows is two bytes long, in lower and upper case.
    const auto trail = static_cast<unsigned char>(result[i + 1]);
    if ((trail & 0xC0) != 0x80) return result;
    const char32_t upper = upperCase(static_cast<char32_t>((lead & 0x1F) << 6 | (trail & 0x3F)));
    result[i] = static_cast<char>(0xC0 | upper >> 6);
    result[i + 1] = static_cast<char>(0x80 | (upper & 0x3F));
  }
  return result;
}

}  // namespace korvel::words
