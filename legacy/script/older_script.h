// The earlier specification's script: the older form of the waybill
// script, its handlers registered by the same names.
#pragma once

#include "engine/script.h"

namespace korvel::legacy::script {

// The script's globals; every preparation pass starts them at 0.
struct OlderState {
  double TSum = 0;    // cost of the current line; kept when no row applies
  double StINDS = 0;  // value with VAT of the current line; kept when not set
  double z = 0;       // sheet sum of StINDS for `SumVsSNds`
  double VsNds = 0;   // sheet sum of StINDS for `Sum6`
  double VNds = 0;    // sheet sum of the line VAT amounts as printed
  double VNdsS = 0;   // part of the VAT taken out of `Sum6`
};

// A fresh script (globals at 0) per call.
engine::ScriptFactory olderScript();

// The first report's script: it has no handlers.
engine::ScriptFactory silentScript();

}  // namespace korvel::legacy::script
