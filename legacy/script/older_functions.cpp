// Money functions of the older script.
#include "legacy/script/older_functions.h"

#include "report/script/language.h"

namespace korvel::legacy::script {

double Rounding(double value) { return static_cast<double>(report::script::Trunc(value * 100 + 0.5)) / 100; }

std::string kopeiki(double value) { return "[" + report::script::FloatToStr(value) + " #n%2,2f]"; }

}  // namespace korvel::legacy::script
