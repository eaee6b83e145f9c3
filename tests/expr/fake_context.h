// An in-memory Context for expression tests: fields, variables, system
// values and SUM results held in maps, looked up without regard to case.
#pragma once

#include <functional>
#include <map>
#include <ostream>
#include <string>

#include "base/exception.h"
#include "expr/expression.h"

namespace korvel {

// Readable values in test failures.
inline void PrintTo(const Value& value, std::ostream* out) {
  switch (value.type()) {
    case ValueType::Null:
      *out << "null";
      break;
    case ValueType::Boolean:
      *out << (value.asBoolean() ? "true" : "false");
      break;
    case ValueType::Integer:
      *out << "integer " << value.asInteger();
      break;
    case ValueType::Float:
      *out << "float " << value.asFloat();
      break;
    case ValueType::Text:
      *out << "text '" << value.asText() << "'";
      break;
    case ValueType::DateTime:
      *out << "date " << value.asDateTime().year << "-" << value.asDateTime().month;
      break;
  }
}

}  // namespace korvel

namespace korvel::expr::test {

inline Value I(std::int64_t i) { return Value::integer(i); }
inline Value F(double d) { return Value::floating(d); }
inline Value T(std::string s) { return Value::text(std::move(s)); }
inline Value B(bool b) { return Value::boolean(b); }
inline Value N() { return Value(); }

inline std::string lower(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return result;
}

class FakeContext : public Context {
 public:
  void setField(std::string_view dataset, std::string_view field, Value value) {
    fields_[lower(dataset) + "." + lower(field)] = std::move(value);
  }
  void setVariable(std::string_view name, Value value) { variables_[lower(name)] = std::move(value); }
  void setSystem(SystemValue which, Value value) { system_[which] = std::move(value); }
  std::function<Value(const Aggregate&)> onSum;
  int fieldReads = 0;

  Value field(std::string_view dataset, std::string_view field) override {
    ++fieldReads;
    auto found = fields_.find(lower(dataset) + "." + lower(field));
    if (found == fields_.end()) throw EReportError("unknown field " + std::string(field));
    return found->second;
  }
  std::optional<Value> variable(std::string_view name) override {
    auto found = variables_.find(lower(name));
    if (found == variables_.end()) return std::nullopt;
    return found->second;
  }
  Value system(SystemValue which) override { return system_.count(which) ? system_[which] : Value(); }
  Value sum(const Aggregate& aggregate) override { return onSum ? onSum(aggregate) : Value(); }

 private:
  std::map<std::string, Value> fields_;
  std::map<std::string, Value> variables_;
  std::map<SystemValue, Value> system_;
};

inline Value evaluate(std::string_view source, Context& context) {
  return Expression::parse(source).evaluate(context);
}

}  // namespace korvel::expr::test
