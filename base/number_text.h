// Numbers as text, the way the users' desktop writes them. Every conversion
// takes the decimal separator from one place: the user's numeric locale
// (LC_NUMERIC of the environment; the regional settings on Windows), read
// once, unless a test or host overrides it. The C library's locale never
// changes a result: digits come from to_chars and from_chars, the separator
// from here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvel {

// The user's regional setting, read once; "." when it cannot be read or is
// not a single ASCII character.
char decimalSeparator();
void setDecimalSeparator(char separator);  // override (tests, hosts); '\0' drops it
void useLocaleDecimalSeparator();          // drop the override

// 15 significant digits, no trailing zeros, no separator when nothing
// follows it. Fixed notation for values from 0.00001 to below 1E15 (after the
// rounding to 15 digits); exponent form otherwise: "1E15", "1,5E-10",
// "-2,5E20". NaN and the infinities give "NAN", "INF" and "-INF".
std::string FloatToStr(double value);
std::string FloatToStr(double value, char separator);

// Digit patterns of "#" and "0" places with an optional decimal point
// ("#0.00#", "0.00", "#0.00", "0"): "0" places are always written, "#" places
// only when they carry a digit; no digit grouping. The value is taken to 15
// significant digits first, then the last shown decimal is rounded half away
// from zero. An empty pattern gives FloatToStr. Any other character in the
// pattern raises EConvertError.
std::string FormatFloat(std::string_view pattern, double value);
std::string FormatFloat(std::string_view pattern, double value, char separator);

// printf-style display format "%[-][width][.precision]f" with text around it,
// e.g. "%2.2f" with ',' gives "5,00"; rounded as FormatFloat rounds. Other
// patterns raise EConvertError.
std::string formatDisplay(std::string_view printfPattern, double value, char separator);

// Text to number in the current format: optional sign, digits with at most
// one separator, optional exponent ("1,5E3"); blanks (and control
// characters) around it are allowed.
// The other separator is not accepted. Invalid or out-of-range text raises
// EConvertError quoting it: "'2x' is not a valid floating point value".
double StrToFloat(std::string_view text);
double StrToFloat(std::string_view text, char separator);
// Strict: leading blanks, an optional sign and decimal digits, nothing after
// them; the value must fit 32 bits. Otherwise EConvertError:
// "'2x' is not a valid integer value".
std::int32_t StrToInt(std::string_view text);

}  // namespace korvel
