// Numbers to text: the general format, digit patterns and printf-style
// display formats. All rounding is done on decimal digits (see
// decimal_digits.h), never by printf.
#include "base/number_text.h"

#include <cmath>

#include "base/decimal_digits.h"
#include "base/exception.h"

namespace korvel {
namespace {

// Figures are taken to the 15 significant digits a double holds reliably:
// a price read as 2.675 is rounded as 2.675, not as the binary
// 2.67499999999999982236... it is stored as.
constexpr int significant = 15;

// Text of NaN and the infinities, as the general format writes them.
std::string nonFiniteText(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

std::string exponentText(const detail::DecimalDigits& d, char separator) {
  std::string text = d.negative ? "-" : "";
  text.push_back(d.digits.front());
  if (d.digits.size() > 1) {
    text.push_back(separator);
    text.append(d.digits, 1);
  }
  return text + "E" + std::to_string(d.pointPos - 1);
}

}  // namespace

std::string FloatToStr(double value) { return FloatToStr(value, decimalSeparator()); }

std::string FloatToStr(double value, char separator) {
  if (!std::isfinite(value)) return nonFiniteText(value);
  const detail::DecimalDigits d = detail::significantDigits(value, significant);
  if (d.isZero()) return "0";
  // Fixed notation from 0.00001 up to 15 integer digits; beyond either end
  // the exponent form keeps the text short.
  const int exponent = d.pointPos - 1;
  if (exponent >= significant || exponent < -5) return exponentText(d, separator);
  return detail::fixedText(d, 1, 0, separator);
}

std::string FormatFloat(std::string_view pattern, double value) {
  return FormatFloat(pattern, value, decimalSeparator());
}

std::string FormatFloat(std::string_view pattern, double value, char separator) {
  if (pattern.empty() || !std::isfinite(value)) return FloatToStr(value, separator);
  const std::size_t point = pattern.find('.');
  const std::string_view integerPart = pattern.substr(0, point);
  const std::string_view fractionPart =
      point == std::string_view::npos ? std::string_view() : pattern.substr(point + 1);
  auto isDigitPlaceholders = [](std::string_view part) {
    return part.find_first_not_of("#0") == std::string_view::npos;
  };
  if (!isDigitPlaceholders(integerPart) || !isDigitPlaceholders(fractionPart))
    throw EConvertError("'" + std::string(pattern) + "' is not a valid number format");

  // "0" places are always written, "#" places only when they carry a digit.
  const std::size_t firstZero = integerPart.find('0');
  const int minIntegerDigits =
      firstZero == std::string_view::npos ? 0 : static_cast<int>(integerPart.size() - firstZero);
  const std::size_t lastZero = fractionPart.rfind('0');
  const int minFractionDigits = lastZero == std::string_view::npos ? 0 : static_cast<int>(lastZero + 1);
  const int maxFractionDigits = static_cast<int>(fractionPart.size());

  const detail::DecimalDigits rounded =
      detail::roundHalfAwayFromZero(detail::significantDigits(value, significant), maxFractionDigits);
  return detail::fixedText(rounded, minIntegerDigits, minFractionDigits, separator);
}

std::string formatDisplay(std::string_view printfPattern, double value, char separator) {
  auto invalid = [printfPattern]() {
    return EConvertError("'" + std::string(printfPattern) + "' is not a valid display format");
  };
  const std::size_t percent = printfPattern.find('%');
  if (percent == std::string_view::npos) throw invalid();
  std::size_t i = percent + 1;
  // Width and precision stop at three digits: a longer number is not a
  // format this system writes, and is rejected below.
  auto readNumber = [&]() {
    int number = 0;
    while (i < printfPattern.size() && printfPattern[i] >= '0' && printfPattern[i] <= '9' && number < 100)
      number = number * 10 + (printfPattern[i++] - '0');
    return number;
  };
  const bool leftAligned = i < printfPattern.size() && printfPattern[i] == '-';
  if (leftAligned) ++i;
  const int width = readNumber();
  int precision = 6;
  if (i < printfPattern.size() && printfPattern[i] == '.') {
    ++i;
    precision = readNumber();
  }
  if (i >= printfPattern.size() || printfPattern[i] != 'f') throw invalid();

  std::string number;
  if (std::isfinite(value)) {
    const detail::DecimalDigits rounded =
        detail::roundHalfAwayFromZero(detail::significantDigits(value, significant), precision);
    number = detail::fixedText(rounded, 1, precision, separator);
  } else {
    number = nonFiniteText(value);
  }
  const std::size_t padding = number.size() < static_cast<std::size_t>(width) ? width - number.size() : 0;
  number = leftAligned ? number + std::string(padding, ' ') : std::string(padding, ' ') + number;
  return std::string(printfPattern.substr(0, percent)) + number + std::string(printfPattern.substr(i + 1));
}

}  // namespace korvel
