// The steps in which the earlier preparation differs from the current one;
// earlier_preparation.cpp runs them among the current steps.
#pragma once

#include <string>

#include "base/money.h"
#include "engine/prepared.h"
#include "form/run_steps.h"

namespace korvel::legacy {

using form::run::RunState;

// The header and lines with the identifier as a number, the two look-ups
// with its text.
void openData(RunState&);
// `cp_RecCount` and `forSumNDS_1`; the earlier interface has no basis of
// release (the first page prints the header's Dogovor).
void setFirstVariables(RunState&);
// `cp_Zakazchik` (only with Face3) and the vehicle owner `cp_Memo28`.
void writeCustomerAndOwner(RunState&);
// `cp_Stoimost` and `cp_Stoimost2` cut to kopecks (cutToKopecks), and
// SumStoimost the cut amount.
void writeCutCosts(RunState&);
// The specification's VAT rate and amount cells `Memo92` and `Memo93`.
void writeVatCells(RunState&);

// The integer part, a comma and the first two digits of the fraction.
std::string cutToKopecks(Money amount);

// What the first page says of the specification once it is prepared.
struct SpecificationCount {
  int lines = 0;   // line blocks printed
  int sheets = 0;  // specification sheets printed; none without lines
};
SpecificationCount countSpecification(const engine::PreparedReport& specification);

}  // namespace korvel::legacy
