// Operators of the expression language on typed values.
#include "expr/value_ops.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "base/exception.h"
#include "base/number_text.h"

namespace korvel::expr {
namespace {

using Int = std::int64_t;

const char* typeName(const Value& value) {
  switch (value.type()) {
    case ValueType::Null:
      return "nothing";
    case ValueType::Boolean:
      return "a Boolean";
    case ValueType::Integer:
    case ValueType::Float:
      return "a number";
    case ValueType::Text:
      return "a text";
    case ValueType::DateTime:
      return "a date";
  }
  return "a value";
}

const char* symbol(BinaryOp op) {
  switch (op) {
    case BinaryOp::Add:
      return "+";
    case BinaryOp::Subtract:
      return "-";
    case BinaryOp::Multiply:
      return "*";
    case BinaryOp::Divide:
      return "/";
    case BinaryOp::Equal:
      return "=";
    case BinaryOp::NotEqual:
      return "<>";
    case BinaryOp::Less:
      return "<";
    case BinaryOp::Greater:
      return ">";
    case BinaryOp::LessEqual:
      return "<=";
    case BinaryOp::GreaterEqual:
      return ">=";
  }
  return "?";
}

[[noreturn]] void typeError(BinaryOp op, const Value& left, const Value& right) {
  throw EReportError(std::string("cannot apply \"") + symbol(op) + "\" to " + typeName(left) + " and " +
                     typeName(right));
}

bool equalsIgnoringCase(std::string_view text, std::string_view lowerWord) {
  if (text.size() != lowerWord.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != lowerWord[i]) return false;
  }
  return true;
}

std::string_view trimmed(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

Value checkedFloat(double d) {
  if (!std::isfinite(d)) throw EReportError("the result is too large a number");
  return Value::floating(d);
}

// A number operand of - * /; nothing counts as 0, texts must hold a number.
Value arithmeticOperand(BinaryOp op, const Value& value, const Value& other) {
  switch (value.type()) {
    case ValueType::Null:
      return Value::integer(0);
    case ValueType::Integer:
    case ValueType::Float:
      return value;
    case ValueType::Text:
      if (auto number = numberFromText(value.asText())) return *number;
      throw EReportError("'" + value.asText() + "' is not a number");
    default:
      typeError(op, value, other);
  }
}

Value integerArithmetic(BinaryOp op, Int a, Int b) {
  constexpr Int maxInt = std::numeric_limits<Int>::max();
  constexpr Int minInt = std::numeric_limits<Int>::min();
  const double exact = op == BinaryOp::Add        ? static_cast<double>(a) + static_cast<double>(b)
                       : op == BinaryOp::Subtract ? static_cast<double>(a) - static_cast<double>(b)
                                                  : static_cast<double>(a) * static_cast<double>(b);
  switch (op) {
    case BinaryOp::Add:
      if ((b > 0 && a > maxInt - b) || (b < 0 && a < minInt - b)) return checkedFloat(exact);
      return Value::integer(a + b);
    case BinaryOp::Subtract:
      if ((b < 0 && a > maxInt + b) || (b > 0 && a < minInt + b)) return checkedFloat(exact);
      return Value::integer(a - b);
    default:
      // Past 2^62 the product may not fit; such sizes are floating anyway.
      if (std::fabs(exact) >= 4.6e18) return checkedFloat(exact);
      return Value::integer(a * b);
  }
}

Value arithmetic(BinaryOp op, const Value& left, const Value& right) {
  if (left.isNull() && right.isNull()) return Value();
  const Value a = arithmeticOperand(op, left, right);
  const Value b = arithmeticOperand(op, right, left);
  if (op == BinaryOp::Divide) {
    if (b.toNumber() == 0.0) throw EReportError("division by zero");
    return checkedFloat(a.toNumber() / b.toNumber());
  }
  if (a.type() == ValueType::Integer && b.type() == ValueType::Integer)
    return integerArithmetic(op, a.asInteger(), b.asInteger());
  const double x = a.toNumber(), y = b.toNumber();
  return checkedFloat(op == BinaryOp::Add ? x + y : op == BinaryOp::Subtract ? x - y : x * y);
}

// Texts join, numbers add, nothing leaves the other side as it is; a
// number joined to a text is written as numberText writes it.
Value add(Value&& left, const Value& right) {
  if (right.isNull()) return std::move(left);
  if (left.isNull()) return right;
  const bool leftText = left.type() == ValueType::Text, rightText = right.type() == ValueType::Text;
  if (leftText || rightText) {
    const Value& other = leftText ? right : left;
    if (other.type() != ValueType::Text && !other.isNumber()) typeError(BinaryOp::Add, left, right);
    if (leftText) {
      // `left` is our own temporary: take its text instead of copying it.
      std::string joined = std::move(const_cast<std::string&>(left.asText()));
      joined += rightText ? right.asText() : numberText(right);
      return Value::text(std::move(joined));
    }
    return Value::text(numberText(left) + right.asText());
  }
  if (!left.isNumber() || !right.isNumber()) typeError(BinaryOp::Add, left, right);
  return arithmetic(BinaryOp::Add, left, right);
}

template <typename T>
int order(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

int compareNumbers(const Value& a, const Value& b) {
  if (a.type() == ValueType::Integer && b.type() == ValueType::Integer)
    return order(a.asInteger(), b.asInteger());
  return order(a.toNumber(), b.toNumber());
}

std::optional<bool> truthOf(const Value& value) {
  try {
    return isTrue(value);
  } catch (const EReportError&) {
    return std::nullopt;
  }
}

// Three-way comparison; nullopt when the two cannot be ordered (then they
// are simply unequal).
std::optional<int> compare(const Value& a, const Value& b) {
  const ValueType ta = a.type(), tb = b.type();
  if (ta == ValueType::Null && tb == ValueType::Null) return 0;
  if (ta == ValueType::DateTime || tb == ValueType::DateTime) {
    if (ta != tb) return std::nullopt;
    const DateTime &x = a.asDateTime(), &y = b.asDateTime();
    const int xs[] = {x.year, x.month, x.day, x.hour, x.minute, x.second, x.millisecond};
    const int ys[] = {y.year, y.month, y.day, y.hour, y.minute, y.second, y.millisecond};
    for (int i = 0; i < 7; ++i)
      if (xs[i] != ys[i]) return order(xs[i], ys[i]);
    return 0;
  }
  if (ta == ValueType::Boolean || tb == ValueType::Boolean) {
    const auto x = truthOf(a), y = truthOf(b);
    if (!x || !y) return std::nullopt;
    return order(*x, *y);
  }
  if (ta == ValueType::Null) return compare(tb == ValueType::Text ? Value::text("") : Value::integer(0), b);
  if (tb == ValueType::Null) return compare(a, ta == ValueType::Text ? Value::text("") : Value::integer(0));
  if (ta == ValueType::Text && tb == ValueType::Text) return order(a.asText(), b.asText());
  if (ta == ValueType::Text || tb == ValueType::Text) {
    // A text against a number: as numbers when the text holds one, else
    // as texts.
    const Value& text = ta == ValueType::Text ? a : b;
    const Value& number = ta == ValueType::Text ? b : a;
    int result;
    if (auto read = numberFromText(text.asText()))
      result = compareNumbers(*read, number);
    else
      result = order(std::string_view(text.asText()), std::string_view(numberText(number)));
    return ta == ValueType::Text ? result : -result;
  }
  return compareNumbers(a, b);
}

Value comparison(BinaryOp op, const Value& left, const Value& right) {
  const std::optional<int> c = compare(left, right);
  if (op == BinaryOp::Equal) return Value::boolean(c == 0);
  if (op == BinaryOp::NotEqual) return Value::boolean(c != 0);
  if (!c) typeError(op, left, right);
  switch (op) {
    case BinaryOp::Less:
      return Value::boolean(*c < 0);
    case BinaryOp::Greater:
      return Value::boolean(*c > 0);
    case BinaryOp::LessEqual:
      return Value::boolean(*c <= 0);
    default:
      return Value::boolean(*c >= 0);
  }
}

}  // namespace

bool isTrue(const Value& value) {
  switch (value.type()) {
    case ValueType::Null:
      return false;
    case ValueType::Boolean:
      return value.asBoolean();
    case ValueType::Integer:
      return value.asInteger() != 0;
    case ValueType::Float:
      return value.asFloat() != 0.0;
    case ValueType::Text: {
      const std::string_view text = trimmed(value.asText());
      if (text.empty() || equalsIgnoringCase(text, "false")) return false;
      if (equalsIgnoringCase(text, "true")) return true;
      if (auto number = numberFromText(text)) return isTrue(*number);
      throw EReportError("'" + value.asText() + "' is neither true nor false");
    }
    case ValueType::DateTime:
      break;
  }
  throw EReportError("a date is neither true nor false");
}

std::optional<Value> numberFromText(std::string_view text) {
  text = trimmed(text);
  // Digits go through from_chars, which always expects '.'.
  char buffer[64];
  if (text.empty() || text.size() >= sizeof buffer) return std::nullopt;
  const char separator = decimalSeparator();
  std::size_t i = 0;
  bool integral = true, digits = false;
  if (text[i] == '-' || text[i] == '+') ++i;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      digits = true;
    } else if ((c == '.' || c == separator) && integral) {
      integral = false;
    } else if ((c == 'e' || c == 'E') && digits) {
      integral = false;
      if (i + 1 < text.size() && (text[i + 1] == '-' || text[i + 1] == '+')) ++i;
      if (i + 1 >= text.size()) return std::nullopt;
    } else {
      return std::nullopt;
    }
  }
  if (!digits) return std::nullopt;
  std::size_t length = 0;
  for (char c : text) buffer[length++] = c == separator ? '.' : c;
  const char* first = buffer[0] == '+' ? buffer + 1 : buffer;
  const char* last = buffer + length;
  if (integral) {
    Int i64 = 0;
    auto [end, error] = std::from_chars(first, last, i64);
    if (error == std::errc() && end == last) return Value::integer(i64);
  }
  double d = 0;
  auto [end, error] = std::from_chars(first, last, d);
  if (error != std::errc() || end != last || !std::isfinite(d)) return std::nullopt;
  return Value::floating(d);
}

std::string numberText(const Value& number) {
  if (number.type() == ValueType::Integer) {
    char buffer[24];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, number.asInteger());
    (void)error;
    return std::string(buffer, end);
  }
  return FloatToStr(number.toNumber());
}

Value applyBinary(BinaryOp op, Value&& left, const Value& right) {
  switch (op) {
    case BinaryOp::Add:
      return add(std::move(left), right);
    case BinaryOp::Subtract:
    case BinaryOp::Multiply:
    case BinaryOp::Divide:
      return arithmetic(op, left, right);
    default:
      return comparison(op, left, right);
  }
}

Value negate(const Value& value) {
  switch (value.type()) {
    case ValueType::Null:
      return Value();
    case ValueType::Integer:
      if (value.asInteger() == std::numeric_limits<Int>::min()) return Value::floating(-value.toNumber());
      return Value::integer(-value.asInteger());
    case ValueType::Float:
      return Value::floating(-value.asFloat());
    case ValueType::Text:
      if (auto number = numberFromText(value.asText())) return negate(*number);
      throw EReportError("'" + value.asText() + "' is not a number");
    default:
      throw EReportError(std::string("cannot apply \"-\" to ") + typeName(value));
  }
}

}  // namespace korvel::expr
