// Value to text for printing.
#include "engine/value_format.h"

#include <cstdio>

#include "base/number_text.h"

namespace korvel::engine {
std::string formatDateTime(const DateTime& t) {
  const DateTime zero;
  bool hasDate = t.year != zero.year || t.month != zero.month || t.day != zero.day;
  bool hasTime = t.hour != 0 || t.minute != 0 || t.second != 0;
  char date[48], time[48];
  std::snprintf(date, sizeof date, "%02d.%02d.%04d", t.day, t.month, t.year);
  std::snprintf(time, sizeof time, "%02d:%02d:%02d", t.hour, t.minute, t.second);
  if (!hasDate) return time;
  return hasTime ? std::string(date) + " " + time : date;
}

std::string formatValue(const Value& value, const TextObject& object) {
  switch (value.type()) {
    case ValueType::Null:
      return {};
    case ValueType::Boolean:
      return value.asBoolean() ? "True" : "False";
    case ValueType::Text:
      return value.asText();
    case ValueType::DateTime:
      return formatDateTime(value.asDateTime());
    case ValueType::Integer:
    case ValueType::Float:
      break;
  }
  double number = value.toNumber();
  if (object.hideZeros && number == 0) return {};
  if (!object.format.empty())
    return formatDisplay(object.format, number, object.decimalSeparator.value_or(decimalSeparator()));
  if (value.type() == ValueType::Integer) return std::to_string(value.asInteger());
  return FloatToStr(number);
}

std::string formatValue(const Value& value, const TextObject& object, std::string_view numberFormat) {
  if (numberFormat.empty() || !value.isNumber()) return formatValue(value, object);
  // The place of the point in the pattern holds the separator to print.
  const std::size_t separator = numberFormat.find_first_of(".,");
  if (separator == std::string_view::npos)
    return formatDisplay(numberFormat, value.toNumber(), decimalSeparator());
  std::string pattern(numberFormat);
  pattern[separator] = '.';
  return formatDisplay(pattern, value.toNumber(), numberFormat[separator]);
}

}  // namespace korvel::engine
