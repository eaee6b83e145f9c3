// Sample document data for preparing the waybill template in tests and in
// korvel-render-template: one header record and any number of lines, held
// in memory and bound to the template's two datasets.
#pragma once

#include <memory>
#include <string>

#include "engine/report.h"
#include "memory_dataset.h"

namespace korvel::report::testing {

struct SampleWaybill {
  MemoryDataset header;
  MemoryDataset lines;

  // Binds both datasets to the template (they must outlive its use).
  void bindTo(engine::Report& report);
};

// An ordinary document with the given number of lines. A non-empty
// consignor replaces the consignor's name (to try very long texts).
std::unique_ptr<SampleWaybill> makeSampleWaybill(int lineCount, const std::string& consignor = "");

// Stands in for the pricing script: every handler does nothing, so the
// objects print what their stored expressions give.
engine::ScriptFactory silentScript();

// The producer line of the specification: what the form writes into the
// line's producer object before preparing (so each line block has it).
void setProducerLine(engine::Report& report);

}  // namespace korvel::report::testing
