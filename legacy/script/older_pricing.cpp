// The older pricing tables, row by row as the users' tables give them. R is
// the older Rounding; products are written in the order they are multiplied.
// The base price is `CenO` itself: the older script knows no intermediary
// markup, no supplier transport and no cut prices.
#include "legacy/script/older_pricing.h"

#include "legacy/script/older_functions.h"
#include "report/script/language.h"
#include "report/script/rule_table.h"

namespace korvel::legacy::script {

namespace {

using In = PricingInput;
using Formula = double (*)(const In&);
using report::script::Round;
using report::script::RuleTable;
using report::script::Section;

constexpr auto S00 = Section::UslZeroCenPriobrZero;
constexpr auto S01 = Section::UslZeroCenPriobrSet;
constexpr auto S10 = Section::UslSetCenPriobrZero;
constexpr auto S11 = Section::UslSetCenPriobrSet;

double R(double x) { return Rounding(x); }

// A price set per portion: rounded per portion, then times the portions.
// Without portions (KolPor 0) the line is priced as a whole rather than
// dividing by zero.
double perPortion(double price, double KolPor) {
  if (KolPor == 0) return R(price);
  return R(price / KolPor) * KolPor;
}

double CenO(const In& p) { return p.line.CenO; }
double KolF(const In& p) { return p.line.KolF; }
double unDiscounted(const In& p) { return p.line.KolF - p.line.KolOv; }

// The products the rows share.
double wholesale(const In& p) { return CenO(p) * p.tr * p.opt * p.sk; }
double wholesaleFromPurchase(const In& p) { return p.line.CenPriobr * p.tr * p.opt * p.sk; }
double retailKind5(const In& p, double extra) { return CenO(p) * p.tr * p.rz * p.ob * p.nds * extra; }
double retailKind6(const In& p, double extra) { return CenO(p) * p.ob * extra; }
// W less the VAT it holds.
double withoutVatPart(double W, double NDS) { return W - R(W * NDS / (100 + NDS)); }

bool vat(const In& p) { return p.withVat(); }
bool kind5(const In& p) { return p.kind5(); }
bool kind6(const In& p) { return p.kind6or41(); }
bool g99(const In& p) { return p.group99(); }
bool markups(const In& p) { return p.byMarkups(); }
bool portions(const In& p) { return p.byPortions(); }
bool release(const In& p) { return p.fromReleasePrice(); }

const RuleTable<In, Formula>& costRules() {
  static const RuleTable<In, Formula> rules = {
      // Usl 0, CenPriobr 0
      {1, S00, [](const In& p) { return vat(p) && kind5(p) && !g99(p) && p.discounted(); },
       [](const In& p) { return R(R(wholesale(p)) * unDiscounted(p)); }},
      {2, S00, [](const In& p) { return vat(p) && kind5(p) && (g99(p) || !p.discounted()); },
       [](const In& p) { return R(R(wholesale(p)) * KolF(p)); }},
      {3, S00, [](const In& p) { return vat(p) && kind6(p) && !g99(p); },
       [](const In& p) { return R(R(CenO(p) * p.sk * p.opt) * KolF(p)); }},
      {4, S00, [](const In& p) { return vat(p) && kind6(p) && g99(p); },
       [](const In& p) { return R(R(CenO(p) * p.sk) * KolF(p)); }},
      {5, S00, [](const In& p) { return !vat(p) && markups(p) && !portions(p) && kind5(p); },
       [](const In& p) { return R(R(retailKind5(p, p.np)) * KolF(p)); }},
      {6, S00, [](const In& p) { return !vat(p) && markups(p) && !portions(p) && kind6(p); },
       [](const In& p) { return R(R(retailKind6(p, p.np)) * KolF(p)); }},
      {7, S00, [](const In& p) { return !vat(p) && markups(p) && portions(p) && kind5(p) && !g99(p); },
       [](const In& p) { return R(perPortion(retailKind5(p, p.np), p.line.KolPor) * KolF(p)); }},
      {8, S00, [](const In& p) { return !vat(p) && markups(p) && portions(p) && kind5(p) && g99(p); },
       [](const In& p) { return R(R(retailKind5(p, p.np)) * KolF(p)); }},
      {9, S00, [](const In& p) { return !vat(p) && markups(p) && portions(p) && kind6(p) && !g99(p); },
       [](const In& p) { return R(perPortion(retailKind6(p, p.np), p.line.KolPor) * KolF(p)); }},
      {10, S00, [](const In& p) { return !vat(p) && markups(p) && portions(p) && kind6(p) && g99(p); },
       [](const In& p) { return R(R(retailKind6(p, p.np)) * KolF(p)); }},
      {11, S00, [](const In& p) { return !vat(p) && !markups(p) && p.discounted(); },
       [](const In& p) { return R(p.line.CenRoz * unDiscounted(p)); }},
      {12, S00, [](const In& p) { return !vat(p) && !markups(p) && !p.discounted(); },
       [](const In& p) { return R(p.line.CenRoz * KolF(p)); }},
      // Usl 0, CenPriobr set
      {13, S01, [](const In& p) { return release(p) && vat(p) && !g99(p) && !p.vatInPrice(); },
       [](const In& p) { return R(R(wholesale(p)) * KolF(p)); }},
      {14, S01, [](const In& p) { return release(p) && vat(p) && !g99(p) && p.vatInPrice(); },
       [](const In& p) { return R(withoutVatPart(R(wholesale(p)), p.line.NDS)) * KolF(p); }},
      {15, S01, [](const In& p) { return release(p) && vat(p) && g99(p); },
       [](const In& p) { return R(CenO(p) * KolF(p)); }},
      {16, S01, [](const In& p) { return release(p) && !vat(p) && p.discounted(); },
       [](const In& p) { return R(p.line.CenRoz * unDiscounted(p)); }},
      {17, S01, [](const In& p) { return release(p) && !vat(p) && !p.discounted(); },
       [](const In& p) { return R(p.line.CenRoz * KolF(p)); }},
      {18, S01, [](const In& p) { return !release(p) && vat(p); },
       [](const In& p) { return R(R(wholesaleFromPurchase(p)) * KolF(p)); }},
      {19, S01, [](const In& p) { return !release(p) && !vat(p); },
       [](const In& p) { return R(p.line.CenRoz * KolF(p)); }},
      // Usl set, CenPriobr 0
      {20, S10, [](const In& p) { return vat(p) && kind5(p); },
       [](const In& p) { return R(R(wholesale(p)) * KolF(p)); }},
      {21, S10, [](const In& p) { return vat(p) && kind6(p) && !g99(p); },
       [](const In& p) { return R(R(CenO(p) * p.sk) * p.opt * KolF(p)); }},
      {22, S10, [](const In& p) { return vat(p) && kind6(p) && g99(p); },
       [](const In& p) { return R(R(CenO(p) * p.sk) * KolF(p)); }},
      {23, S10, [](const In& p) { return !vat(p) && markups(p) && !portions(p) && kind5(p); },
       [](const In& p) { return R(R(retailKind5(p, p.us)) * KolF(p)); }},
      {24, S10, [](const In& p) { return !vat(p) && markups(p) && !portions(p) && kind6(p); },
       [](const In& p) { return R(R(retailKind6(p, p.us)) * KolF(p)); }},
      {25, S10, [](const In& p) { return !vat(p) && markups(p) && portions(p) && kind5(p) && !g99(p); },
       [](const In& p) { return R(perPortion(retailKind5(p, p.us), p.line.KolPor) * KolF(p)); }},
      {26, S10, [](const In& p) { return !vat(p) && markups(p) && portions(p) && kind5(p) && g99(p); },
       [](const In& p) { return R(R(retailKind5(p, p.us)) * KolF(p)); }},
      {27, S10, [](const In& p) { return !vat(p) && markups(p) && portions(p) && kind6(p) && !g99(p); },
       [](const In& p) { return R(perPortion(retailKind6(p, p.us), p.line.KolPor) * KolF(p)); }},
      {28, S10, [](const In& p) { return !vat(p) && markups(p) && portions(p) && kind6(p) && g99(p); },
       [](const In& p) { return R(R(retailKind6(p, p.us)) * KolF(p)); }},
      {29, S10, [](const In& p) { return !vat(p) && !markups(p); },
       [](const In& p) { return R(p.line.CenRoz * KolF(p)); }},
      // Usl set, CenPriobr set
      {30, S11, [](const In& p) { return release(p) && vat(p); },
       [](const In& p) { return R(R(wholesale(p)) * KolF(p)); }},
      {31, S11, [](const In& p) { return !release(p) && vat(p); },
       [](const In& p) { return R(R(wholesaleFromPurchase(p)) * KolF(p)); }},
      {32, S11, [](const In& p) { return !vat(p); }, [](const In& p) { return R(p.line.CenRoz * KolF(p)); }},
  };
  return rules;
}

// The retail product P of a line with services: by kind 5 or by 6 and 41.
double servicesRetail(const In& p) { return kind5(p) ? retailKind5(p, p.us) : retailKind6(p, p.us); }

// Rounded to tens, per portion when the line is sold in portions.
double toTens(double P, double KolPor) {
  if (KolPor == 0) return static_cast<double>(Round(P / 10)) * 10;
  return static_cast<double>(Round(P / KolPor / 10)) * 10 * KolPor;
}

double toKopecks(double x) { return static_cast<double>(Round(x * 100)) / 100; }

const RuleTable<In, Formula>& unitPriceRules() {
  static const RuleTable<In, Formula> rules = {
      // Usl 0, CenPriobr 0
      {1, S00, [](const In& p) { return vat(p) && kind5(p); },
       [](const In& p) { return g99(p) ? wholesale(p) : R(wholesale(p)); }},
      {2, S00, [](const In& p) { return vat(p) && kind6(p); },
       [](const In& p) { return g99(p) ? CenO(p) * p.sk : R(CenO(p) * p.sk * p.opt); }},
      // The unit prices of cost rows 5 to 10.
      {3, S00, [](const In& p) { return !vat(p) && markups(p) && (kind5(p) || kind6(p)); },
       [](const In& p) {
         double P = kind5(p) ? retailKind5(p, p.np) : retailKind6(p, p.np);
         return portions(p) && !g99(p) ? perPortion(P, p.line.KolPor) : R(P);
       }},
      {4, S00, [](const In& p) { return !vat(p) && !markups(p); }, [](const In& p) { return p.line.CenRoz; }},
      // Usl 0, CenPriobr set
      {5, S01, [](const In& p) { return release(p) && vat(p); },
       [](const In& p) {
         double W = R(wholesale(p));
         return !g99(p) && p.vatInPrice() ? R(withoutVatPart(W, p.line.NDS)) : W;
       }},
      {6, S01, [](const In& p) { return !release(p) && vat(p); },
       [](const In& p) { return R(wholesaleFromPurchase(p)); }},
      {7, S01, [](const In& p) { return !vat(p); }, [](const In& p) { return p.line.CenRoz; }},
      // Usl set, CenPriobr 0
      {8, S10, [](const In& p) { return vat(p) && kind5(p); },
       [](const In& p) { return g99(p) ? wholesale(p) : toKopecks(wholesale(p)); }},
      {9, S10, [](const In& p) { return vat(p) && kind6(p); },
       [](const In& p) { return g99(p) ? CenO(p) * p.sk : R(CenO(p) * p.sk * p.opt); }},
      {10, S10, [](const In& p) { return !vat(p) && markups(p) && (kind5(p) || kind6(p)); },
       [](const In& p) {
         double P = servicesRetail(p);
         if (g99(p)) return static_cast<double>(Round(P));
         return toTens(P, portions(p) ? p.line.KolPor : 0);
       }},
      {11, S10, [](const In& p) { return !vat(p) && !markups(p); },
       [](const In& p) { return p.line.CenRoz; }},
      // Usl set, CenPriobr set
      {12, S11, [](const In& p) { return vat(p); },
       [](const In& p) {
         double Q = release(p) ? wholesale(p) : wholesaleFromPurchase(p);
         return g99(p) ? static_cast<double>(Round(Q)) : toKopecks(Q);
       }},
      {13, S11, [](const In& p) { return !vat(p); }, [](const In& p) { return p.line.CenRoz; }},
  };
  return rules;
}

std::optional<OlderPrice> walk(const RuleTable<In, Formula>& rules, const In& input) {
  const auto* rule = findRule(rules, report::script::sectionOf(input.line.Usl, input.line.CenPriobr), input);
  if (!rule) return std::nullopt;
  return OlderPrice{rule->row, rule->outcome(input)};
}

}  // namespace

std::optional<OlderPrice> lineCost(const PricingInput& input) { return walk(costRules(), input); }
std::optional<OlderPrice> unitPrice(const PricingInput& input) { return walk(unitPriceRules(), input); }

}  // namespace korvel::legacy::script
