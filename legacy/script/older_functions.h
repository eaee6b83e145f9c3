// The older script's own money functions: its rounding to kopecks and its
// kopeck text, a bracketed expression the engine formats when it prints.
#pragma once

#include <string>

namespace korvel::legacy::script {

// Trunc(x * 100 + 0.5) / 100, the same rule on both sides of zero.
double Rounding(double value);

// "[" + FloatToStr(value) + " #n%2,2f]": printed as the value with two
// decimals and a comma.
std::string kopeiki(double value);

}  // namespace korvel::legacy::script
