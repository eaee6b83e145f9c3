// Money helpers, computed on the exact count of ten-thousandths.
#include "words/money_helpers.h"

#include <cstdint>

#include "base/number_text.h"

namespace korvel::words {
namespace {

std::uint64_t magnitudeOf(std::int64_t units) {
  return units < 0 ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
}

}  // namespace

Money RoundToKop(Money value) {
  // Rounding the magnitude keeps negative values symmetric with positive
  // ones; the plain "add one half and drop the fraction" would turn -2.3449
  // into -2.33.
  const std::uint64_t kopecks = (magnitudeOf(value.units()) + 50) / 100;
  const auto units = static_cast<std::int64_t>(kopecks * 100);
  return Money::fromUnits(value.units() < 0 ? -units : units);
}

std::string FormatSum(Money value) {
  const std::uint64_t magnitude = magnitudeOf(value.units());
  std::uint64_t thousandths = magnitude / 10;
  const std::uint64_t rest = magnitude % 10;
  if (rest > 5 || (rest == 5 && thousandths % 2 == 1)) ++thousandths;

  std::string text = value.units() < 0 && thousandths > 0 ? "-" : "";
  text += std::to_string(thousandths / 1000);
  text += decimalSeparator();
  const std::uint64_t fraction = thousandths % 1000;
  text += static_cast<char>('0' + fraction / 100);
  text += static_cast<char>('0' + fraction / 10 % 10);
  if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
  return text;
}

std::string UpdateDecimalSeparator(std::string_view text) {
  const char separator = decimalSeparator();
  std::string result;
  for (char c : text) {
    if (c == ' ') continue;
    result += c == '.' || c == ',' ? separator : c;
  }
  return result;
}

}  // namespace korvel::words
