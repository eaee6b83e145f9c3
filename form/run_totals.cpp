// The steps of Run that turn the first page's totals into fixed figures
// and words: the cost sum C and the total with VAT T chosen by the price
// options, the VAT expression E, and the star and blank print modes.
#include <limits>

#include "base/exception.h"
#include "base/number_text.h"
#include "form/run_steps.h"
#include "form/run_values.h"
#include "words/amount_words.h"
#include "words/money_helpers.h"
#include "words/proper.h"
#include "words/quantity_words.h"

namespace korvel::form::run {

namespace {

Money bonusSum(const RunState& state) {
  return Money::fromDouble(state.queries.SumBnsQuery.asNumber("sumbns"));
}

}  // namespace

Money costSum(const RunState& state) {
  const Settings& s = state.settings();
  const db::Query& h = state.header();
  if (!s.SumNDS_1) return headerMoney(h, "ItogoRoz");
  return s.Stoimost2_1 ? headerMoney(h, "ItogoOO") : headerMoney(h, "Itogo") + bonusSum(state);
}

namespace {

Money totalWithVat(const RunState& state) {
  const Settings& s = state.settings();
  const db::Query& h = state.header();
  if (!s.SumNDS_1) return headerMoney(h, "ItogoRoz");
  if (s.Stoimost2_1) return headerMoney(h, "ItogoOO") + headerMoney(h, "SumNDS");
  return headerMoney(h, "Itogo") + headerMoney(h, "SumNDS") + bonusSum(state);
}

std::string vatExpression(const Settings& s) {
  return s.SumNDS_1 ? "[<frxDatasetPrCap.\"SumIncNDS\">+<frxDatasetPrCap.\"SumNDS\">]"
                    : "[<frxDatasetPrCap.\"SumIncNDS\">+<frxDatasetPrCap.\"SumNDSRozn\">]";
}

// Rubles in words and the kopeck digits of the same amount.
std::string amountInWords(Money amount) {
  return words::PROPER(words::Propis(amount, 0)) + "   " + kopecks(amount) + " коп.";
}

engine::TextObject& evaluated(RunState& state, std::string_view name) {
  engine::TextObject& object = state.text(name);
  state.report().evaluate(object);
  return object;
}

void emptyIfTextZero(engine::TextObject& object) {
  if (object.text() == "0") object.setText("");
}

std::int32_t wordsNumber(std::int64_t value) {
  if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
    throw EConvertError("The gross mass " + std::to_string(value) + " kg is too large to spell in words");
  return static_cast<std::int32_t>(value);
}

// An evaluated goods or packaging sum: none in the star mode, none when 0.
engine::TextObject& evaluatedSum(RunState& state, std::string_view name) {
  engine::TextObject& object = evaluated(state, name);
  if (starMode(state.settings())) object.setText("");
  if (isZero(object.value)) object.setText("");
  return object;
}

void writeVatInWords(RunState& state) {
  engine::TextObject& object = state.text("cp_SumNDS_1");
  object.setText(vatExpression(state.settings()));
  state.report().evaluate(object);
  const Money amount = moneyOf(object.value) + headerMoney(state.header(), "SumNdsBonus");
  object.value = Value::floating(amount.toDouble());
  if (object.text() == "0") {
    object.setText("");
    return;
  }
  // Words and kopecks both of the VAT sum with the bonus VAT.
  object.setLiteralText(amountInWords(amount));
}

void writeTotalWithVatInWords(RunState& state) {
  engine::TextObject& object = evaluated(state, "cp_VsegoSNDS_1");
  if (object.text() == "0") {
    object.setText("");
    return;
  }
  const Money total = totalWithVat(state);
  object.value = Value::floating(total.toDouble());
  object.setLiteralText(amountInWords(total));
}

void writePlacesInWords(RunState& state) {
  engine::TextObject& object = evaluated(state, "cp_Mest");
  if (object.text() == "0")
    object.setText("");
  else
    object.setLiteralText(words::Propis(moneyOf(object.value), 2));
}

// The words give the evaluated mass; the extra weight VesTr only keeps a
// zero mass from being emptied.
void writeMassInWords(RunState& state) {
  const Settings& s = state.settings();
  engine::TextObject& object = evaluated(state, "cp_MassaBrutto");
  if (!blankMode(s) && !s.VesTr.empty())
    object.setLiteralText(FloatToStr(StrToFloat(object.text()) + StrToFloat(s.VesTr)));
  if (object.text() == "0") {
    object.setText("");
    return;
  }
  const std::int64_t units = moneyOf(object.value).units();
  const std::int32_t kilograms = wordsNumber(units / 10000);
  const std::int32_t grams = wordsNumber(units / 10 % 1000);
  object.setLiteralText(words::NumToWords(kilograms, 0) + " кг " + words::NumToWords(grams, 0) + " г");
}

void writeVatTotal(RunState& state) {
  engine::TextObject& object = state.text("cp_SummNDS");
  object.setText(vatExpression(state.settings()));
  state.report().evaluate(object);
  if (starMode(state.settings())) return;
  const std::string sum =
      words::FormatSum(words::RoundToKop(moneyOf(object.value) + headerMoney(state.header(), "SumNdsBonus")));
  object.setLiteralText(sum);
  object.value = Value::text(sum);
}

}  // namespace

void writeTotalsInWords(RunState& state) {
  writeVatInWords(state);
  writeTotalWithVatInWords(state);
}

void writePlacesAndMassInWords(RunState& state) {
  writePlacesInWords(state);
  writeMassInWords(state);
}

void evaluateMemo338(RunState& state) { emptyIfTextZero(evaluated(state, "cp_Memo338")); }

void writeTotalsRow(RunState& state) {
  const Settings& s = state.settings();

  engine::TextObject& quantity = evaluated(state, "cp_KolProd");
  if (isZero(quantity.value)) quantity.setText("");

  engine::TextObject& cost = state.text("cp_Stoimost");
  cost.setLiteralText(words::FormatSum(costSum(state)));
  state.SumStoimost = Money::fromDouble(StrToFloat(cost.text()));

  if (s.SumNDS_1 && s.Stoimost2_2)
    state.text("cp_Stoimost2")
        .setLiteralText(words::FormatSum(words::RoundToKop(headerMoney(state.header(), "ItogoRoz"))));

  writeVatTotal(state);
  state.text("cp_Memo51")
      .setText(s.SumNDS_1 ? "[frxDatasetPrCap.\"SumNDS\"]" : "[frxDatasetPrCap.\"SumNDSRozn\"]");
  state.text("cp_Memo57").setText("[frxDatasetPrCap.\"SumSkid\"]");
  state.text("cp_VsSNDS").setLiteralText(words::FormatSum(totalWithVat(state)));
  evaluated(state, "cp_KolGrMest");
}

void writeMassAndSums(RunState& state) {
  const Settings& s = state.settings();
  evaluated(state, "cp_MassBrutt");

  state.text("cp_SumTov").setText("[frxDatasetPrCap.\"ItogoTov\"]");
  evaluatedSum(state, "cp_SumTov");
  evaluatedSum(state, "cp_SumTar");
  evaluatedSum(state, "cp_SumStTar");
  if (starMode(s)) state.text("cp_SumTarRozn").setText("");

  // Goods at retail: the printed cost total less the packaging at retail.
  engine::TextObject& goods = evaluatedSum(state, "cp_SumTovRozn");
  if (!isZero(goods.value) && !s.Stoimost2_2)
    goods.setLiteralText((state.SumStoimost - headerMoney(state.header(), "ItogoTarR")).toString());
}

}  // namespace korvel::form::run
