// The stored waybill template frxReport2, embedded in the library: the XML
// document that the report engine loads (format: engine/FORMAT.md).
#pragma once

#include <string_view>

namespace korvel::report {

// The whole template document, UTF-8; lives as long as the program.
std::string_view waybillTemplateXml();

}  // namespace korvel::report
