// Money values: exact conversion from and to doubles and the general format.
#include "base/money.h"

#include <charconv>
#include <cmath>

#include "base/decimal_digits.h"
#include "base/exception.h"
#include "base/number_text.h"

namespace korvel {
namespace {

constexpr int decimals = 4;

}  // namespace

Money Money::fromDouble(double value) {
  // Rounded on the exact decimal expansion of the double, so that 1.23445
  // (stored as 1.2344500000000000472...) becomes 1.2345 as its binary value
  // says, and no float multiplication adds an error of its own.
  const auto invalid = [value]() {
    return EConvertError("'" + FloatToStr(value) + "' is out of the range of money values");
  };
  if (!std::isfinite(value)) throw invalid();
  const detail::DecimalDigits rounded = detail::roundHalfToEven(detail::exactDigits(value), decimals);
  if (rounded.isZero()) return Money();
  // Count of ten-thousandths: the digits with the point moved four places.
  const int unitDigits = rounded.pointPos + decimals;
  if (unitDigits > 19) throw invalid();
  std::string text = rounded.digits;
  text.append(static_cast<std::size_t>(unitDigits) - text.size(), '0');
  std::uint64_t magnitude = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), magnitude);
  const std::uint64_t limit = rounded.negative ? std::uint64_t{1} << 63 : (std::uint64_t{1} << 63) - 1;
  if (result.ec != std::errc() || magnitude > limit) throw invalid();
  return Money(rounded.negative ? static_cast<std::int64_t>(0 - magnitude)
                                : static_cast<std::int64_t>(magnitude));
}

double Money::toDouble() const {
  // Parsing the exact decimal text gives the double nearest to the value,
  // which a division of a rounded count by 10000 does not always do.
  const std::string text = toString('.');
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

std::string Money::toString() const { return toString(decimalSeparator()); }

std::string Money::toString(char separator) const {
  return detail::fixedText(detail::scaledIntegerDigits(units_, decimals), 1, 0, separator);
}

}  // namespace korvel
