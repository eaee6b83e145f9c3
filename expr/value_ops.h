// The operators of the expression language on typed values: truth of a
// condition, arithmetic, joining texts and comparing. Each raises
// EReportError saying what is wrong; the caller adds the expression.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/value.h"

namespace korvel::expr {

enum class BinaryOp {
  Add,
  Subtract,
  Multiply,
  Divide,
  Equal,
  NotEqual,
  Less,
  Greater,
  LessEqual,
  GreaterEqual
};

// Booleans as they are; numbers: non-zero is true; texts "1", "-1", "True"
// are true and "0", "", "False" false (any case), other texts are read as
// numbers; null is false.
bool isTrue(const Value& value);

// A text that holds a number ("12", "-3", "1.5" or with the current
// decimal separator), as an integer when it has no fraction or exponent.
std::optional<Value> numberFromText(std::string_view text);

// A number as the language writes it into a text: integers in full,
// floating values in the shortest general form with the current separator.
std::string numberText(const Value& number);

// `left` is consumed so that joining texts appends in place.
Value applyBinary(BinaryOp op, Value&& left, const Value& right);
Value negate(const Value& value);

}  // namespace korvel::expr
