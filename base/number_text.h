// Numbers as text, the way the users' desktop writes them. Every conversion
// takes the decimal separator from one place: the process locale
// (LC_NUMERIC), read once, unless a test or host overrides it. The C
// library's locale never changes a result: digits come from to_chars and
// from_chars, the separator from here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvel {

char decimalSeparator();
void setDecimalSeparator(char separator);  // override (tests, hosts)
void useLocaleDecimalSeparator();          // drop the override

// 15 significant digits, no trailing zeros, no separator when nothing
// follows it; exponent form ("1E20", "1,5E-10") only for very large or very
// small values.
std::string FloatToStr(double value);
std::string FloatToStr(double value, char separator);

// Pattern formatting for the patterns the system uses ("#0.00#", "0.00",
// "#0.00"): the last shown decimal is rounded half away from zero.
std::string FormatFloat(std::string_view pattern, double value);
std::string FormatFloat(std::string_view pattern, double value, char separator);

// printf-style display format with a given separator, e.g. "%2.2f" with ','.
std::string formatDisplay(std::string_view printfPattern, double value, char separator);

// Text to number in the current format; invalid text raises EConvertError
// quoting it: "'2x' is not a valid floating point value".
double StrToFloat(std::string_view text);
double StrToFloat(std::string_view text, char separator);
// Strict: optional sign and digits only, no blanks; fits 32 bits.
// "'2x' is not a valid integer value".
std::int32_t StrToInt(std::string_view text);

}  // namespace korvel
