// Line cost and unit price of the waybill script: the one table of pricing
// rules behind `Memo6_2` (the line cost `COST`) and `Cen4_1` (the price).
#pragma once

#include <optional>

#include "engine/script.h"
#include "report/script/line_fields.h"

namespace korvel::report::script {

// The current line with the percent factors and base prices the rules use.
struct PricingInput {
  LineFields line;
  Flag Pr_ONds{Value()}, Pr_SchCenPriobr{Value()};
  // 1 + rate/100 for NalTr, NacOpt, NacRozn, NacObpit, NDS, NalProd, Usl;
  // sk = 1 - SkidPokup/100.
  double tr = 1, opt = 1, sk = 1, rz = 1, ob = 1, nds = 1, np = 1, us = 1;
  // The base price from CenO with intermediary markup and supplier
  // transport, rounded; BPriobr the same from CenPriobr.
  double B = 0, BPriobr = 0;

  bool withVat() const { return Pr_ONds.isOne(); }
  bool fromReleasePrice() const { return Pr_SchCenPriobr.isZero(); }
  bool kind5() const { return line.IdPrizLog == 5; }
  bool kind6or41() const { return line.IdPrizLog == 6 || line.IdPrizLog == 41; }
  bool group99() const { return line.KodGr == 99; }
  bool discounted() const { return line.SkidOv != 0; }
  bool truncated() const { return line.idcolor == 1; }
  bool byMarkups() const { return line.priznsyriaIsNull; }
  bool byPortions() const { return line.PrRazl == "*"; }
  bool vatInPrice() const { return line.PrLogBKS != 0; }
};

PricingInput makePricingInput(const LineFields& line, Flag Pr_ONds, Flag Pr_SchCenPriobr);
PricingInput readPricingInput(const engine::ScriptContext& context);

struct LinePrice {
  int row;
  double unitPrice;
  double cost;                       // the new `COST`
  std::optional<double> shownPrice;  // what `Cen4_1` shows; none: its template text stays
};

// None when no rule applies: `COST` and `Cen4_1` then stay as they were.
std::optional<LinePrice> priceLine(const PricingInput& input);

}  // namespace korvel::report::script
