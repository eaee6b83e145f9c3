// Handlers of the waybill script. Each reads the current line and writes the
// text of its own object; the line and sheet sums live in WaybillState.
#include "report/script/waybill_script.h"

#include <memory>

#include "report/script/language.h"
#include "report/script/line_columns.h"
#include "report/script/line_fields.h"
#include "report/script/line_pricing.h"
#include "report/script/remark.h"
#include "report/script/waybill_functions.h"

namespace korvel::report::script {

namespace {

using engine::ScriptContext;
using State = WaybillState;
using Script = engine::HandlerTableScript<State>;

RetailFlags readRetailFlags(const ScriptContext& context) {
  return {readFlag(context, "Pr_ONds"), readFlag(context, "Pr_CenRoz")};
}

double headerField(const ScriptContext& context, std::string_view field) {
  return numberField(context, kHeaderDataset, field);
}

void memo6_2BeforePrint(State& s, ScriptContext& context) {
  if (auto price = priceLine(readPricingInput(context))) s.COST = price->cost;
  context.setText("Memo6_2", kopeiki(s.COST));
}

void cen4_1BeforePrint(State&, ScriptContext& context) {
  auto price = priceLine(readPricingInput(context));
  if (price && price->shownPrice) context.setText("Cen4_1", kopeiki(*price->shownPrice));
}

void memo94BeforePrint(State& s, ScriptContext& context) {
  LineFields line = readLineFields(context);
  double lineVat = context.value("Memo93").toNumber();
  if (readFlag(context, "Pr_ONds").isOne()) {
    if (line.IdPrizLog == 5)
      s.StINDS = s.COST + lineVat;
    else if (line.IdPrizLog == 6 || line.IdPrizLog == 41)
      s.StINDS = line.PrLogBKS == 1 ? s.COST + lineVat : s.COST;
  } else {
    s.StINDS = s.COST;
  }
  context.setText("Memo94", kopeiki(s.StINDS));
}

void memo94AfterPrint(State& s, ScriptContext&) {
  s.z = s.z + s.StINDS;
  s.VsNds = s.VsNds + s.StINDS;
}

void memo93AfterPrint(State& s, ScriptContext& context) {
  if (Trim(context.text("Memo93")).empty()) return;
  LineFields line = readLineFields(context);
  double lineVat = context.value("Memo93").toNumber();
  s.VNds = s.VNds + lineVat;
  bool wholeRate = line.NDS - Int(line.NDS) == 0;
  if ((wholeRate && line.IdPrizLog == 5) || line.PrLogBKS == 1) s.VNdsS = s.VNdsS + lineVat;
}

void sumSumNdsBeforePrint(State& s, ScriptContext& context) {
  context.setText("SumSumNDS", kopeiki(s.VNds + headerField(context, "SumNdsBonus")));
}

void sumVsSNdsBeforePrint(State& s, ScriptContext& context) {
  context.setText("SumVsSNds", kopeiki(s.z + headerField(context, "SumBns")));
}

void sum6BeforePrint(State& s, ScriptContext& context) {
  double bonus = headerField(context, "SumBns");
  if (readFlag(context, "Pr_ONds").isZero())
    context.setText("Sum6", kopeiki(s.VsNds + bonus));
  else
    context.setText("Sum6", kopeiki((s.VsNds - s.VNdsS) + bonus));
}

void sum6AfterPrint(State& s, ScriptContext&) {
  s.VsNds = 0;
  s.VNdsS = 0;
}

// A handler that sets its object's text from the current line alone.
template <auto textOf>
Script::Handler lineText(const char* object) {
  return
      [object](State&, ScriptContext& context) { context.setText(object, textOf(readLineFields(context))); };
}

const Script::Table& handlers() {
  static const Script::Table table = {
      {"Memo59OnBeforePrint", lineText<nameText>("Memo59")},
      {"Memo89OnBeforePrint", lineText<quantityText>("Memo89")},
      {"Memo93OnAfterPrint", memo93AfterPrint},
      {"Memo6_2OnBeforePrint", memo6_2BeforePrint},
      {"Memo94OnBeforePrint", memo94BeforePrint},
      {"Memo94OnAfterPrint", memo94AfterPrint},
      {"Memo100OnBeforePrint", lineText<massText>("Memo100")},
      {"Memo6_4OnBeforePrint",
       [](State&, ScriptContext& c) {
         c.setText("Memo6_4", retailCostText(readLineFields(c), readRetailFlags(c)));
       }},
      {"Memo336OnBeforePrint",
       [](State&, ScriptContext& c) {
         c.setText("Memo336", unitMarginText(readLineFields(c), readFlag(c, "Pr_CenRoz")));
       }},
      {"SumNalTrOnBeforePrint",
       [](State&, ScriptContext& c) {
         c.setText("SumNalTr", lineMarginText(readLineFields(c), readFlag(c, "Pr_CenRoz")));
       }},
      {"Cen4_1OnBeforePrint", cen4_1BeforePrint},
      {"Cen4_2OnBeforePrint",
       [](State&, ScriptContext& c) {
         c.setText("Cen4_2", retailPriceText(readLineFields(c), readRetailFlags(c)));
       }},
      {"Prim1OnBeforePrint",
       [](State&, ScriptContext& c) {
         RemarkFlags flags{readFlag(c, "Pr_SchCenPriobr"), readFlag(c, "Pr_ProcTr"), readFlag(c, "Pr_CenOpt"),
                           readFlag(c, "Pr_CenRoz")};
         c.setText("Prim1", remarkText(readLineFields(c), flags));
       }},
      {"Memo33OnBeforePrint",
       [](State&, ScriptContext& c) {
         if (auto text = secondQuantityText(readLineFields(c))) c.setText("Memo33", *text);
       }},
      {"Memo34OnBeforePrint", lineText<physicalWeightText>("Memo34")},
      {"SumSumNDSOnBeforePrint", sumSumNdsBeforePrint},
      {"SumSumNDSOnAfterPrint", [](State& s, ScriptContext&) { s.VNds = 0; }},
      {"SumVsSNdsOnBeforePrint", sumVsSNdsBeforePrint},
      {"SumVsSNdsOnAfterPrint", [](State& s, ScriptContext&) { s.z = 0; }},
      {"Sum6OnBeforePrint", sum6BeforePrint},
      {"Sum6OnAfterPrint", sum6AfterPrint},
  };
  return table;
}

}  // namespace

engine::ScriptFactory waybillScript() {
  return [] { return std::make_unique<Script>(handlers()); };
}

}  // namespace korvel::report::script
