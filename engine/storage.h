// Reading and writing report templates in the XML format of FORMAT.md.
#pragma once

#include <string>
#include <string_view>

#include "engine/report.h"

namespace korvel::engine {

// Any fault of the document (not XML, unknown element or attribute, bad
// number, duplicate name, ...) raises EReportError saying what and where.
Report loadReport(std::string_view xml);

// The canonical form: defaults left out, attributes in a fixed order.
// loadReport(saveReport(r)) gives r back, and a canonical document saves
// to itself.
std::string saveReport(const Report& report);

}  // namespace korvel::engine
