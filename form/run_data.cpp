// The steps of Run that open the document's data and prepare the report.
#include "form/run_steps.h"

namespace korvel::form::run {

namespace {

Value idDoc(const RunState& state) { return Value::integer(state.settings().IdDoc); }

}  // namespace

void openHeader(RunState& state) {
  state.header().close();
  state.header().setParam("idDoc", idDoc(state));
  state.header().open();
}

void openLines(RunState& state) {
  state.queries.PrStrQuery.setParam("IdDoc", idDoc(state));
  state.queries.PrStrQuery.open();
}

void openReportLines(RunState& state) {
  state.form->ADOPrStrQuery.setParam("IdDoc", idDoc(state));
  state.form->ADOPrStrQuery.open();
}

// Exactly "райпо": case and blanks count; no record reads as "".
void readEnterpriseGroup(RunState& state) {
  db::Query& query = state.queries.NameGrPrQuery;
  query.close();
  query.setParam("IdDoc", idDoc(state));
  query.open();
  state.IsRaipo = query.asText("NameGrPredpr") == "райпо";
}

// Its sumbns is read with the totals.
void openBonusSum(RunState& state) {
  db::Query& query = state.queries.SumBnsQuery;
  query.close();
  query.setParam("IdDoc", idDoc(state));
  query.open();
}

// Surfaces template errors before any text changes; the engine gives the
// template back as it was, and the output is dropped.
void trialPreparation(RunState& state) { state.report().prepare(); }

void markModified(RunState& state) { state.report().setModified(true); }

void prepareAndShow(RunState& state) { state.form->showReport(); }

}  // namespace korvel::form::run
