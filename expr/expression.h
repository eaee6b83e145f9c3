// The report expression language: the bracketed parts of report texts,
// report variables and SUM aggregates. Standard C++ only; what an
// expression refers to (fields, variables, page numbers, sums) comes from
// a Context that the report engine provides.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/value.h"

namespace korvel::expr {

class Node;  // parsed form, private to the language
class Expression;

// One SUM(expression, band) inside an expression. The engine accumulates
// it over the records of the band printed on the current sheet.
struct Aggregate {
  const Expression* argument;  // owned by the expression that holds the SUM
  std::string band;            // band name as written
};

enum class SystemValue { Page, PageHash, TotalPages, Line, Time };

class Context {
 public:
  virtual ~Context() = default;
  // dataset."field" of the current record, nulls already converted.
  virtual Value field(std::string_view dataset, std::string_view field) = 0;
  // The stored value of a report variable (for a variable it is usually a
  // text holding an expression); std::nullopt when no variable has that name.
  // A declared variable without a value gives a null Value.
  virtual std::optional<Value> variable(std::string_view name) = 0;
  virtual Value system(SystemValue which) = 0;
  virtual Value sum(const Aggregate& aggregate) = 0;
};

class Expression {
 public:
  // Raises EReportError quoting the source and saying what is wrong.
  static Expression parse(std::string_view source);

  Expression(Expression&&) noexcept;
  Expression& operator=(Expression&&) noexcept;
  ~Expression();

  // Raises EReportError quoting the source on an evaluation error.
  Value evaluate(Context& context) const;

  const std::string& source() const { return source_; }
  // Every SUM in this expression, outermost first.
  const std::vector<Aggregate>& aggregates() const;

 private:
  Expression();
  std::string source_;
  std::unique_ptr<Node> root_;
  std::vector<std::unique_ptr<Expression>> aggregateArguments_;
  std::vector<Aggregate> aggregates_;
  int depth_ = 1;  // deepest nesting, for the bound on nested evaluations
  friend class Parser;
};

// A variable's stored value as expressions see it: a one-line text is
// itself evaluated as an expression; any other value is used as it is; no
// value is null. Nesting is bounded, so a variable naming itself is an
// error, not a hang.
Value resolveVariable(const Value& stored, Context& context);

// A report text split into literal runs and bracketed expressions. Square
// brackets inside quoted literals and nested brackets are handled; an
// unclosed bracket raises EReportError.
struct TextPart {
  std::string literal;  // when expression is empty
  std::shared_ptr<const Expression> expression;
  // A number format given inside the brackets after " #n", as in
  // "[12,5 #n%2,2f]": a printf pattern whose '.' place holds the decimal
  // separator to print ("%2,2f": two decimals and a comma). It overrides the
  // object's display format for this part; empty when none is given.
  std::string numberFormat;
};
std::vector<TextPart> splitText(std::string_view text);

}  // namespace korvel::expr
