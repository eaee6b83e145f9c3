// The waybill script's own money functions: rounding to kopecks, cutting to
// two decimals and the kopeck text of a sum.
#pragma once

#include <string>

namespace korvel::report::script {

// Rounded to hundredths. Above 0 a value rounds up from 0.49 of a hundredth
// (0.51 is added, not 0.5); 0 and below round half away from zero.
double Rounding(double value);

// Cut to two decimals through the value's text, as the users know it.
double TruncRounding(double value);

// "#0.00#": always two decimals, a third one only when it is not zero.
std::string kopeiki(double value);

}  // namespace korvel::report::script
