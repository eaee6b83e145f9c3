// Locale-independent conversions of driver values.
#include "db/value_conversion.h"

#include <charconv>
#include <cmath>
#include <string>

#include "db/text_util.h"

namespace korvel::db {

std::optional<double> parseDecimal(std::string_view text) {
  text = trimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::int64_t> parseInteger(std::string_view text) {
  text = trimBlanks(text);
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (!text.empty() && error == std::errc() && end == text.data() + text.size()) return value;
  // A whole number written as a decimal ("3.0").
  const auto decimal = parseDecimal(text);
  if (decimal && std::trunc(*decimal) == *decimal && std::fabs(*decimal) < 9.2e18)
    return static_cast<std::int64_t>(*decimal);
  return std::nullopt;
}

namespace {

bool readNumber(std::string_view text, std::size_t& pos, std::size_t digits, int& out) {
  if (pos + digits > text.size()) return false;
  const auto [end, error] = std::from_chars(text.data() + pos, text.data() + pos + digits, out);
  if (error != std::errc() || end != text.data() + pos + digits) return false;
  pos += digits;
  return true;
}

bool expect(std::string_view text, std::size_t& pos, char c) {
  if (pos >= text.size() || text[pos] != c) return false;
  ++pos;
  return true;
}

}  // namespace

std::optional<DateTime> parseDateTime(std::string_view text) {
  text = trimBlanks(text);
  DateTime t;
  t.hour = t.minute = t.second = t.millisecond = 0;
  std::size_t pos = 0;
  if (!readNumber(text, pos, 4, t.year) || !expect(text, pos, '-') || !readNumber(text, pos, 2, t.month) ||
      !expect(text, pos, '-') || !readNumber(text, pos, 2, t.day))
    return std::nullopt;
  if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31) return std::nullopt;
  if (pos == text.size()) return t;
  if (text[pos] != ' ' && text[pos] != 'T') return std::nullopt;
  ++pos;
  if (!readNumber(text, pos, 2, t.hour) || !expect(text, pos, ':') || !readNumber(text, pos, 2, t.minute))
    return std::nullopt;
  if (pos < text.size() && text[pos] == ':' && !(++pos, readNumber(text, pos, 2, t.second)))
    return std::nullopt;
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    std::size_t digits = 0;
    int fraction = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
      if (digits < 3) fraction = fraction * 10 + (text[pos] - '0');
      ++digits;
      ++pos;
    }
    if (digits == 0) return std::nullopt;
    for (std::size_t d = digits; d < 3; ++d) fraction *= 10;
    t.millisecond = fraction;
  }
  if (pos != text.size() || t.hour > 23 || t.minute > 59 || t.second > 59) return std::nullopt;
  return t;
}

namespace {

std::string numberText(const Value& value) {
  if (value.type() == ValueType::Integer) return std::to_string(value.asInteger());
  char buffer[32];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value.asFloat());
  return error == std::errc() ? std::string(buffer, end) : std::string();
}

}  // namespace

std::optional<Value> convertTo(const Value& value, FieldType type) {
  if (value.isNull()) return value;
  switch (valueTypeOf(type)) {
    case ValueType::Text:
      if (value.type() == ValueType::Text) return value;
      if (value.isNumber()) return Value::text(numberText(value));
      return std::nullopt;
    case ValueType::Integer:
      if (value.type() == ValueType::Integer) return value;
      if (value.type() == ValueType::Boolean) return Value::integer(value.asBoolean() ? 1 : 0);
      if (value.type() == ValueType::Float && std::trunc(value.asFloat()) == value.asFloat() &&
          std::fabs(value.asFloat()) < 9.2e18)
        return Value::integer(static_cast<std::int64_t>(value.asFloat()));
      if (value.type() == ValueType::Text)
        if (auto number = parseInteger(value.asText())) return Value::integer(*number);
      return std::nullopt;
    case ValueType::Float:
      if (value.isNumber()) return Value::floating(value.toNumber());
      if (value.type() == ValueType::Text)
        if (auto number = parseDecimal(value.asText())) return Value::floating(*number);
      return std::nullopt;
    case ValueType::Boolean:
      if (value.type() == ValueType::Boolean) return value;
      if (value.type() == ValueType::Integer) return Value::boolean(value.asInteger() != 0);
      if (value.type() == ValueType::Text) {
        if (auto number = parseInteger(value.asText())) return Value::boolean(*number != 0);
        if (equalsIgnoreCase(trimBlanks(value.asText()), "true")) return Value::boolean(true);
        if (equalsIgnoreCase(trimBlanks(value.asText()), "false")) return Value::boolean(false);
      }
      return std::nullopt;
    case ValueType::DateTime:
      if (value.type() == ValueType::DateTime) return value;
      if (value.type() == ValueType::Text)
        if (auto time = parseDateTime(value.asText())) return Value::dateTime(*time);
      return std::nullopt;
    case ValueType::Null:
      break;
  }
  return std::nullopt;
}

}  // namespace korvel::db
