// Handlers of the older script. Money texts are kopeck expressions, set as
// expression texts so the engine formats them when the object prints; the
// column texts the older script shares with the current one come from
// report/script.
#include "legacy/script/older_script.h"

#include <memory>

#include "base/number_text.h"
#include "legacy/script/older_functions.h"
#include "legacy/script/older_pricing.h"
#include "legacy/script/older_remark.h"
#include "report/script/language.h"
#include "report/script/line_columns.h"
#include "report/script/line_fields.h"

namespace korvel::legacy::script {

namespace {

using engine::ScriptContext;
using report::script::LineFields;
using report::script::readFlag;
using State = OlderState;
using Script = engine::HandlerTableScript<State>;

// The earlier lines query's fields of the current line.
LineFields readLineFields(const ScriptContext& context) {
  return report::script::readLineFields(context, report::script::LinesQuery::Earlier);
}

PricingInput readPricingInput(const ScriptContext& context) {
  return report::script::makePricingInput(readLineFields(context), readFlag(context, "Pr_ONds"),
                                          readFlag(context, "Pr_SchCenPriobr"));
}

report::script::RetailFlags readRetailFlags(const ScriptContext& context) {
  return {readFlag(context, "Pr_ONds"), readFlag(context, "Pr_CenRoz")};
}

double headerField(const ScriptContext& context, std::string_view field) {
  return report::script::numberField(context, report::script::kHeaderDataset, field);
}

void setMoney(ScriptContext& context, std::string_view object, double value) {
  context.setExpressionText(object, kopeiki(value));
}

void memo6_2BeforePrint(State& s, ScriptContext& context) {
  if (auto cost = lineCost(readPricingInput(context))) s.TSum = cost->value;
  setMoney(context, "Memo6_2", s.TSum);
}

void cen4_1BeforePrint(State&, ScriptContext& context) {
  if (auto price = unitPrice(readPricingInput(context))) setMoney(context, "Cen4_1", price->value);
}

void cen4_2BeforePrint(State&, ScriptContext& context) {
  if (report::script::showsRetail(readRetailFlags(context)))
    setMoney(context, "Cen4_2", readLineFields(context).CenRoz);
  else
    context.setText("Cen4_2", "");
}

void memo6_4BeforePrint(State&, ScriptContext& context) {
  const LineFields line = readLineFields(context);
  context.setText("Memo6_4", report::script::showsRetail(readRetailFlags(context))
                                 ? FloatToStr(Rounding(line.CenRoz * line.KolF))
                                 : std::string());
}

void memo94BeforePrint(State& s, ScriptContext& context) {
  const LineFields line = readLineFields(context);
  const double lineVat = context.value("Memo93").toNumber();
  if (readFlag(context, "Pr_ONds").isOne()) {
    if (line.IdPrizLog == 5)
      s.StINDS = s.TSum + lineVat;
    else if (line.IdPrizLog == 6 || line.IdPrizLog == 41)
      s.StINDS = line.PrLogBKS == 1 ? s.TSum + lineVat : s.TSum;
  } else if (readFlag(context, "Pr_RNds").isOne()) {
    s.StINDS = s.TSum;
  }
  setMoney(context, "Memo94", s.StINDS);
}

void memo94AfterPrint(State& s, ScriptContext&) {
  s.z = s.z + s.StINDS;
  s.VsNds = s.VsNds + s.StINDS;
}

// The amount as Memo93 prints it: two decimals, nothing when it is zero.
std::string printedVat(double value) {
  if (value == 0) return "";
  return formatDisplay("%2.2f", value, decimalSeparator());
}

// The sheet's VAT grows by the printed amount, read back in the system's
// number format; the part taken out of Sum6 by the amount itself.
void memo93AfterPrint(State& s, ScriptContext& context) {
  const double lineVat = context.value("Memo93").toNumber();
  const std::string printed = printedVat(lineVat);
  if (report::script::Trim(printed).empty()) return;
  s.VNds = s.VNds + StrToFloat(printed);
  const LineFields line = readLineFields(context);
  const bool wholeRate = line.NDS - report::script::Int(line.NDS) == 0;
  if ((wholeRate && line.IdPrizLog == 5) || line.PrLogBKS == 1) s.VNdsS = s.VNdsS + lineVat;
}

void sum6BeforePrint(State& s, ScriptContext& context) {
  const double bonus = headerField(context, "SumBns");
  if (readFlag(context, "Pr_RNds").isOne())
    setMoney(context, "Sum6", s.VsNds + bonus);
  else
    setMoney(context, "Sum6", (s.VsNds - s.VNdsS) + bonus);
}

template <auto textOf>
Script::Handler lineText(const char* object) {
  return
      [object](State&, ScriptContext& context) { context.setText(object, textOf(readLineFields(context))); };
}

const Script::Table& handlers() {
  using namespace report::script;
  static const Script::Table table = {
      {"Memo59OnBeforePrint", lineText<nameText>("Memo59")},
      {"Memo89OnBeforePrint", lineText<quantityText>("Memo89")},
      {"Memo93OnAfterPrint", memo93AfterPrint},
      {"Memo6_2OnBeforePrint", memo6_2BeforePrint},
      {"Memo94OnBeforePrint", memo94BeforePrint},
      {"Memo94OnAfterPrint", memo94AfterPrint},
      {"Memo100OnBeforePrint", lineText<massText>("Memo100")},
      {"Memo6_4OnBeforePrint", memo6_4BeforePrint},
      {"Memo336OnBeforePrint",
       [](State&, ScriptContext& c) {
         c.setText("Memo336", unitMarginText(readLineFields(c), readFlag(c, "Pr_CenRoz")));
       }},
      {"SumNalTrOnBeforePrint",
       [](State&, ScriptContext& c) {
         c.setText("SumNalTr", lineMarginText(readLineFields(c), readFlag(c, "Pr_CenRoz")));
       }},
      {"Cen4_1OnBeforePrint", cen4_1BeforePrint},
      {"Cen4_2OnBeforePrint", cen4_2BeforePrint},
      {"Prim1OnBeforePrint",
       [](State&, ScriptContext& c) {
         RemarkFlags flags{readFlag(c, "Pr_SchCenPriobr"), readFlag(c, "Pr_ProcTr"), readFlag(c, "Pr_CenOpt"),
                           readFlag(c, "Pr_CenRoz")};
         c.setExpressionText("Prim1", olderRemarkText(readLineFields(c), flags));
       }},
      {"Memo33OnBeforePrint",
       [](State&, ScriptContext& c) {
         if (auto text = secondQuantityText(readLineFields(c))) c.setText("Memo33", *text);
       }},
      {"Memo34OnBeforePrint", lineText<physicalWeightText>("Memo34")},
      {"SumSumNDSOnBeforePrint",
       [](State& s, ScriptContext& c) { setMoney(c, "SumSumNDS", s.VNds + headerField(c, "SumNdsBonus")); }},
      {"SumSumNDSOnAfterPrint", [](State& s, ScriptContext&) { s.VNds = 0; }},
      {"SumVsSNdsOnBeforePrint",
       [](State& s, ScriptContext& c) { setMoney(c, "SumVsSNds", s.z + headerField(c, "SumBns")); }},
      {"SumVsSNdsOnAfterPrint", [](State& s, ScriptContext&) { s.z = 0; }},
      {"Sum6OnBeforePrint", sum6BeforePrint},
      {"Sum6OnAfterPrint",
       [](State& s, ScriptContext&) {
         s.VsNds = 0;
         s.VNdsS = 0;
       }},
  };
  return table;
}

struct NoState {};

}  // namespace

engine::ScriptFactory olderScript() {
  return [] { return std::make_unique<Script>(handlers()); };
}

engine::ScriptFactory silentScript() {
  return [] {
    static const engine::HandlerTableScript<NoState>::Table none;
    return std::make_unique<engine::HandlerTableScript<NoState>>(none);
  };
}

}  // namespace korvel::legacy::script
