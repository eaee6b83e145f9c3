// Declared types of query fields and parameters, and the type names used in
// the data layer's messages ("Type mismatch for field 'X', expecting:
// Integer actual: String").
#pragma once

#include <string>
#include <string_view>

#include "base/value.h"

namespace korvel::db {

enum class FieldType {
  String,     // text of at most `size` characters
  FixedChar,  // fixed-length text
  Smallint,   // 16-bit integer
  Word,       // 16-bit unsigned integer
  Integer,    // 32-bit integer
  Largeint,   // 64-bit integer
  Boolean,
  Float,  // floating point
  Bcd,    // exact decimal, delivered as floating point
  DateTime,
};

struct FieldDef {
  std::string name;
  FieldType type = FieldType::String;
  int size = 0;           // characters for text, 0 otherwise
  bool readOnly = false;  // computed in the query
};

struct ParamDef {
  std::string name;
  FieldType type = FieldType::Integer;
};

std::string_view fieldTypeName(FieldType type);
ValueType valueTypeOf(FieldType type);

}  // namespace korvel::db
