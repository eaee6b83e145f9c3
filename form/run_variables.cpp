// The steps of Run that give the report variables their values from the
// call options: quoted texts, '1'/'0' flags, and two exceptions ('-1' for
// forSumNDS_1 and the plain number NameGrPr).
#include "form/run_steps.h"
#include "form/run_values.h"

namespace korvel::form::run {

namespace {

// The cp_ twin first, then the variable the script reads.
void setPair(RunState& state, std::string_view name, const Value& value) {
  state.report().setVariable("cp_" + std::string(name), value);
  state.report().setVariable(name, value);
}

}  // namespace

void setFirstVariables(RunState& state) {
  const Settings& s = state.settings();
  RunReport& report = state.report();
  report.setVariable("cp_Agreement", quotedText(s.Agreement));
  report.setVariable("cp_RecCount", quotedText(std::to_string(state.queries.PrStrQuery.recordCount())));
  report.setVariable("forSumNDS_1", quotedText(s.SumNDS_1 ? "-1" : "0"));
}

void setGroupAndCheckVariables(RunState& state) {
  const Settings& s = state.settings();
  state.report().setVariable("NameGrPr", Value::integer(state.IsRaipo ? 1 : 0));
  setPair(state, "forTrPredpr", flag(s.ReturnTypeTrPredpr));
  setPair(state, "IdCheckNastrGrTov", flag(s.CheckNastrGrTov));
}

void setVernutTaru(RunState& state) {
  state.report().setVariable("VernutTaru", quotedText(wholesaleOnly(state.settings()) ? "0" : "1"));
}

void setPr_ONds(RunState& state) { setPair(state, "Pr_ONds", flag(state.settings().SumNDS_1)); }
void setPr_RNds(RunState& state) { setPair(state, "Pr_RNds", flag(state.settings().VsegoSNDS_1)); }
void setPr_CenRoz(RunState& state) { setPair(state, "Pr_CenRoz", flag(state.settings().Stoimost2_2)); }
void setPr_CenOpt(RunState& state) { setPair(state, "Pr_CenOpt", flag(state.settings().Stoimost)); }
void setPr_CenPriobr(RunState& state) { setPair(state, "Pr_CenPriobr", flag(state.settings().Pr_CenPriobr)); }
void setPr_CenTr(RunState& state) { setPair(state, "Pr_CenTr", flag(state.settings().Pr_CenTr)); }
void setPr_ProcTr(RunState& state) { setPair(state, "Pr_ProcTr", flag(state.settings().Pr_ProcTr)); }
void setPr_CenWNal(RunState& state) { setPair(state, "Pr_CenWNal", flag(state.settings().Pr_CenWNal)); }
void setPr_SchCenPriobr(RunState& state) {
  setPair(state, "Pr_SchCenPriobr", flag(state.settings().Stoimost2_1));
}
void setPrAll(RunState& state) { setPair(state, "PrAll", flag(starMode(state.settings()))); }

}  // namespace korvel::form::run
