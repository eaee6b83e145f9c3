// Text to numbers in the current format: StrToFloat and StrToInt.
#include <charconv>
#include <limits>

#include "base/exception.h"
#include "base/number_text.h"

namespace korvel {
namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// [+|-] digits [separator digits] [E [+|-] digits], at least one mantissa
// digit, rewritten with "." for from_chars. Empty when the text is not that.
std::string canonicalFloat(std::string_view text, char separator) {
  std::string out;
  std::size_t i = 0;
  auto take = [&](char c) {
    if (i < text.size() && text[i] == c) {
      ++i;
      return true;
    }
    return false;
  };
  auto digits = [&]() {
    const std::size_t start = i;
    while (i < text.size() && isDigit(text[i])) out.push_back(text[i++]);
    return i - start;
  };
  if (take('-'))
    out.push_back('-');
  else
    take('+');
  std::size_t mantissaDigits = digits();
  if (take(separator)) {
    out.push_back('.');
    mantissaDigits += digits();
  }
  if (mantissaDigits == 0) return {};
  if (take('E') || take('e')) {
    out.push_back('e');
    if (take('-'))
      out.push_back('-');
    else
      take('+');
    if (digits() == 0) return {};
  }
  return i == text.size() ? out : std::string();
}

}  // namespace

double StrToFloat(std::string_view text) { return StrToFloat(text, decimalSeparator()); }

double StrToFloat(std::string_view text, char separator) {
  const std::string canonical = canonicalFloat(trimmed(text), separator);
  double value = 0;
  if (!canonical.empty()) {
    const auto result = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    if (result.ec == std::errc() && result.ptr == canonical.data() + canonical.size()) return value;
  }
  throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

std::int32_t StrToInt(std::string_view text) {
  std::string_view rest = text;
  while (!rest.empty() && isBlank(rest.front())) rest.remove_prefix(1);
  bool negative = false;
  if (!rest.empty() && (rest.front() == '-' || rest.front() == '+')) {
    negative = rest.front() == '-';
    rest.remove_prefix(1);
  }
  std::int64_t value = 0;
  bool valid = !rest.empty();
  for (char c : rest) {
    if (!isDigit(c) || value > std::numeric_limits<std::int32_t>::max() + std::int64_t{1}) {
      valid = false;
      break;
    }
    value = value * 10 + (c - '0');
  }
  if (negative) value = -value;
  if (!valid || value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max())
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
  return static_cast<std::int32_t>(value);
}

}  // namespace korvel
