// A typed value as databases, report expressions and the report script see
// it: null, Boolean, integer, floating, text (UTF-8) or date-time.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace korvel {

struct DateTime {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
  friend bool operator==(const DateTime&, const DateTime&) = default;
};

enum class ValueType { Null, Boolean, Integer, Float, Text, DateTime };

class Value {
 public:
  Value() = default;  // null
  static Value boolean(bool b) { return Value(Storage(std::in_place_index<1>, b)); }
  static Value integer(std::int64_t i) { return Value(Storage(std::in_place_index<2>, i)); }
  static Value floating(double d) { return Value(Storage(std::in_place_index<3>, d)); }
  static Value text(std::string s) { return Value(Storage(std::in_place_index<4>, std::move(s))); }
  static Value dateTime(DateTime t) { return Value(Storage(std::in_place_index<5>, t)); }

  ValueType type() const { return static_cast<ValueType>(storage_.index()); }
  bool isNull() const { return storage_.index() == 0; }
  bool isNumber() const { return type() == ValueType::Integer || type() == ValueType::Float; }

  // Exact accessors: each requires its own type.
  bool asBoolean() const { return std::get<1>(storage_); }
  std::int64_t asInteger() const { return std::get<2>(storage_); }
  double asFloat() const { return std::get<3>(storage_); }
  const std::string& asText() const { return std::get<4>(storage_); }
  const DateTime& asDateTime() const { return std::get<5>(storage_); }

  // Integer or floating as a double; anything else is 0.
  double toNumber() const {
    if (type() == ValueType::Integer) return static_cast<double>(asInteger());
    if (type() == ValueType::Float) return asFloat();
    return 0.0;
  }

  friend bool operator==(const Value&, const Value&) = default;

 private:
  using Storage = std::variant<std::monostate, bool, std::int64_t, double, std::string, DateTime>;
  explicit Value(Storage s) : storage_(std::move(s)) {}
  Storage storage_;
};

}  // namespace korvel
