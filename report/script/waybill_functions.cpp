// Money functions of the waybill script.
#include "report/script/waybill_functions.h"

#include <cmath>

#include "report/script/language.h"

namespace korvel::report::script {

double Rounding(double value) {
  if (value > 0) return static_cast<double>(Trunc(value * 100 + 0.51)) / 100;
  return static_cast<double>(Trunc(value * 100 - 0.5)) / 100;
}

double TruncRounding(double value) {
  std::string text = FloatToStr(value);
  // In exponent form the text has no hundredths to keep: a very large value
  // has no fraction, a very small one cuts to 0.
  if (text.find('E') != std::string::npos) return std::abs(value) >= 1 ? value : 0.0;
  int separator = Pos(".", text);
  if (separator == 0) separator = Pos(",", text);
  if (separator > 0) Delete(text, separator + 3, static_cast<int>(text.size()));
  return StrToFloat(text);
}

std::string kopeiki(double value) { return FormatFloat("#0.00#", value); }

}  // namespace korvel::report::script
