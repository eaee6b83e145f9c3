// Recursive-descent parser of the expression language. Precedence, loosest
// first: or; and; not; comparisons; + -; * /; prefix - +.
#include "expr/parser.h"

#include <algorithm>
#include <charconv>

#include "base/exception.h"

namespace korvel::expr {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isNameStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' ||
         static_cast<unsigned char>(c) >= 0x80;
}
bool isNameChar(char c) { return isNameStart(c) || isDigit(c); }

bool sameName(std::string_view name, std::string_view lowerWord) {
  return name.size() == lowerWord.size() &&
         std::equal(name.begin(), name.end(), lowerWord.begin(), [](char a, char b) {
           return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
         });
}

std::optional<SystemValue> systemValue(std::string_view name) {
  if (sameName(name, "page")) return SystemValue::Page;
  if (sameName(name, "page#")) return SystemValue::PageHash;
  if (sameName(name, "totalpages")) return SystemValue::TotalPages;
  if (sameName(name, "line")) return SystemValue::Line;
  if (sameName(name, "time")) return SystemValue::Time;
  return std::nullopt;
}

NodePtr nameNode(std::string_view name) {
  if (auto which = systemValue(name)) return std::make_unique<SystemNode>(*which);
  return std::make_unique<VariableNode>(std::string(name));
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

// Counts one level of nesting for as long as it lives.
class Parser::Nesting {
 public:
  Nesting(Parser& parser, std::size_t position) : parser_(parser) {
    if (parser_.nesting_ >= maxNesting) parser_.fail("the expression is nested too deeply", position);
    parser_.deepest_ = std::max(parser_.deepest_, ++parser_.nesting_);
  }
  ~Nesting() { --parser_.nesting_; }
  Nesting(const Nesting&) = delete;
  Nesting& operator=(const Nesting&) = delete;

 private:
  Parser& parser_;
};

Expression Parser::parse(std::string_view source) {
  Expression expression;
  expression.source_ = std::string(source);
  Parser parser(expression.source_);
  parser.expression_ = &expression;
  parser.skipBlanks();
  if (parser.atEnd()) parser.fail("the expression is empty", 0);
  expression.root_ = parser.parseOr();
  parser.skipBlanks();
  if (!parser.atEnd()) parser.fail("unexpected " + parser.describeAt(parser.pos_), parser.pos_);
  expression.depth_ = parser.deepest_ + 1;
  return expression;
}

NodePtr Parser::parseOr() {
  std::vector<NodePtr> operands;
  operands.push_back(parseAnd());
  while (acceptKeyword("or")) operands.push_back(parseAnd());
  if (operands.size() == 1) return std::move(operands.front());
  return std::make_unique<LogicalNode>(false, std::move(operands));
}

NodePtr Parser::parseAnd() {
  std::vector<NodePtr> operands;
  operands.push_back(parseNot());
  while (acceptKeyword("and")) operands.push_back(parseNot());
  if (operands.size() == 1) return std::move(operands.front());
  return std::make_unique<LogicalNode>(true, std::move(operands));
}

NodePtr Parser::parseNot() {
  const std::size_t start = pos_;
  if (!acceptKeyword("not")) return parseComparison();
  Nesting nesting(*this, start);
  return std::make_unique<NotNode>(parseNot());
}

NodePtr Parser::parseComparison() {
  NodePtr first = parseAdditive();
  std::vector<ChainNode::Link> rest;
  for (;;) {
    skipBlanks();
    BinaryOp op;
    if (accept('=')) {
      op = BinaryOp::Equal;
    } else if (accept('<')) {
      op = accept('>') ? BinaryOp::NotEqual : accept('=') ? BinaryOp::LessEqual : BinaryOp::Less;
    } else if (accept('>')) {
      op = accept('=') ? BinaryOp::GreaterEqual : BinaryOp::Greater;
    } else {
      break;
    }
    rest.push_back({op, parseAdditive()});
  }
  if (rest.empty()) return first;
  return std::make_unique<ChainNode>(std::move(first), std::move(rest));
}

NodePtr Parser::parseAdditive() {
  NodePtr first = parseMultiplicative();
  std::vector<ChainNode::Link> rest;
  for (;;) {
    skipBlanks();
    if (accept('+'))
      rest.push_back({BinaryOp::Add, parseMultiplicative()});
    else if (accept('-'))
      rest.push_back({BinaryOp::Subtract, parseMultiplicative()});
    else
      break;
  }
  if (rest.empty()) return first;
  return std::make_unique<ChainNode>(std::move(first), std::move(rest));
}

NodePtr Parser::parseMultiplicative() {
  NodePtr first = parseUnary();
  std::vector<ChainNode::Link> rest;
  for (;;) {
    skipBlanks();
    if (accept('*'))
      rest.push_back({BinaryOp::Multiply, parseUnary()});
    else if (accept('/'))
      rest.push_back({BinaryOp::Divide, parseUnary()});
    else
      break;
  }
  if (rest.empty()) return first;
  return std::make_unique<ChainNode>(std::move(first), std::move(rest));
}

NodePtr Parser::parseUnary() {
  skipBlanks();
  const std::size_t start = pos_;
  if (accept('-')) {
    Nesting nesting(*this, start);
    return std::make_unique<NegateNode>(parseUnary());
  }
  if (accept('+')) {
    Nesting nesting(*this, start);
    return parseUnary();
  }
  return parsePrimary();
}

NodePtr Parser::parsePrimary() {
  skipBlanks();
  const std::size_t start = pos_;
  const char c = peek();
  if (isDigit(c)) return parseNumber();
  if (c == '\'') return parseText();
  if (c == '<') return parseReference();
  if (isNameStart(c)) return parseName();
  if (accept('(')) {
    Nesting nesting(*this, start);
    NodePtr inner = parseOr();
    expect(')', "\")\"");
    return inner;
  }
  if (c == '"') fail("a field name needs its dataset in front of it", start);
  fail("unexpected " + describeAt(start), start);
}

NodePtr Parser::parseNumber() {
  const std::size_t start = pos_;
  bool integral = true;
  while (isDigit(peek())) ++pos_;
  if (peek() == '.' && isDigit(peek(1))) {
    integral = false;
    ++pos_;
    while (isDigit(peek())) ++pos_;
  }
  if ((peek() == 'e' || peek() == 'E') &&
      (isDigit(peek(1)) || ((peek(1) == '-' || peek(1) == '+') && isDigit(peek(2))))) {
    integral = false;
    pos_ += 2;
    while (isDigit(peek())) ++pos_;
  }
  const char* first = source_.data() + start;
  const char* last = source_.data() + pos_;
  if (integral) {
    std::int64_t i = 0;
    auto [end, error] = std::from_chars(first, last, i);
    if (error == std::errc() && end == last) return std::make_unique<LiteralNode>(Value::integer(i));
  }
  double d = 0;
  auto [end, error] = std::from_chars(first, last, d);
  if (error != std::errc() || end != last) fail("the number is out of range", start);
  return std::make_unique<LiteralNode>(Value::floating(d));
}

NodePtr Parser::parseText() {
  const std::size_t start = pos_++;
  std::string text;
  for (;;) {
    if (atEnd()) fail("the text in quotes is not closed", start);
    const char c = source_[pos_++];
    if (c == '\'') {
      if (peek() != '\'') break;
      ++pos_;  // a doubled quote stands for one
    }
    text += c;
  }
  return std::make_unique<LiteralNode>(Value::text(std::move(text)));
}

// <name>, <dataset."field">, or <Page> and the other system values.
NodePtr Parser::parseReference() {
  const std::size_t start = pos_++;
  const std::size_t nameStart = pos_;
  for (;; ++pos_) {
    const char c = peek();
    if (c == '>' || (c == '.' && peek(1) == '"')) break;
    if (atEnd() || c == '<' || c == '"' || c == '\'' || c == '[' || c == ']' || c == '\r' || c == '\n')
      fail("\">\" missing after \"<\"", start);
  }
  const std::string_view name = trimmed(source_.substr(nameStart, pos_ - nameStart));
  if (name.empty()) fail("a name is missing between \"<\" and \">\"", start);
  NodePtr node;
  if (accept('.')) {
    std::string field = parseFieldName();
    node = std::make_unique<FieldNode>(std::string(name), std::move(field));
  } else {
    node = nameNode(name);
  }
  if (!accept('>')) fail("\">\" missing after \"<\"", start);
  return node;
}

std::string Parser::parseFieldName() {
  const std::size_t start = pos_;
  if (!accept('"')) fail("a field name in double quotes is expected", start);
  const std::size_t close = source_.find('"', pos_);
  if (close == std::string_view::npos) fail("the field name in double quotes is not closed", start);
  std::string field(source_.substr(pos_, close - pos_));
  if (field.empty()) fail("the field name is empty", start);
  pos_ = close + 1;
  return field;
}

// A bare name: function call, dataset."field", keyword misuse, system value
// or report variable.
NodePtr Parser::parseName() {
  const std::size_t start = pos_;
  std::string_view name = identifierAt(pos_);
  pos_ += name.size();
  if (sameName(name, "page") && peek() == '#') name = source_.substr(start, ++pos_ - start);
  if (peek() == '.' && peek(1) == '"') {
    ++pos_;
    return std::make_unique<FieldNode>(std::string(name), parseFieldName());
  }
  if (sameName(name, "and") || sameName(name, "or") || sameName(name, "not"))
    fail("unexpected \"" + std::string(name) + "\"", start);
  const std::size_t afterName = pos_;
  skipBlanks();
  if (peek() == '(') return parseCall(name, start);
  pos_ = afterName;
  return nameNode(name);
}

NodePtr Parser::parseCall(std::string_view name, std::size_t namePosition) {
  Nesting nesting(*this, namePosition);
  expect('(', "\"(\"");
  if (sameName(name, "sum")) return parseSum(namePosition);
  const bool iif = sameName(name, "iif");
  if (!iif && !sameName(name, "floattostr"))
    fail("unknown function \"" + std::string(name) + "\"", namePosition);
  std::vector<NodePtr> arguments;
  skipBlanks();
  if (peek() != ')') {
    do arguments.push_back(parseOr());
    while (accept(','));
  }
  expect(')', "\",\" or \")\"");
  if (iif) {
    if (arguments.size() != 3) fail("IIF takes three arguments: condition, then, else", namePosition);
    return std::make_unique<IifNode>(std::move(arguments[0]), std::move(arguments[1]),
                                     std::move(arguments[2]));
  }
  if (arguments.size() != 1) fail("FloatToStr takes one argument", namePosition);
  return std::make_unique<FloatToStrNode>(std::move(arguments[0]));
}

// SUM(expression, Band): the argument becomes an expression of its own that
// the engine evaluates for every record of the band.
NodePtr Parser::parseSum(std::size_t namePosition) {
  if (insideSum_) fail("SUM cannot stand inside another SUM", namePosition);
  insideSum_ = true;
  skipBlanks();
  const std::size_t argumentStart = pos_;
  NodePtr root = parseOr();
  const std::string_view argumentSource = trimmed(source_.substr(argumentStart, pos_ - argumentStart));
  insideSum_ = false;
  expect(',', "\",\" and the band name");
  skipBlanks();
  std::string_view band = identifierAt(pos_);
  if (band.empty()) fail("the band name is expected", pos_);
  pos_ += band.size();
  expect(')', "\")\"");

  auto argument = std::unique_ptr<Expression>(new Expression());
  argument->source_ = std::string(argumentSource);
  argument->root_ = std::move(root);
  argument->depth_ = deepest_ + 1;
  expression_->aggregates_.push_back({argument.get(), std::string(band)});
  expression_->aggregateArguments_.push_back(std::move(argument));
  return std::make_unique<SumNode>(expression_->aggregates_.size() - 1);
}

void Parser::skipBlanks() {
  while (!atEnd() && isBlank(source_[pos_])) ++pos_;
}

char Parser::peek(std::size_t ahead) const {
  return pos_ + ahead < source_.size() ? source_[pos_ + ahead] : '\0';
}

bool Parser::accept(char c) {
  if (atEnd() || source_[pos_] != c) return false;
  ++pos_;
  return true;
}

void Parser::expect(char c, const char* what) {
  skipBlanks();
  if (!accept(c)) fail(std::string(what) + " expected, found " + describeAt(pos_), pos_);
}

bool Parser::acceptKeyword(std::string_view lowerWord) {
  skipBlanks();
  const std::string_view word = identifierAt(pos_);
  if (!sameName(word, lowerWord)) return false;
  pos_ += word.size();
  return true;
}

std::string_view Parser::identifierAt(std::size_t position) const {
  if (position >= source_.size() || !isNameStart(source_[position])) return {};
  std::size_t end = position;
  while (end < source_.size() && isNameChar(source_[end])) ++end;
  return source_.substr(position, end - position);
}

std::string Parser::describeAt(std::size_t position) const {
  if (position >= source_.size()) return "end of expression";
  std::size_t end = position + 1;  // a whole UTF-8 character
  while (end < source_.size() && (static_cast<unsigned char>(source_[end]) & 0xC0) == 0x80) ++end;
  return "\"" + std::string(source_.substr(position, end - position)) + "\"";
}

void Parser::fail(const std::string& what, std::size_t position) const {
  std::size_t character = 1;  // counted in UTF-8 characters, not bytes
  for (std::size_t i = 0; i < position && i < source_.size(); ++i)
    if ((static_cast<unsigned char>(source_[i]) & 0xC0) != 0x80) ++character;
  throw EReportError("Expression \"" + std::string(source_) + "\": " + what + " (at character " +
                     std::to_string(character) + ")");
}

}  // namespace korvel::expr
