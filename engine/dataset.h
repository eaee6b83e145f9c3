// What the report engine needs of a dataset: a static cursor over records
// whose fields are read by name without regard to case. The form adapts
// its database queries to this; tests use in-memory datasets.
#pragma once

#include <string_view>

#include "base/value.h"

namespace korvel::engine {

class Dataset {
 public:
  virtual ~Dataset() = default;

  virtual void first() = 0;
  virtual void next() = 0;
  virtual bool eof() const = 0;
  virtual int recordCount() const = 0;

  virtual bool hasField(std::string_view name) const = 0;
  // The field's declared type (Boolean, Integer, Float, Text or DateTime),
  // used to turn a null into 0, empty text or false.
  virtual ValueType fieldType(std::string_view name) const = 0;
  // The current record's raw value, null included. Unknown field: EReportError.
  virtual Value field(std::string_view name) const = 0;
};

}  // namespace korvel::engine
