// Expression objects, their evaluation and the resolution of report
// variables whose values are expressions.
#include "expr/expression.h"

#include <map>

#include "base/exception.h"
#include "expr/node.h"
#include "expr/parser.h"

namespace korvel::expr {
namespace {

// Bounds on evaluations running inside each other (variables whose values
// name further variables), so a variable naming itself is an error long
// before the stack runs out.
constexpr int maxActiveDepth = 2 * Parser::maxNesting;
constexpr int maxVariableNesting = 32;
// Distinct variable texts kept parsed; a report has a few dozen.
constexpr std::size_t maxCachedVariables = 1024;

thread_local int activeDepth = 0;
thread_local int variableNesting = 0;

// Raised where nesting runs too deep; reported once, by the outermost
// expression, instead of being quoted again by every level.
class NestingError : public EReportError {
 public:
  using EReportError::EReportError;
};

class Counted {
 public:
  Counted(int& counter, int amount) : counter_(counter), amount_(amount) { counter_ += amount_; }
  ~Counted() { counter_ -= amount_; }
  Counted(const Counted&) = delete;
  Counted& operator=(const Counted&) = delete;

 private:
  int& counter_;
  int amount_;
};

bool isBlankText(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

std::shared_ptr<const Expression> parsedVariable(const std::string& text) {
  // Not thread-local: a thread-local object with a destructor keeps the
  // library mapped until its thread ends, so the host could never unload it.
  // Reports run on the user-interface thread only.
  static std::map<std::string, std::shared_ptr<const Expression>, std::less<>> cache;
  if (auto found = cache.find(text); found != cache.end()) return found->second;
  auto expression = std::make_shared<const Expression>(Expression::parse(text));
  // Holders keep their own reference, so clearing never frees one in use.
  if (cache.size() >= maxCachedVariables) cache.clear();
  cache.emplace(text, expression);
  return expression;
}

}  // namespace

Expression::Expression() = default;
Expression::Expression(Expression&&) noexcept = default;
Expression& Expression::operator=(Expression&&) noexcept = default;
Expression::~Expression() = default;

Expression Expression::parse(std::string_view source) { return Parser::parse(source); }

const std::vector<Aggregate>& Expression::aggregates() const { return aggregates_; }

Value Expression::evaluate(Context& context) const {
  auto quoted = [this](const std::string& what) { return "Expression \"" + source_ + "\": " + what; };
  if (!root_) throw EReportError(quoted("nothing was parsed"));
  const bool outermost = activeDepth == 0;
  if (activeDepth + depth_ > maxActiveDepth)
    throw NestingError("expressions nest too deeply (does a variable refer to itself?)");
  Counted counted(activeDepth, depth_);
  Evaluation evaluation{context, aggregates_};
  try {
    return root_->evaluate(evaluation);
  } catch (const NestingError& error) {
    if (outermost) throw EReportError(quoted(error.message()));
    throw;
  } catch (const EReportError& error) {
    throw EReportError(quoted(error.message()));
  }
}

Value resolveVariable(const Value& stored, Context& context) {
  if (stored.type() != ValueType::Text) return stored;
  const std::string& text = stored.asText();
  // A text of several lines is a value, not an expression.
  if (text.find_first_of("\r\n") != std::string::npos) return stored;
  if (isBlankText(text)) return Value();
  if (variableNesting >= maxVariableNesting)
    throw NestingError("variables refer to each other too deeply (does a variable refer to itself?)");
  Counted counted(variableNesting, 1);
  const std::shared_ptr<const Expression> expression = parsedVariable(text);
  return expression->evaluate(context);
}

}  // namespace korvel::expr
