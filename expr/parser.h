// Turns the source of one expression into its node tree. A hand-written
// recursive-descent parser; nesting is bounded so that no text can exhaust
// the stack.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "expr/node.h"

namespace korvel::expr {

class Parser {
 public:
  // Deepest nesting of parentheses, function calls and prefix operators.
  static constexpr int maxNesting = 200;

  static Expression parse(std::string_view source);

 private:
  explicit Parser(std::string_view source) : source_(source) {}
  class Nesting;

  NodePtr parseOr();
  NodePtr parseAnd();
  NodePtr parseNot();
  NodePtr parseComparison();
  NodePtr parseAdditive();
  NodePtr parseMultiplicative();
  NodePtr parseUnary();
  NodePtr parsePrimary();
  NodePtr parseNumber();
  NodePtr parseText();
  NodePtr parseReference();
  NodePtr parseName();
  NodePtr parseCall(std::string_view name, std::size_t namePosition);
  NodePtr parseSum(std::size_t namePosition);
  std::string parseFieldName();

  void skipBlanks();
  bool atEnd() const { return pos_ >= source_.size(); }
  char peek(std::size_t ahead = 0) const;
  bool accept(char c);
  void expect(char c, const char* what);
  bool acceptKeyword(std::string_view lowerWord);
  std::string_view identifierAt(std::size_t position) const;
  [[noreturn]] void fail(const std::string& what, std::size_t position) const;
  std::string describeAt(std::size_t position) const;

  std::string_view source_;
  std::size_t pos_ = 0;
  int nesting_ = 0;
  int deepest_ = 0;
  bool insideSum_ = false;
  Expression* expression_ = nullptr;
};

}  // namespace korvel::expr
