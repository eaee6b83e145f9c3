// The functions of the script language that the template's pricing scripts
// call, with the behaviour those scripts rely on. Shared by every revision
// of the script.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/number_text.h"

namespace korvel::report::script {

// The fraction dropped toward zero. The whole number is kept in 64 bits,
// so every double below 2^63 in magnitude truncates exactly; beyond that,
// and for NaN or infinity, EReportError.
std::int64_t Trunc(double x);

// The nearest whole number, a tie going to the even one; range as Trunc.
std::int64_t Round(double x);

// The whole part, as a floating value.
double Int(double x);

// Numbers as text, in the current decimal separator.
using korvel::FloatToStr;
using korvel::FormatFloat;
using korvel::StrToFloat;

// 1-based position of the first `part` in `text` (bytes), 0 when absent.
int Pos(std::string_view part, std::string_view text);

// Removes `count` bytes from the 1-based `index`; an index outside the
// text removes nothing, a count past the end stops at the end.
void Delete(std::string& text, int index, int count);

// Drops blanks and control characters at both ends.
std::string Trim(std::string_view text);

}  // namespace korvel::report::script
