// Faults of the stored waybill template that would break the form, the
// script or the printed document: it must load, keep its canonical form,
// hold every object and variable the code addresses, and keep its bands
// inside the sheet.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "engine/storage.h"
#include "report/waybill_template.h"

namespace korvel::report {
namespace {

using engine::Band;
using engine::BandObject;
using engine::Report;
using engine::TextObject;

Report loadTemplate() { return engine::loadReport(waybillTemplateXml()); }

std::string lower(std::string s) {
  std::ranges::transform(s, s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

const Band& findBand(const Report& report, const std::string& name) {
  for (const auto& page : report.pages)
    for (const auto& band : page.bands)
      if (band.name == name) return band;
  throw std::runtime_error(name + ": no such band");
}

TEST(WaybillTemplate, LoadsAndIsStoredInCanonicalForm) {
  Report report = loadTemplate();
  EXPECT_EQ(report.options.name, "frxReport2");
  // A canonical document saves to itself: nothing in it is ignored or
  // rewritten by the loader.
  EXPECT_EQ(engine::saveReport(report), waybillTemplateXml());
}

TEST(WaybillTemplate, NamesAreUniqueWithoutRegardToCase) {
  Report report = loadTemplate();
  std::set<std::string> seen;
  for (const auto& page : report.pages) {
    EXPECT_TRUE(seen.insert(lower(page.name)).second) << page.name;
    for (const auto& band : page.bands) {
      EXPECT_TRUE(seen.insert(lower(band.name)).second) << band.name;
      for (const auto& object : band.objects)
        EXPECT_TRUE(seen.insert(lower(engine::objectName(object))).second) << engine::objectName(object);
    }
  }
}

// The objects the form's preparation writes into or evaluates by name.
TEST(WaybillTemplate, HoldsTheTextObjectsThePreparationAddresses) {
  Report report = loadTemplate();
  for (const char* name :
       {"cp_Memo338",   "cp_UNN_1",       "cp_Seria",      "cp_NumberTTN",  "cp_Memo8",
        "cp_Zakazchik", "cp_Pogr",        "cp_Razgr",      "cp_PriborMemo", "cp_Primechanie",
        "cp_Itog",      "cp_KolProd",     "cp_Stoimost",   "cp_Stoimost2",  "cp_SummNDS",
        "cp_VsSNDS",    "cp_KolGrMest",   "cp_MassBrutt",  "cp_SumTov",     "cp_SumTar",
        "cp_SumStTar",  "cp_SumTovRozn",  "cp_SumTarRozn", "cp_SumNDS_1",   "cp_VsegoSNDS_1",
        "cp_Mest",      "cp_MassaBrutto", "cp_Memo51",     "cp_Memo57",     "cp_Memo287",
        "cp_Memo291",   "cp_Memo292",     "cp_Memo118",    "cp_Memo151",    "cp_Memo161",
        "cp_Memo152",   "cp_Memo153",     "cp_Memo154",    "NumNakl",       "SeriaSecondPage",
        "Memo1",        "Memo88",         "Memo32",        "Memo96",        "Memo300",
        "NamePredpr",   "Memo3",          "Memo4",         "Memo5",         "Memo6",
        "Memo7"}) {
    EXPECT_NO_THROW(report.findText(name)) << name;
  }
}

// Every object of the specification that calls the pricing script, with
// the handlers it calls; no other object calls one.
TEST(WaybillTemplate, BindsExactlyTheScriptHandlers) {
  struct Binding {
    const char* object;
    bool before, after;
  };
  const std::vector<Binding> bindings = {
      {"Memo59", true, false},   {"Memo89", true, false},   {"Memo33", true, false},
      {"Memo34", true, false},   {"Cen4_1", true, false},   {"Cen4_2", true, false},
      {"Memo6_2", true, false},  {"Memo6_4", true, false},  {"Memo93", false, true},
      {"Memo94", true, true},    {"Memo100", true, false},  {"Prim1", true, false},
      {"Memo336", true, false},  {"SumNalTr", true, false}, {"Sum6", true, true},
      {"SumSumNDS", true, true}, {"SumVsSNds", true, true},
  };
  Report report = loadTemplate();
  std::set<std::string> bound;
  for (const auto& [object, before, after] : bindings) {
    const TextObject& text = report.findText(object);
    EXPECT_EQ(text.onBeforePrint, before ? std::string(object) + "OnBeforePrint" : "") << object;
    EXPECT_EQ(text.onAfterPrint, after ? std::string(object) + "OnAfterPrint" : "") << object;
    bound.insert(object);
  }
  for (const auto& page : report.pages)
    for (const auto& band : page.bands)
      for (const auto& object : band.objects)
        if (const auto* text = std::get_if<TextObject>(&object); text && !bound.contains(text->name)) {
          EXPECT_TRUE(text->onBeforePrint.empty() && text->onAfterPrint.empty()) << text->name;
        }
}

// The script reads, in a line's handlers, what objects printed before it
// in the same line computed: the cost of Memo6_2 and the value of Memo93
// are read by Memo94's handler.
TEST(WaybillTemplate, LineObjectsPrintInTheOrderTheScriptRelies) {
  Report report = loadTemplate();
  const Band& line = findBand(report, "MasterData1");
  auto position = [&](const char* name) {
    auto it = std::ranges::find_if(line.objects,
                                   [&](const BandObject& o) { return engine::objectName(o) == name; });
    EXPECT_NE(it, line.objects.end()) << name;
    return it - line.objects.begin();
  };
  EXPECT_LT(position("Memo6_2"), position("Memo94"));
  EXPECT_LT(position("Memo93"), position("Memo94"));
  EXPECT_EQ(line.dataset, "frxDatasetPrStr");
  EXPECT_NE(report.findDataset("frxDatasetPrStr"), nullptr);
  EXPECT_NE(report.findDataset("frxDatasetPrCap"), nullptr);
}

TEST(WaybillTemplate, DeclaresEveryVariableInItsCategory) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> categories = {
      {" PrValue",
       {"Pr_RNds", "Pr_ONds", "Pr_CenRoz", "Pr_CenOpt", "Pr_CenPriobr", "Pr_CenTr", "Pr_ProcTr", "Pr_CenWNal",
        "IdCheckNastrGrTov", "PrAll", "Pr_SchCenPriobr", "VernutTaru", "Sum9", "NameGrPr", "Kolstr"}},
      {" for", {"forSumNDS_1", "forPRAll", "forTrPredpr"}},
      {" cpVariables",
       {"cp_IdTrCheck", "cp_PrAll", "cp_Pr_SchCenPriobr", "cp_Pr_CenPriobr", "cp_Pr_CenRoz", "cp_Pr_CenTr",
        "cp_Pr_ProcTr", "cp_Pr_CenWNal", "cp_IdCheckNastrGrTov", "cp_forTrPredpr", "cp_Pr_CenOpt", "cp_IdF3",
        "cp_DateDov", "cp_Pr_ONds", "cp_Pr_RNds", "cp_RecCount", "cp_pageCountS", "cp_Agreement"}},
  };
  Report report = loadTemplate();
  std::vector<std::pair<std::string, std::string>> held;  // variable, its category
  std::string category;
  for (const auto& entry : report.variables) {
    if (entry.isCategory())
      category = entry.name;
    else
      held.emplace_back(entry.name, category);
  }
  std::vector<std::pair<std::string, std::string>> expected;
  for (const auto& [name, variables] : categories)
    for (const auto& variable : variables) expected.emplace_back(variable, name);
  EXPECT_EQ(held, expected);

  // Two variables start as the empty text, the others have no value.
  for (const auto& entry : report.variables) {
    if (entry.isCategory()) continue;
    if (entry.name == "cp_pageCountS" || entry.name == "cp_Agreement")
      EXPECT_EQ(entry.value, Value::text("")) << entry.name;
    else
      EXPECT_FALSE(entry.value.has_value()) << entry.name;
  }
}

// Geometry slips (a wrong digit in a position) show up as objects outside
// their band's printable width, or a first page taller than one sheet.
TEST(WaybillTemplate, ObjectsStayInsideThePrintableWidth) {
  Report report = loadTemplate();
  for (const auto& page : report.pages) {
    const double printable = page.width - page.marginLeft - page.marginRight;
    for (const auto& band : page.bands)
      for (const auto& object : band.objects)
        std::visit(
            [&](const auto& o) {
              EXPECT_GE(o.left, 0) << o.name;
              EXPECT_GE(o.top, 0) << o.name;
              EXPECT_LE(o.left + o.width, printable + 0.15) << o.name;
            },
            object);
  }
}

TEST(WaybillTemplate, FirstPageBandsFitOneSheet) {
  Report report = loadTemplate();
  const auto& page = report.pages.at(0);
  EXPECT_EQ(page.name, "CapPage");
  double height = 0;
  for (const auto& band : page.bands) height += band.height;
  EXPECT_LE(height, page.height - page.marginTop - page.marginBottom);
}

}  // namespace
}  // namespace korvel::report
