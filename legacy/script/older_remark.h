// The older remark (`Prim1`): base price and the rates that took part, each
// number a kopeck expression, with no percent signs.
#pragma once

#include <string>

#include "report/script/remark.h"

namespace korvel::legacy::script {

std::string olderRemarkText(const report::script::LineFields& line, const report::script::RemarkFlags& flags);

}  // namespace korvel::legacy::script
