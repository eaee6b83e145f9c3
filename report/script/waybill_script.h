// The waybill template's script: its before-print and after-print handlers
// registered by name, over the script's own globals.
#pragma once

#include "engine/script.h"

namespace korvel::report::script {

// The script's globals; every preparation pass starts them at 0.
struct WaybillState {
  double COST = 0;    // cost of the current line; kept when no rule applies
  double StINDS = 0;  // value with VAT of the current line; likewise kept
  double z = 0;       // sheet sum of StINDS for `SumVsSNds`
  double VsNds = 0;   // sheet sum of StINDS for `Sum6`
  double VNds = 0;    // sheet sum of the line VAT amounts
  double VNdsS = 0;   // part of VNds taken out of `Sum6`
};

// A fresh script (globals at 0) per call.
engine::ScriptFactory waybillScript();

}  // namespace korvel::report::script
