// The pricing rules of the waybill script. Each row reads like the users'
// pricing tables: section, conditions, unit price U, quantity Q and the price
// that `Cen4_1` shows when it is not U. Products are written in the order in
// which they are multiplied; the cost is Cost(U, Q) unless the row says
// otherwise.
#include "report/script/line_pricing.h"

#include "report/script/language.h"
#include "report/script/rule_table.h"
#include "report/script/waybill_functions.h"

namespace korvel::report::script {

namespace {

using In = PricingInput;

enum class Quantity { KolF, KolFLessKolOv };
enum class CostForm {
  CutAndRounded,  // Rounding(Trunc(10000 * U * Q) / 10000)
  PlainProduct,   // U * KolF, neither cut nor rounded
};

struct PriceOutcome {
  std::function<double(const In&)> unitPrice;
  Quantity quantity = Quantity::KolF;
  // Empty: `Cen4_1` shows U.
  std::function<std::optional<double>(const In&, double unitPrice)> shownPrice = {};
  CostForm cost = CostForm::CutAndRounded;
};

// A price set per portion: rounded per portion, then times the portions.
// Without portions (KolPor 0) the line is priced as a whole.
double perPortion(double price, double KolPor) {
  if (KolPor == 0) return Rounding(price);
  return Rounding(price / KolPor) * KolPor;
}

// The price less the VAT it already holds.
double withoutVatPart(double W, double NDS) { return Rounding(W - Rounding(W * NDS / (100 + NDS))); }

constexpr auto S00 = Section::UslZeroCenPriobrZero;
constexpr auto S01 = Section::UslZeroCenPriobrSet;
constexpr auto S10 = Section::UslSetCenPriobrZero;
constexpr auto S11 = Section::UslSetCenPriobrSet;
constexpr auto KolF = Quantity::KolF;
constexpr auto KolFLessKolOv = Quantity::KolFLessKolOv;

const RuleTable<In, PriceOutcome>& priceRules() {
  static const RuleTable<In, PriceOutcome> rules = {
      // Usl = 0 and CenPriobr = 0
      {1,
       S00,
       [](const In& p) {
         return p.withVat() && p.kind5() && !p.group99() && p.discounted() && !p.truncated();
       },
       {[](const In& p) { return Rounding(p.B * p.tr * p.opt * p.sk); }, KolFLessKolOv}},
      {2,
       S00,
       [](const In& p) {
         return p.withVat() && p.kind5() && !p.group99() && p.discounted() && p.truncated();
       },
       {[](const In& p) { return Rounding(TruncRounding(p.B * p.tr * p.opt) * p.sk); }, KolFLessKolOv}},
      {3,
       S00,
       [](const In& p) {
         return p.withVat() && p.kind5() && !p.group99() && !p.discounted() && !p.truncated();
       },
       {[](const In& p) { return Rounding(p.B * p.tr * p.opt * p.sk); }, KolF}},
      {4,
       S00,
       [](const In& p) {
         return p.withVat() && p.kind5() && !p.group99() && !p.discounted() && p.truncated();
       },
       {[](const In& p) { return Rounding(TruncRounding(p.B * p.tr * p.opt) * p.sk); }, KolF}},
      {5,
       S00,
       [](const In& p) { return p.withVat() && p.kind5() && p.group99(); },
       {[](const In& p) { return Rounding(p.B * p.tr * p.opt * p.sk); }, KolF}},
      {6,
       S00,
       [](const In& p) { return p.withVat() && !p.kind5() && !p.group99() && !p.truncated(); },
       {[](const In& p) { return Rounding(p.B * p.sk * p.opt * p.tr); }, KolF,
        [](const In& p, double) -> std::optional<double> {
          if (!p.kind6or41()) return std::nullopt;
          return Rounding(p.B * p.sk * p.opt);
        }}},
      {7,
       S00,
       [](const In& p) { return p.withVat() && !p.kind5() && !p.group99() && p.truncated(); },
       {[](const In& p) { return TruncRounding(p.B * p.sk * p.opt * p.tr); }, KolF,
        [](const In& p, double) -> std::optional<double> {
          if (!p.kind6or41()) return std::nullopt;
          return TruncRounding(p.B * p.sk * p.opt);
        }}},
      {8,
       S00,
       [](const In& p) { return p.withVat() && !p.kind5() && p.group99(); },
       {[](const In& p) { return Rounding(p.B * p.sk * p.tr); }, KolF,
        [](const In& p, double) -> std::optional<double> {
          if (!p.kind6or41()) return std::nullopt;
          return Rounding(p.B * p.sk);
        }}},
      {9,
       S00,
       [](const In& p) { return !p.withVat() && p.byMarkups() && !p.byPortions() && p.kind5(); },
       {[](const In& p) { return Rounding(p.B * p.tr * p.rz * p.ob * p.nds * p.np); }, KolF}},
      {10,
       S00,
       [](const In& p) { return !p.withVat() && p.byMarkups() && !p.byPortions() && p.kind6or41(); },
       {[](const In& p) { return Rounding(p.B * p.ob * p.np); }, KolF}},
      {11,
       S00,
       [](const In& p) {
         return !p.withVat() && p.byMarkups() && p.byPortions() && p.kind5() && !p.group99();
       },
       {[](const In& p) { return perPortion(p.B * p.tr * p.rz * p.ob * p.nds * p.np, p.line.KolPor); },
        KolF}},
      {12,
       S00,
       [](const In& p) {
         return !p.withVat() && p.byMarkups() && p.byPortions() && p.kind5() && p.group99();
       },
       {[](const In& p) { return Rounding(p.B * p.tr * p.rz * p.ob * p.nds * p.np); }, KolF}},
      {13,
       S00,
       [](const In& p) {
         return !p.withVat() && p.byMarkups() && p.byPortions() && p.kind6or41() && !p.group99();
       },
       {[](const In& p) { return perPortion(p.B * p.ob * p.np, p.line.KolPor); }, KolF}},
      {14,
       S00,
       [](const In& p) {
         return !p.withVat() && p.byMarkups() && p.byPortions() && p.kind6or41() && p.group99();
       },
       {[](const In& p) { return Rounding(p.B * p.ob * p.np); }, KolF}},
      {15,
       S00,
       [](const In& p) { return !p.withVat() && !p.byMarkups() && p.discounted(); },
       {[](const In& p) { return p.line.CenRoz; }, KolFLessKolOv}},
      {16,
       S00,
       [](const In& p) { return !p.withVat() && !p.byMarkups() && !p.discounted(); },
       {[](const In& p) { return p.line.CenRoz; }, KolF}},

      // Usl = 0 and CenPriobr not 0
      {17,
       S01,
       [](const In& p) {
         return p.fromReleasePrice() && p.withVat() && !p.group99() && !p.vatInPrice() && !p.truncated();
       },
       {[](const In& p) { return Rounding(p.B * p.tr * p.opt * p.sk); }, KolF}},
      {18,
       S01,
       [](const In& p) {
         return p.fromReleasePrice() && p.withVat() && !p.group99() && !p.vatInPrice() && p.truncated();
       },
       {[](const In& p) { return TruncRounding(p.B * p.tr * p.opt * p.sk); }, KolF}},
      {19,
       S01,
       [](const In& p) { return p.fromReleasePrice() && p.withVat() && !p.group99() && p.vatInPrice(); },
       {[](const In& p) { return withoutVatPart(Rounding(p.B * p.tr * p.opt * p.sk), p.line.NDS); },
        KolF,
        {},
        CostForm::PlainProduct}},
      {20,
       S01,
       [](const In& p) { return p.fromReleasePrice() && p.withVat() && p.group99(); },
       {[](const In& p) { return p.B; }, KolF,
        [](const In& p, double) -> std::optional<double> { return Rounding(p.B * p.tr * p.opt * p.sk); }}},
      {21,
       S01,
       [](const In& p) { return p.fromReleasePrice() && !p.withVat() && p.discounted(); },
       {[](const In& p) { return p.line.CenRoz; }, KolFLessKolOv}},
      {22,
       S01,
       [](const In& p) { return p.fromReleasePrice() && !p.withVat() && !p.discounted(); },
       {[](const In& p) { return p.line.CenRoz; }, KolF}},
      {23,
       S01,
       [](const In& p) {
         return !p.fromReleasePrice() && p.withVat() && !p.group99() && !p.vatInPrice() && !p.truncated();
       },
       {[](const In& p) { return Rounding(p.BPriobr * p.tr * p.opt * p.sk); }, KolFLessKolOv}},
      {24,
       S01,
       [](const In& p) {
         return !p.fromReleasePrice() && p.withVat() && !p.group99() && !p.vatInPrice() && p.truncated();
       },
       {[](const In& p) { return TruncRounding(p.BPriobr * p.tr * p.opt * p.sk); }, KolFLessKolOv}},
      {25,
       S01,
       [](const In& p) { return !p.fromReleasePrice() && p.withVat() && !p.group99() && p.vatInPrice(); },
       {[](const In& p) { return withoutVatPart(Rounding(p.BPriobr * p.tr * p.opt * p.sk), p.line.NDS); },
        KolF,
        [](const In& p, double) -> std::optional<double> {
          if (p.truncated()) return TruncRounding(p.BPriobr * p.tr * p.opt * p.sk);
          return Rounding(p.BPriobr * p.tr * p.opt * p.sk);
        },
        CostForm::PlainProduct}},
      {26,
       S01,
       [](const In& p) { return !p.fromReleasePrice() && p.withVat() && p.group99(); },
       {[](const In& p) { return p.BPriobr; }, KolF,
        [](const In& p, double) -> std::optional<double> {
          return Rounding(p.BPriobr * p.tr * p.opt * p.sk);
        }}},
      {27,
       S01,
       [](const In& p) { return !p.fromReleasePrice() && !p.withVat() && p.discounted(); },
       {[](const In& p) { return p.line.CenRoz; }, KolFLessKolOv}},
      {28,
       S01,
       [](const In& p) { return !p.fromReleasePrice() && !p.withVat() && !p.discounted(); },
       {[](const In& p) { return p.line.CenRoz; }, KolF}},

      // Usl not 0 and CenPriobr = 0: us in place of np
      {29,
       S10,
       [](const In& p) { return p.withVat() && p.kind5(); },
       {[](const In& p) { return Rounding(p.B * p.tr * p.opt * p.sk); }, KolF,
        [](const In& p, double U) -> std::optional<double> {
          if (p.group99()) return p.B * p.tr * p.opt * p.sk;
          return U;
        }}},
      {30,
       S10,
       [](const In& p) { return p.withVat() && p.kind6or41() && !p.group99(); },
       {[](const In& p) { return Rounding(p.B * p.sk) * p.opt; }, KolF,
        [](const In& p, double) -> std::optional<double> { return Rounding(p.B * p.sk * p.opt); }}},
      {31,
       S10,
       [](const In& p) { return p.withVat() && p.kind6or41() && p.group99(); },
       {[](const In& p) { return Rounding(p.B * p.sk); }, KolF,
        [](const In& p, double) -> std::optional<double> { return p.B * p.sk; }}},
      {32,
       S10,
       [](const In& p) { return !p.withVat() && p.byMarkups() && !p.byPortions() && p.kind5(); },
       {[](const In& p) { return Rounding(p.B * p.tr * p.rz * p.ob * p.nds * p.us); }, KolF}},
      {33,
       S10,
       [](const In& p) { return !p.withVat() && p.byMarkups() && !p.byPortions() && p.kind6or41(); },
       {[](const In& p) { return Rounding(p.B * p.ob * p.us); }, KolF,
        [](const In& p, double U) -> std::optional<double> {
          if (p.group99()) return U;
          return Rounding(p.B * p.ob * p.us / 10) * 10;
        }}},
      {34,
       S10,
       [](const In& p) {
         return !p.withVat() && p.byMarkups() && p.byPortions() && p.kind5() && !p.group99();
       },
       {[](const In& p) { return perPortion(p.B * p.tr * p.rz * p.ob * p.nds * p.us, p.line.KolPor); },
        KolF}},
      {35,
       S10,
       [](const In& p) {
         return !p.withVat() && p.byMarkups() && p.byPortions() && p.kind5() && p.group99();
       },
       {[](const In& p) { return Rounding(p.B * p.tr * p.rz * p.ob * p.nds * p.us); }, KolF}},
      {36,
       S10,
       [](const In& p) {
         return !p.withVat() && p.byMarkups() && p.byPortions() && p.kind6or41() && !p.group99();
       },
       {[](const In& p) { return perPortion(p.B * p.ob * p.us, p.line.KolPor); }, KolF}},
      {37,
       S10,
       [](const In& p) {
         return !p.withVat() && p.byMarkups() && p.byPortions() && p.kind6or41() && p.group99();
       },
       {[](const In& p) { return Rounding(p.B * p.ob * p.us); }, KolF}},
      {38,
       S10,
       [](const In& p) { return !p.withVat() && !p.byMarkups(); },
       {[](const In& p) { return p.line.CenRoz; }, KolF}},

      // Usl not 0 and CenPriobr not 0
      {39,
       S11,
       [](const In& p) { return p.fromReleasePrice() && p.withVat(); },
       {[](const In& p) { return Rounding(p.B * p.tr * p.opt * p.sk); }, KolF}},
      {40,
       S11,
       [](const In& p) { return p.fromReleasePrice() && !p.withVat(); },
       {[](const In& p) { return p.line.CenRoz; }, KolF}},
      {41,
       S11,
       [](const In& p) { return !p.fromReleasePrice() && p.withVat(); },
       {[](const In& p) { return Rounding(p.BPriobr * p.tr * p.opt * p.sk); }, KolF,
        [](const In& p, double U) -> std::optional<double> {
          if (p.group99()) return U;
          return Rounding(p.BPriobr * p.tr * p.opt * p.sk * 100) / 100;
        }}},
      {42,
       S11,
       [](const In& p) { return !p.fromReleasePrice() && !p.withVat(); },
       {[](const In& p) { return p.line.CenRoz; }, KolF}},
  };
  return rules;
}

double lineCost(const PriceOutcome& outcome, const LineFields& line, double U) {
  if (outcome.cost == CostForm::PlainProduct) return U * line.KolF;
  double Q = outcome.quantity == Quantity::KolF ? line.KolF : line.KolF - line.KolOv;
  return Rounding(static_cast<double>(Trunc(10000 * U * Q)) / 10000);
}

}  // namespace

PricingInput makePricingInput(const LineFields& line, Flag Pr_ONds, Flag Pr_SchCenPriobr) {
  PricingInput p;
  p.line = line;
  p.Pr_ONds = Pr_ONds;
  p.Pr_SchCenPriobr = Pr_SchCenPriobr;
  p.tr = 1 + line.NalTr / 100;
  p.opt = 1 + line.NacOpt / 100;
  p.sk = 1 - line.SkidPokup / 100;
  p.rz = 1 + line.NacRozn / 100;
  p.ob = 1 + line.NacObpit / 100;
  p.nds = 1 + line.NDS / 100;
  p.np = 1 + line.NalProd / 100;
  p.us = 1 + line.Usl / 100;
  p.B = Rounding(line.CenO * (1 + line.NacPosr / 100) * (1 + line.NalTrPost / 100));
  p.BPriobr = Rounding(line.CenPriobr * (1 + line.NacPosr / 100) * (1 + line.NalTrPost / 100));
  return p;
}

PricingInput readPricingInput(const engine::ScriptContext& context) {
  return makePricingInput(readLineFields(context), readFlag(context, "Pr_ONds"),
                          readFlag(context, "Pr_SchCenPriobr"));
}

std::optional<LinePrice> priceLine(const PricingInput& input) {
  const auto* rule = findRule(priceRules(), sectionOf(input.line.Usl, input.line.CenPriobr), input);
  if (!rule) return std::nullopt;
  const PriceOutcome& outcome = rule->outcome;
  double U = outcome.unitPrice(input);
  std::optional<double> shown = outcome.shownPrice ? outcome.shownPrice(input, U) : std::optional<double>(U);
  return LinePrice{rule->row, U, lineCost(outcome, input.line, U), shown};
}

}  // namespace korvel::report::script
