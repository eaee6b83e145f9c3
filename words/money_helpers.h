// Small money helpers of the waybill: rounding to kopecks, the printed
// figure of a sum, and normalising the decimal separator of a number text.
#pragma once

#include <string>
#include <string_view>

#include "base/money.h"

namespace korvel::words {

// Rounded to hundredths, halves away from zero: 2.345 gives 2.35, 2.3449
// gives 2.34, -2.345 gives -2.35.
Money RoundToKop(Money value);

// Pattern "#0.00#" with the current decimal separator: two decimals, a third
// only when it is not zero, no digit grouping, "-" for a negative value.
// Rounded to three decimals with a tie going to the even digit: 1.2345 gives
// "1.234", 1.2355 "1.236", 2.5 "2.50".
std::string FormatSum(Money value);

// Every "." or "," becomes the current decimal separator, then every blank
// is removed: "1 234.5" gives "1234,5" when the separator is ",".
std::string UpdateDecimalSeparator(std::string_view text);

}  // namespace korvel::words
