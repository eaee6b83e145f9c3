// Decimal digit strings of numbers, and their rounding. Every number-to-text
// conversion of Korvel goes through these, so that no C library locale or
// printf rounding can change a printed figure.
#pragma once

#include <cstdint>
#include <string>

namespace korvel::detail {

// value = (negative ? -1 : 1) * 0.d1d2d3... * 10^pointPos, i.e. pointPos digits
// stand before the decimal point (it may be negative or exceed the digit
// count). Digits carry no leading or trailing zeros; zero has no digits.
struct DecimalDigits {
  bool negative = false;
  std::string digits;
  int pointPos = 0;

  bool isZero() const { return digits.empty(); }
};

// The value rounded to `significant` digits (1..17), ties to even as the
// conversion of the binary value gives them.
DecimalDigits significantDigits(double value, int significant);

// The exact decimal expansion of a finite double.
DecimalDigits exactDigits(double value);

// The digits of a signed integer count of units of 10^-scale.
DecimalDigits scaledIntegerDigits(std::int64_t count, int scale);

// Round to `fractionDigits` decimals.
DecimalDigits roundHalfAwayFromZero(DecimalDigits d, int fractionDigits);
DecimalDigits roundHalfToEven(DecimalDigits d, int fractionDigits);

// Plain positional text: at least `minIntegerDigits` digits before the
// separator (0 allows ".5"), the fraction padded with zeros to at least
// `minFractionDigits`, no separator when no fraction digit is written.
// A "-" precedes negative non-zero values. The value must already be rounded
// to the wanted decimals.
std::string fixedText(const DecimalDigits& d, int minIntegerDigits, int minFractionDigits, char separator);

}  // namespace korvel::detail
