// Query: parameters, dialect plan, result loading and field access.
#include "db/query.h"

#include <cstdio>

#include "base/exception.h"
#include "base/number_text.h"
#include "db/sql_dialect.h"
#include "db/sql_parameters.h"
#include "db/statement.h"
#include "db/text_util.h"
#include "db/value_conversion.h"

namespace korvel::db {

Query::Query(std::string name, Connection* connection) : name_(std::move(name)), connection_(connection) {}

void Query::setConnection(Connection* connection) {
  close();
  connection_ = connection;
}

void Query::setSql(std::vector<std::string> lines) {
  close();
  sql_ = std::move(lines);
}

std::string Query::sqlText() const {
  std::string text;
  for (std::size_t i = 0; i < sql_.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += sql_[i];
  }
  return text;
}

void Query::setParamDefs(std::vector<ParamDef> params) {
  params_.clear();
  for (auto& def : params) params_.push_back(Param{std::move(def.name), true, def.type, false, Value()});
}

namespace {

Value toParamType(const Value& value, FieldType type) {
  if (value.type() == ValueType::Text && valueTypeOf(type) == ValueType::Integer)
    return Value::integer(StrToInt(value.asText()));
  if (value.type() == ValueType::Text && valueTypeOf(type) == ValueType::Float)
    return Value::floating(StrToFloat(value.asText()));
  if (auto converted = convertTo(value, type)) return *converted;
  throw EConvertError("Value cannot be converted to " + std::string(fieldTypeName(type)));
}

}  // namespace

void Query::setParam(std::string_view name, const Value& value) {
  for (auto& param : params_) {
    if (!equalsIgnoreCase(param.name, name)) continue;
    param.value = param.declared ? toParamType(value, param.type) : value;
    param.assigned = true;
    return;
  }
  params_.push_back(Param{std::string(name), false, FieldType::Integer, true, value});
}

Value Query::param(std::string_view name) const {
  for (const auto& param : params_)
    if (equalsIgnoreCase(param.name, name)) return param.value;
  throw EDatabaseError(name_ + ": Parameter '" + std::string(name) + "' not found");
}

void Query::setFieldDefs(std::vector<FieldDef> fields) {
  close();
  fieldDefs_ = std::move(fields);
}

std::vector<Value> Query::parameterValues(const std::vector<std::string>& names) const {
  std::vector<Value> values;
  for (const auto& name : names) {
    const Param* found = nullptr;
    for (const auto& param : params_)
      if (equalsIgnoreCase(param.name, name)) found = &param;
    if (!found || !found->assigned) throw EDatabaseError(name_ + ": No value for parameter '" + name + "'");
    values.push_back(found->value);
  }
  return values;
}

void Query::open() {
  if (!connection_) throw EDatabaseError(name_ + ": Missing connection");
  if (!connection_->connected()) connection_->fail(name_ + ": The database is not connected");
  close();
  const SqlPlan plan = planFor(sqlText(), connection_->serverKind());
  std::string chosen = plan.statement;
  if (plan.conditional()) {
    const auto condition = parameterize(plan.condition);
    const ResultSet test = runStatement(*connection_, condition.sql, parameterValues(condition.names));
    const bool holds = !test.rows.empty() && !test.rows[0].empty() &&
                       convertTo(test.rows[0][0], FieldType::Integer).value_or(Value()) == Value::integer(1);
    if (!holds) chosen = plan.elseStatement;
  }
  ResultSet result;
  if (!trimBlanks(chosen).empty()) {
    const auto statement = parameterize(chosen);
    result = runStatement(*connection_, statement.sql, parameterValues(statement.names));
  }
  load(std::move(result));
  active_ = true;
  position_ = 0;
}

namespace {

// Distinct names for the columns: a repeated name gets "_1", "_2", ...
std::vector<std::string> uniqueNames(const std::vector<ResultColumn>& columns) {
  std::vector<std::string> names;
  auto taken = [&](const std::string& name) {
    for (const auto& other : names)
      if (equalsIgnoreCase(other, name)) return true;
    return false;
  };
  for (const auto& column : columns) {
    std::string name = column.name;
    for (int suffix = 1; taken(name); ++suffix) name = column.name + "_" + std::to_string(suffix);
    names.push_back(std::move(name));
  }
  return names;
}

bool compatible(FieldType type, const ResultColumn& column) {
  switch (valueTypeOf(type)) {
    case ValueType::Text:
      return column.kind == ColumnKind::Text || column.kind == ColumnKind::Other;
    case ValueType::Integer:
      return column.kind == ColumnKind::Integer || column.kind == ColumnKind::Boolean ||
             (column.kind == ColumnKind::Decimal && column.scale == 0);
    case ValueType::Boolean:
      return column.kind == ColumnKind::Boolean || column.kind == ColumnKind::Integer;
    case ValueType::Float:
      return column.kind == ColumnKind::Integer || column.kind == ColumnKind::Float ||
             column.kind == ColumnKind::Decimal;
    case ValueType::DateTime:
      return column.kind == ColumnKind::DateTime;
    case ValueType::Null:
      break;
  }
  return false;
}

FieldType naturalType(const ResultColumn& column, const std::vector<std::vector<Value>>& rows,
                      std::size_t index) {
  switch (column.kind) {
    case ColumnKind::Integer:
      return FieldType::Largeint;
    case ColumnKind::Boolean:
      return FieldType::Boolean;
    case ColumnKind::Float:
      return FieldType::Float;
    case ColumnKind::Decimal:
      return FieldType::Bcd;
    case ColumnKind::DateTime:
      return FieldType::DateTime;
    case ColumnKind::Text:
    case ColumnKind::Other:
      return FieldType::String;
    case ColumnKind::Untyped:
      break;
  }
  // A computed SQLite column: the narrowest type all its values fit.
  bool integers = true, numbers = true;
  for (const auto& row : rows) {
    if (row[index].isNull()) continue;
    integers = integers && convertTo(row[index], FieldType::Largeint).has_value();
    numbers = numbers && convertTo(row[index], FieldType::Float).has_value();
  }
  return integers ? FieldType::Largeint : numbers ? FieldType::Float : FieldType::String;
}

}  // namespace

void Query::load(ResultSet&& result) {
  const auto names = uniqueNames(result.columns);
  std::vector<std::size_t> sources;
  std::vector<Field> fields;
  if (fieldDefs_.empty()) {
    for (std::size_t i = 0; i < names.size(); ++i) {
      sources.push_back(i);
      fields.push_back(Field{names[i], naturalType(result.columns[i], result.rows, i)});
    }
  } else {
    for (const auto& def : fieldDefs_) {
      std::size_t source = 0;
      while (source < names.size() && !equalsIgnoreCase(names[source], def.name)) ++source;
      if (source == names.size()) throw EDatabaseError(name_ + ": Field '" + def.name + "' not found");
      const ResultColumn& column = result.columns[source];
      if (column.kind != ColumnKind::Untyped && !compatible(def.type, column))
        throw EDatabaseError(name_ + ": Type mismatch for field '" + def.name + "', expecting: " +
                             std::string(fieldTypeName(def.type)) + " actual: " + column.typeName);
      sources.push_back(source);
      fields.push_back(Field{def.name, def.type});
    }
  }
  std::vector<std::vector<Value>> rows;
  rows.reserve(result.rows.size());
  for (const auto& raw : result.rows) {
    std::vector<Value> row;
    row.reserve(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
      auto converted = convertTo(raw[sources[i]], fields[i].type);
      if (!converted)
        throw EDatabaseError(name_ + ": Type mismatch for field '" + fields[i].name + "', expecting: " +
                             std::string(fieldTypeName(fields[i].type)) + " actual: String");
      row.push_back(std::move(*converted));
    }
    rows.push_back(std::move(row));
  }
  fields_ = std::move(fields);
  rows_ = std::move(rows);
}

void Query::close() {
  active_ = false;
  fields_.clear();
  rows_.clear();
  position_ = 0;
}

void Query::requireActive() const {
  if (!active_) throw EDatabaseError(name_ + ": Cannot perform this operation on a closed dataset");
}

void Query::first() {
  requireActive();
  position_ = 0;
}

void Query::next() {
  requireActive();
  if (position_ < rows_.size()) ++position_;
}

bool Query::eof() const {
  requireActive();
  return position_ >= rows_.size();
}

int Query::recordCount() const {
  requireActive();
  return static_cast<int>(rows_.size());
}

std::vector<std::string> Query::fieldNames() const {
  requireActive();
  std::vector<std::string> names;
  for (const auto& field : fields_) names.push_back(field.name);
  return names;
}

bool Query::hasField(std::string_view name) const {
  requireActive();
  for (const auto& field : fields_)
    if (equalsIgnoreCase(field.name, name)) return true;
  return false;
}

std::size_t Query::fieldIndex(std::string_view name) const {
  requireActive();
  for (std::size_t i = 0; i < fields_.size(); ++i)
    if (equalsIgnoreCase(fields_[i].name, name)) return i;
  throw EDatabaseError(name_ + ": Field '" + std::string(name) + "' not found");
}

FieldType Query::fieldType(std::string_view name) const { return fields_[fieldIndex(name)].type; }

Value Query::value(std::string_view name) const {
  const std::size_t index = fieldIndex(name);
  if (position_ >= rows_.size()) return Value();
  return rows_[position_][index];
}

bool Query::isNull(std::string_view name) const { return value(name).isNull(); }

namespace {

std::string dateTimeText(const DateTime& t) {
  char text[40];
  if (t.hour == 0 && t.minute == 0 && t.second == 0 && t.millisecond == 0)
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", t.day, t.month, t.year);
  else
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %d:%02d:%02d", t.day, t.month, t.year, t.hour, t.minute,
                  t.second);
  return text;
}

// Days since 30 December 1899, the desktop's date-time number.
double dateTimeNumber(const DateTime& t) {
  const int y = t.month <= 2 ? t.year - 1 : t.year;
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yearOfEra = y - era * 400;
  const int dayOfYear = (153 * (t.month + (t.month > 2 ? -3 : 9)) + 2) / 5 + t.day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  const long long daysSince1970 = static_cast<long long>(era) * 146097 + dayOfEra - 719468;
  const double days = static_cast<double>(daysSince1970 + 25569);
  const double fraction =
      (t.hour * 3600000.0 + t.minute * 60000.0 + t.second * 1000.0 + t.millisecond) / 86400000.0;
  return days >= 0 ? days + fraction : days - fraction;
}

}  // namespace

std::string Query::asText(std::string_view name) const {
  const Value v = value(name);
  switch (v.type()) {
    case ValueType::Null:
      return "";
    case ValueType::Boolean:
      return v.asBoolean() ? "True" : "False";
    case ValueType::Integer:
      return std::to_string(v.asInteger());
    case ValueType::Float:
      return FloatToStr(v.asFloat());
    case ValueType::Text:
      return v.asText();
    case ValueType::DateTime:
      return dateTimeText(v.asDateTime());
  }
  return "";
}

double Query::asNumber(std::string_view name) const {
  const Value v = value(name);
  switch (v.type()) {
    case ValueType::Null:
      return 0;
    case ValueType::Boolean:
      return v.asBoolean() ? 1 : 0;
    case ValueType::Integer:
    case ValueType::Float:
      return v.toNumber();
    case ValueType::Text:
      return StrToFloat(v.asText());
    case ValueType::DateTime:
      return dateTimeNumber(v.asDateTime());
  }
  return 0;
}

}  // namespace korvel::db
