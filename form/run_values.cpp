// Quoting, flags, options and number conventions of Run.
#include "form/run_values.h"

#include <cstdlib>

#include "base/exception.h"
#include "base/number_text.h"
#include "engine/value_format.h"
#include "words/money_helpers.h"

namespace korvel::form::run {

std::string quoted(std::string_view text) {
  std::string result = "'";
  for (char c : text) {
    result += c;
    if (c == '\'') result += '\'';
  }
  result += '\'';
  return result;
}

Value quotedText(std::string_view text) { return Value::text(quoted(text)); }

Value flag(bool on) { return quotedText(on ? "1" : "0"); }

bool wholesaleOnly(const Settings& s) {
  return s.Stoimost && s.SumNDS_1 && s.Pr_CenTr && !s.VsegoSNDS_1 && !s.Stoimost2_2 && !s.Pr_ProcTr &&
         !s.Pr_CenWNal && !s.Stoimost2_1 && !s.Pr_CenPriobr;
}

bool starMode(const Settings& settings) { return settings.PRAll == "*"; }
bool blankMode(const Settings& settings) { return settings.PRAll == " "; }

std::string valueText(const Value& value) {
  switch (value.type()) {
    case ValueType::Null:
      return "";
    case ValueType::Boolean:
      return value.asBoolean() ? "True" : "False";
    case ValueType::Integer:
      return std::to_string(value.asInteger());
    case ValueType::Float:
      return FloatToStr(value.asFloat());
    case ValueType::Text:
      return value.asText();
    case ValueType::DateTime:
      return engine::formatDateTime(value.asDateTime());
  }
  return "";
}

double numberOf(const std::optional<Value>& value) {
  if (!value) return 0;
  switch (value->type()) {
    case ValueType::Null:
      return 0;
    case ValueType::Boolean:
      return value->asBoolean() ? 1 : 0;
    case ValueType::Integer:
    case ValueType::Float:
      return value->toNumber();
    case ValueType::Text:
      return value->asText().empty() ? 0 : StrToFloat(value->asText());
    case ValueType::DateTime:
      break;
  }
  throw EConvertError("A date cannot be used as a number");
}

bool isZero(const std::optional<Value>& value) { return numberOf(value) == 0; }

Money moneyOf(const std::optional<Value>& value) { return Money::fromDouble(numberOf(value)); }

Money headerMoney(const db::Query& header, std::string_view field) {
  return Money::fromDouble(header.asNumber(field));
}

std::string kopecks(Money amount) {
  const std::int64_t hundredths = std::llabs(words::RoundToKop(amount).units() / 100) % 100;
  return {static_cast<char>('0' + hundredths / 10), static_cast<char>('0' + hundredths % 10)};
}

}  // namespace korvel::form::run
