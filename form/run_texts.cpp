// The steps of Run that write the texts of named objects from the call
// options and the header. Texts taken from the options or the data print
// exactly as given (literal texts): a note such as "Акт [5]" is no
// expression. Only the expressions written here are evaluated at print time.
#include <initializer_list>

#include "base/number_text.h"
#include "form/run_steps.h"
#include "form/run_values.h"

namespace korvel::form::run {

namespace {

void writeLiteral(RunState& state, std::string_view object, std::string_view text) {
  state.text(object).setLiteralText(text);
}

void writeIfGiven(RunState& state, std::string_view object, std::string_view option) {
  if (!option.empty()) writeLiteral(state, object, option);
}

// A point given as empty or as one to three blanks is taken from the header.
bool pointGiven(std::string_view point) {
  return !(point.size() <= 3 && point.find_first_not_of(' ') == std::string_view::npos);
}

const std::string& waybillNumber(const Settings& s) { return blankMode(s) ? s.NumDoc : s.TTN; }

}  // namespace

std::string joinedFields(const db::Query& header, std::initializer_list<JoinPart> parts) {
  std::string joined;
  for (const JoinPart& part : parts) {
    const Value value = header.value(part.field);
    if (value.isNull()) return "";
    joined += valueText(value);
    joined += part.after;
  }
  return joined;
}

void writeReleaseAndFlags(RunState& state) {
  const Settings& s = state.settings();
  writeLiteral(state, "cp_Memo287", s.OtpRaz);
  state.report().setVariable("cp_IdTrCheck", flag(s.Tr));
  state.report().setVariable("cp_IdF3Check", flag(s.Face3));
}

void writeSectionTwoAndTrailer(RunState& state) {
  const Settings& s = state.settings();
  writeLiteral(state, "cp_Memo151", s.SposPogr);
  writeLiteral(state, "cp_Memo161", s.SposRazgr);
  writeLiteral(state, "cp_Memo152", s.VrPrib);
  writeLiteral(state, "cp_Memo153", s.VrUb);
  writeLiteral(state, "cp_Memo154", s.VrProst);
  writeLiteral(state, "cp_Memo8", s.NomPric);
}

// The profession field followed directly by the given receiver. The field
// is evaluated now (the header has its one record) and joined with the
// given text, so that text prints exactly as given.
void writeReceiver(RunState& state) {
  const std::string& receiver = state.settings().MOLGruzPoluch;
  engine::TextObject& object = state.text("cp_Memo291");
  if (receiver.empty()) {
    object.setText("[frxDatasetPrCap.\"Poluchat\"]");
    return;
  }
  engine::TextObject profession = object;
  profession.setText("[frxDatasetPrCap.\"ProfMol1\"]");
  state.report().evaluate(profession);
  object.setLiteralText(profession.text() + receiver);
}

void writePowerOfAttorney(RunState& state) {
  const db::Query& header = state.header();
  if (header.isNull("Dover")) {
    state.text("cp_Memo292").setText("");
    state.text("cp_Memo118").setText("");
    return;
  }
  db::Query& holders = state.queries.FioDovQuery;
  holders.setParam("idpredpr", header.value("idpredpr"));
  holders.open();
  std::string line = " от " + state.settings().DateDov + "г. выданной " + header.asText("NamePlatPredpr");
  if (holders.recordCount() == 1) line += "  " + holders.asText("Fio");
  writeLiteral(state, "cp_Memo118", line);
}

// Face3 before Tr here; the taxpayer number tests them the other way round.
void writeCustomer(RunState& state) {
  const Settings& s = state.settings();
  std::string customer;
  if (s.Face3)
    customer = joinedFields(state.header(),
                            {{"NameF3Predpr", ", "}, {"IndexF3Predpr", " "}, {"StHoFlF3Predpr", " ;"}});
  else
    customer = s.Tr ? "Грузополучатель" : "Грузоотправитель";
  writeLiteral(state, "cp_Zakazchik", customer);
}

void writeNumbersAndPlaces(RunState& state) {
  const Settings& s = state.settings();
  const db::Query& header = state.header();
  const char* unnField = s.Tr ? "UNNPlatPredpr" : s.Face3 ? "UNNF3Predpr" : "UNNPlatSkl";
  writeLiteral(state, "cp_UNN_1", valueText(header.value(unnField)));
  writeLiteral(state, "cp_NumberTTN", waybillNumber(s));
  writeIfGiven(state, "cp_Seria", s.Seria);
  writeLiteral(state, "cp_Pogr",
               pointGiven(s.Pogr) ? s.Pogr : joinedFields(header, {{"TownSkl", ", "}, {"StHoFlSkl", ""}}));
  writeLiteral(
      state, "cp_Razgr",
      pointGiven(s.Razg) ? s.Razg : joinedFields(header, {{"TownPredpr", ", "}, {"StHoFlPredpr", ""}}));
  if (!s.VidPer.empty())
    writeLiteral(
        state, "cp_PriborMemo",
        "Подлинность акцизной марки (специального знака) проверено комиссионно прибором " + s.VidPer);
  writeIfGiven(state, "cp_Primechanie", s.Prim);
  writeLiteral(state, "cp_Itog", starMode(s) ? "Итого загружено :" : "Итого :");
}

void writeLineNumber(RunState& state) { state.text("Memo1").setText("[Line]"); }

void writeProducer(RunState& state) {
  state.text("NamePredpr")
      .setText(
          "[IIF(<frxDatasetPrStr.\"NamePredpr\"><>'',<frxDatasetPrStr.\"NamePredpr\">,"
          "IIF(<frxDatasetPrStr.\"NameCountry\"><>'',<frxDatasetPrStr.\"NameCountry\">,''))]");
}

void writeSpecificationNumber(RunState& state) {
  writeLiteral(state, "NumNakl", waybillNumber(state.settings()));
}

void writeSpecificationSeries(RunState& state) {
  writeIfGiven(state, "SeriaSecondPage", state.settings().Seria);
}

// A null bonus counts as none.
void writeBonusRow(RunState& state) {
  const db::Query& header = state.header();
  if (header.asNumber("SumBns") == 0) return;
  writeLiteral(state, "Memo3", "Бонус");
  writeLiteral(state, "Memo4", FloatToStr(header.asNumber("SumBns")));
  writeLiteral(state, "Memo5", FloatToStr(header.asNumber("NdsBns")));
  writeLiteral(state, "Memo6", FloatToStr(header.asNumber("SumNdsBonus")));
  writeLiteral(state, "Memo7", FloatToStr(header.asNumber("SumBns")));
}

}  // namespace korvel::form::run
