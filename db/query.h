// An SQL query over either connection: text as a list of lines, named
// parameters bound by value, and a static result read whole on open. With a
// fixed field list the query exposes exactly those fields, checked against
// the result when it opens.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/value.h"
#include "db/connection.h"
#include "db/field_types.h"

namespace korvel::db {

struct ResultSet;

class Query {
 public:
  explicit Query(std::string name, Connection* connection = nullptr);

  const std::string& name() const { return name_; }
  Connection* connection() const { return connection_; }
  void setConnection(Connection* connection);

  // Lines of the SQL text, joined with line breaks when run.
  const std::vector<std::string>& sql() const { return sql_; }
  void setSql(std::vector<std::string> lines);
  std::string sqlText() const;

  // Stored parameter types; a value set for a declared parameter is
  // converted to its type (EConvertError when it cannot be).
  void setParamDefs(std::vector<ParamDef> params);
  // Names match without regard to case; a parameter used at several places
  // of the text takes the same value at each. An undeclared name takes the
  // value's own type.
  void setParam(std::string_view name, const Value& value);
  Value param(std::string_view name) const;

  // A non-empty list fixes the fields the query exposes.
  void setFieldDefs(std::vector<FieldDef> fields);
  const std::vector<FieldDef>& fieldDefs() const { return fieldDefs_; }

  void open();
  void close();
  bool active() const { return active_; }

  void first();
  void next();
  bool eof() const;
  int recordCount() const;

  // Fields of the open query, by name without regard to case.
  std::vector<std::string> fieldNames() const;
  bool hasField(std::string_view name) const;
  FieldType fieldType(std::string_view name) const;
  // The current record's value; null on a null field or when there is no record.
  Value value(std::string_view name) const;
  bool isNull(std::string_view name) const;
  std::string asText(std::string_view name) const;  // null gives ""
  double asNumber(std::string_view name) const;     // null gives 0

 private:
  struct Field {
    std::string name;
    FieldType type;
  };
  struct Param {
    std::string name;
    bool declared = false;
    FieldType type = FieldType::Integer;
    bool assigned = false;
    Value value;
  };

  void requireActive() const;
  std::size_t fieldIndex(std::string_view name) const;
  std::vector<Value> parameterValues(const std::vector<std::string>& names) const;
  void load(ResultSet&& result);

  std::string name_;
  Connection* connection_ = nullptr;
  std::vector<std::string> sql_;
  std::vector<Param> params_;
  std::vector<FieldDef> fieldDefs_;

  bool active_ = false;
  std::vector<Field> fields_;
  std::vector<std::vector<Value>> rows_;
  std::size_t position_ = 0;
};

}  // namespace korvel::db
