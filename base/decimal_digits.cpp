// Decimal digit strings: conversion from binary floating point and integers,
// rounding at a decimal place, positional text.
#include "base/decimal_digits.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <string_view>

namespace korvel::detail {
namespace {

// Leading zeros move the point; trailing zeros carry no value.
void normalize(DecimalDigits& d) {
  std::size_t first = d.digits.find_first_not_of('0');
  if (first == std::string::npos) {
    d = DecimalDigits{};
    return;
  }
  std::size_t last = d.digits.find_last_not_of('0');
  d.digits = d.digits.substr(first, last - first + 1);
  d.pointPos -= static_cast<int>(first);
}

// Keeps the digits up to `fractionDigits` decimals, adding one unit of the last
// kept place when `roundUp` says so.
DecimalDigits roundAt(DecimalDigits d, int fractionDigits, bool (*roundUp)(const DecimalDigits&, int keep)) {
  const int keep = d.pointPos + fractionDigits;
  if (keep >= static_cast<int>(d.digits.size())) return d;
  if (keep < 0) return DecimalDigits{};
  const bool up = roundUp(d, keep);
  d.digits.resize(static_cast<std::size_t>(keep));
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9')
      d.digits[static_cast<std::size_t>(i--)] = '0';
    if (i >= 0) {
      ++d.digits[static_cast<std::size_t>(i)];
    } else {
      d.digits.insert(d.digits.begin(), '1');
      ++d.pointPos;
    }
  }
  normalize(d);
  return d;
}

}  // namespace

DecimalDigits significantDigits(double value, int significant) {
  char buffer[64];
  auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, significant - 1);
  std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  DecimalDigits d;
  if (!text.empty() && text.front() == '-') {
    d.negative = true;
    text.remove_prefix(1);
  }
  const std::size_t e = text.find('e');
  for (char c : text.substr(0, e))
    if (c != '.') d.digits.push_back(c);
  std::string_view exponent = text.substr(e + 1);
  if (exponent.front() == '+') exponent.remove_prefix(1);
  int exponentValue = 0;
  std::from_chars(exponent.data(), exponent.data() + exponent.size(), exponentValue);
  d.pointPos = exponentValue + 1;
  normalize(d);
  return d;
}

DecimalDigits exactDigits(double value) {
  // A double has at most 309 integer digits and 1074 fraction digits, so this
  // precision writes every one of them.
  constexpr int allFractionDigits = 1074;
  char buffer[1500];
  auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, allFractionDigits);
  std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  DecimalDigits d;
  if (!text.empty() && text.front() == '-') {
    d.negative = true;
    text.remove_prefix(1);
  }
  const std::size_t point = text.find('.');
  d.digits.assign(text.substr(0, point));
  d.pointPos = static_cast<int>(d.digits.size());
  if (point != std::string_view::npos) d.digits.append(text.substr(point + 1));
  normalize(d);
  return d;
}

DecimalDigits scaledIntegerDigits(std::int64_t count, int scale) {
  DecimalDigits d;
  d.negative = count < 0;
  const std::uint64_t magnitude =
      d.negative ? 0 - static_cast<std::uint64_t>(count) : static_cast<std::uint64_t>(count);
  d.digits = std::to_string(magnitude);
  d.pointPos = static_cast<int>(d.digits.size()) - scale;
  normalize(d);
  return d;
}

DecimalDigits roundHalfAwayFromZero(DecimalDigits d, int fractionDigits) {
  return roundAt(std::move(d), fractionDigits, [](const DecimalDigits& v, int keep) {
    return v.digits[static_cast<std::size_t>(keep)] >= '5';
  });
}

DecimalDigits roundHalfToEven(DecimalDigits d, int fractionDigits) {
  return roundAt(std::move(d), fractionDigits, [](const DecimalDigits& v, int keep) {
    const char next = v.digits[static_cast<std::size_t>(keep)];
    if (next != '5') return next > '5';
    // Without trailing zeros, any digit after the 5 makes it more than half.
    if (static_cast<std::size_t>(keep) + 1 < v.digits.size()) return true;
    const char last = keep > 0 ? v.digits[static_cast<std::size_t>(keep - 1)] : '0';
    return (last - '0') % 2 == 1;
  });
}

std::string fixedText(const DecimalDigits& d, int minIntegerDigits, int minFractionDigits, char separator) {
  auto digitAt = [&d](int index) {
    return index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(index)]
                                                                   : '0';
  };
  std::string text;
  if (d.negative && !d.isZero()) text.push_back('-');
  const int integerDigits = std::max(d.pointPos, minIntegerDigits);
  for (int i = d.pointPos - integerDigits; i < d.pointPos; ++i) text.push_back(digitAt(i));
  const int fractionDigits = std::max(static_cast<int>(d.digits.size()) - d.pointPos, minFractionDigits);
  if (fractionDigits > 0) {
    text.push_back(separator);
    for (int j = 0; j < fractionDigits; ++j) text.push_back(digitAt(d.pointPos + j));
  }
  return text;
}

}  // namespace korvel::detail
