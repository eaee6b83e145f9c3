// The earlier revision's two templates, embedded in the library: the first
// page frxReport1 and the specification frxReport2 (format:
// engine/FORMAT.md; how they are derived: templates/derive_templates.h).
#pragma once

#include <string_view>

namespace korvel::legacy {

std::string_view firstPageTemplateXml();
std::string_view specificationTemplateXml();

}  // namespace korvel::legacy
