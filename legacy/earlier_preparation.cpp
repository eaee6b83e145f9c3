// The earlier Run: the current steps where the earlier revision behaves as
// now, its own steps where it differs, then the first page's preview and
// the specification's.
#include "legacy/earlier_preparation.h"

#include <cstdlib>

#include "base/value.h"
#include "form/run_values.h"
#include "legacy/earlier_form.h"
#include "legacy/two_reports.h"

namespace korvel::legacy {

namespace run = form::run;

namespace {

Value idDocValue(const RunState& state) { return Value::integer(state.settings().IdDoc); }
// The identifier's decimal text, as the export writes it into forIdDoc.
Value idDocText(const RunState& state) { return Value::text(std::to_string(state.settings().IdDoc)); }

void reopen(db::Query& query, std::string_view parameter, const Value& value) {
  query.close();
  query.setParam(parameter, value);
  query.open();
}

void writeLiteral(RunState& state, std::string_view object, std::string_view text) {
  state.text(object).setLiteralText(text);
}

// After the first preparations, as the current Run does from its step 9 on.
constexpr run::Step steps[] = {
    openData,
    setFirstVariables,
    run::trialPreparation,  // both reports
    run::markModified,
    run::writeReleaseAndFlags,
    run::writeSectionTwoAndTrailer,
    run::writeReceiver,
    run::writePowerOfAttorney,
    writeCustomerAndOwner,
    run::writeTotalsInWords,
    run::writePlacesAndMassInWords,
    run::evaluateMemo338,
    run::writeNumbersAndPlaces,
    run::writeTotalsRow,
    writeCutCosts,
    run::writeLineNumber,
    run::writeMassAndSums,
    run::setGroupAndCheckVariables,
    run::writeSpecificationColumns,
    run::setVernutTaru,
    run::writeProducer,
    run::setPr_ONds,
    run::setPr_RNds,
    run::setPr_CenRoz,
    run::setPr_CenOpt,
    run::setPr_CenPriobr,
    run::setPr_CenTr,
    run::setPr_ProcTr,
    run::setPr_CenWNal,
    run::setPr_SchCenPriobr,
    run::setPrAll,
    run::writeSpecificationNumber,
    run::writeSpecificationSeries,
    run::writeBonusRow,
    writeVatCells,
};

}  // namespace

void openData(RunState& state) {
  reopen(state.queries.PrCapQuery, "idDoc", idDocValue(state));
  reopen(state.queries.PrStrQuery, "Iddoc", idDocValue(state));
  db::Query& group = state.queries.NameGrPrQuery;
  reopen(group, "IdDoc", idDocText(state));
  state.IsRaipo = group.asText("NameGrPredpr") == "райпо";
  reopen(state.queries.SumBnsQuery, "IdDoc", idDocText(state));
}

void setFirstVariables(RunState& state) {
  state.report().setVariable("cp_RecCount",
                             run::quotedText(std::to_string(state.queries.PrStrQuery.recordCount())));
  state.report().setVariable("forSumNDS_1", run::quotedText(state.settings().SumNDS_1 ? "-1" : "0"));
}

void writeCustomerAndOwner(RunState& state) {
  const form::Settings& s = state.settings();
  if (s.Face3) {
    const char* party = s.Tr ? "PlatPredpr" : "F3Predpr";
    auto field = [&](const char* name) { return std::string(name) + party; };
    const std::string name = field("Name"), index = field("Index"), town = field("Town"),
                      street = field("StHoFl");
    writeLiteral(
        state, "cp_Zakazchik",
        run::joinedFields(state.header(), {{name, ", "}, {index, " "}, {town, ", "}, {street, " ;"}}));
  }
  writeLiteral(state, "cp_Memo28", s.Face3 ? s.VlTr : s.Tr ? "Грузополучатель" : "Грузоотправитель");
}

std::string cutToKopecks(Money amount) {
  const std::int64_t hundredths = amount.units() / 100;
  const std::int64_t magnitude = std::llabs(hundredths);
  const std::int64_t fraction = magnitude % 100;
  return (hundredths < 0 ? "-" : "") + std::to_string(magnitude / 100) + "," +
         static_cast<char>('0' + fraction / 10) + static_cast<char>('0' + fraction % 10);
}

void writeCutCosts(RunState& state) {
  const form::Settings& s = state.settings();
  const Money cost = run::costSum(state);
  writeLiteral(state, "cp_Stoimost", cutToKopecks(cost));
  state.SumStoimost = Money::fromUnits(cost.units() / 100 * 100);
  if (s.SumNDS_1 && s.Stoimost2_2)
    writeLiteral(state, "cp_Stoimost2", cutToKopecks(run::headerMoney(state.header(), "ItogoRoz")));
}

void writeVatCells(RunState& state) {
  state.text("Memo92").setText("[IIF(<frxDatasetPrStr.\"NDS\"><>0,<frxDatasetPrStr.\"NDS\">,'')]");
  state.text("Memo93").setText(state.settings().SumNDS_1 ? "[frxDatasetPrStr.\"SumNDS\"]"
                                                         : "[frxDatasetPrStr.\"SumNDSR\"]");
}

SpecificationCount countSpecification(const engine::PreparedReport& specification) {
  SpecificationCount count;
  for (const engine::PreparedPage& page : specification.pages)
    for (const engine::PreparedItem& item : page.items)
      if (item.band == "MasterData1" && item.name == "Memo1") ++count.lines;
  if (count.lines > 0) count.sheets = static_cast<int>(specification.pages.size());
  return count;
}

void TNaklForm::Run() {
  const form::Settings settings = options();
  TwoReports reports(frxReport1, frxReport2);
  RunState state{settings, {PrCapQuery, PrStrQuery, NameGrPrQuery, SumBnsQuery, FioDovQuery}, reports};
  for (run::Step step : steps) step(state);

  // The first page counts what the specification really prints.
  const SpecificationCount count = countSpecification(frxReport2.prepare());
  writeLiteral(state, "cp_Memo92", std::to_string(count.lines));
  writeLiteral(state, "cp_Memo389", std::to_string(count.sheets));

  preview(frxReport1);
  preview(frxReport2);
}

}  // namespace korvel::legacy
