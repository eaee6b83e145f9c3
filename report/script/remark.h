// The remark (`Prim1`) of a line: how its price was built, piece by piece.
#pragma once

#include <string>

#include "report/script/line_fields.h"

namespace korvel::report::script {

struct RemarkFlags {
  Flag Pr_SchCenPriobr, Pr_ProcTr, Pr_CenOpt, Pr_CenRoz;
};

std::string remarkText(const LineFields& line, const RemarkFlags& flags);

}  // namespace korvel::report::script
