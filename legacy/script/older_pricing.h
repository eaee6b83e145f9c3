// Line cost and unit price of the older script: the 32 rows behind
// `Memo6_2` (the line cost `TSum`) and the cases behind `Cen4_1`.
#pragma once

#include <optional>

#include "report/script/line_pricing.h"

namespace korvel::legacy::script {

using report::script::PricingInput;

struct OlderPrice {
  int row;
  double value;
};

// The line cost and the row that gave it; none when no row applies
// (`TSum` then keeps the previous line's value).
std::optional<OlderPrice> lineCost(const PricingInput& input);
// The unit price `Cen4_1` shows; none when no case applies (its template
// text stays).
std::optional<OlderPrice> unitPrice(const PricingInput& input);

}  // namespace korvel::legacy::script
