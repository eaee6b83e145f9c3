// Shared helpers of the engine tests: a report from a template body, and
// look-ups in prepared pages.
#pragma once

#include <string>
#include <vector>

#include "base/exception.h"
#include "engine/prepared.h"
#include "engine/report.h"
#include "engine/storage.h"

namespace korvel::engine::testing {

// A report with datasets "ds" (and "hdr") and one A4 page "P" with 10 mm
// margins, holding the given <band> elements.
Report reportWithBands(const std::string& bands, const std::string& reportAttributes = "");

// Every prepared item of that name, in sheet order.
std::vector<PreparedItem> itemsNamed(const PreparedReport& report, const std::string& name);
PreparedItem onlyItem(const PreparedReport& report, const std::string& name);

}  // namespace korvel::engine::testing
