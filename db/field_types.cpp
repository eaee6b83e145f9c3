// Names and value kinds of the declared field types.
#include "db/field_types.h"

namespace korvel::db {

std::string_view fieldTypeName(FieldType type) {
  switch (type) {
    case FieldType::String:
      return "String";
    case FieldType::FixedChar:
      return "FixedChar";
    case FieldType::Smallint:
      return "Smallint";
    case FieldType::Word:
      return "Word";
    case FieldType::Integer:
      return "Integer";
    case FieldType::Largeint:
      return "Largeint";
    case FieldType::Boolean:
      return "Boolean";
    case FieldType::Float:
      return "Float";
    case FieldType::Bcd:
      return "BCD";
    case FieldType::DateTime:
      return "DateTime";
  }
  return "Unknown";
}

ValueType valueTypeOf(FieldType type) {
  switch (type) {
    case FieldType::String:
    case FieldType::FixedChar:
      return ValueType::Text;
    case FieldType::Smallint:
    case FieldType::Word:
    case FieldType::Integer:
    case FieldType::Largeint:
      return ValueType::Integer;
    case FieldType::Boolean:
      return ValueType::Boolean;
    case FieldType::Float:
    case FieldType::Bcd:
      return ValueType::Float;
    case FieldType::DateTime:
      return ValueType::DateTime;
  }
  return ValueType::Text;
}

}  // namespace korvel::db
