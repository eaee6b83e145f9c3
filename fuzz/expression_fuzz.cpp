// Fuzz target: the expression language. The input is parsed as an
// expression and evaluated against a small context, then split as a report
// text and each bracketed part evaluated, then taken as a variable's stored
// value. Only the library's own errors may come out.
#include <cstdint>
#include <string>

#include "base/exception.h"
#include "expr/expression.h"
#include "tests/expr/fake_context.h"

namespace {

using korvel::Value;
using korvel::expr::Context;
using korvel::expr::Expression;
using korvel::expr::SystemValue;
using korvel::expr::test::FakeContext;

// Fields, variables (one naming itself) and system values the input can
// reach; SUM evaluates its argument once more.
class FuzzContext : public FakeContext {
 public:
  FuzzContext() {
    setField("ds", "Num", Value::integer(5));
    setField("ds", "Price", Value::floating(2.5));
    setField("ds", "Name", Value::text("Сахар"));
    setField("ds", "Empty", Value());
    setField("ds", "Big", Value::integer(INT64_MAX));
    setField("ds", "Small", Value::integer(INT64_MIN));
    setVariable("A", Value::text("1+2"));
    setVariable("Self", Value::text("<Self> + 1"));
    setVariable("Txt", Value::text("'abc'"));
    setVariable("Num", Value::floating(1e300));
    setVariable("None", Value());
    setSystem(SystemValue::Page, Value::integer(1));
    setSystem(SystemValue::PageHash, Value::integer(1));
    setSystem(SystemValue::TotalPages, Value::integer(2));
    setSystem(SystemValue::Line, Value::integer(3));
    onSum = [this](const korvel::expr::Aggregate& aggregate) { return aggregate.argument->evaluate(*this); };
  }
};

void evaluateQuietly(const Expression& expression, Context& context) {
  try {
    expression.evaluate(context);
  } catch (const korvel::Exception&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  FuzzContext context;
  try {
    const Expression expression = Expression::parse(text);
    evaluateQuietly(expression, context);
  } catch (const korvel::Exception&) {
  }
  try {
    for (const auto& part : korvel::expr::splitText(text))
      if (part.expression) evaluateQuietly(*part.expression, context);
  } catch (const korvel::Exception&) {
  }
  try {
    korvel::expr::resolveVariable(Value::text(text), context);
  } catch (const korvel::Exception&) {
  }
  return 0;
}
