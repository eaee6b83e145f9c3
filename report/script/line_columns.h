// Texts of the line band's quantity, mass, name and retail columns, worked
// out from the current line. Shared by every revision of the script.
#pragma once

#include <optional>
#include <string>

#include "report/script/line_fields.h"

namespace korvel::report::script {

// `Memo59`: goods name, packing size and discount line. Handlers' texts
// print as they are, so the numbers are written here in the report's
// default number form (as FloatToStr writes them).
std::string nameText(const LineFields& line);
// `Memo89`.
std::string quantityText(const LineFields& line);
// `Memo33`; none when both quantities are 0 (the template text stays).
std::optional<std::string> secondQuantityText(const LineFields& line);
// `Memo34`: the physical weight with its caption.
std::string physicalWeightText(const LineFields& line);
// `Memo100`.
std::string massText(const LineFields& line);

// Retail columns, shown when VAT is charged on top and retail prices are.
struct RetailFlags {
  Flag Pr_ONds, Pr_CenRoz;
};
// Whether the retail columns show: VAT on top and retail prices asked for.
bool showsRetail(const RetailFlags& flags);
// `Memo6_4`.
std::string retailCostText(const LineFields& line, const RetailFlags& flags);
// `Cen4_2`.
std::string retailPriceText(const LineFields& line, const RetailFlags& flags);
// Trade margin per unit, the retail price less what the goods cost.
double tradeMargin(const LineFields& line);
// `Memo336` and `SumNalTr`: whole numbers, ties to even.
std::string unitMarginText(const LineFields& line, const Flag& Pr_CenRoz);
std::string lineMarginText(const LineFields& line, const Flag& Pr_CenRoz);

}  // namespace korvel::report::script
