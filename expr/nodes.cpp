// Evaluation of the nodes that do more than one call.
#include "base/exception.h"
#include "expr/node.h"

namespace korvel::expr {

Value FieldNode::evaluate(Evaluation& evaluation) const { return evaluation.context.field(dataset_, field_); }

Value VariableNode::evaluate(Evaluation& evaluation) const {
  const std::optional<Value> stored = evaluation.context.variable(name_);
  if (!stored) throw EReportError("unknown name \"" + name_ + "\"");
  return resolveVariable(*stored, evaluation.context);
}

Value ChainNode::evaluate(Evaluation& evaluation) const {
  Value result = first_->evaluate(evaluation);
  for (const Link& link : rest_)
    result = applyBinary(link.op, std::move(result), link.operand->evaluate(evaluation));
  return result;
}

Value LogicalNode::evaluate(Evaluation& evaluation) const {
  for (const NodePtr& operand : operands_)
    if (isTrue(operand->evaluate(evaluation)) != isAnd_) return Value::boolean(!isAnd_);
  return Value::boolean(isAnd_);
}

Value FloatToStrNode::evaluate(Evaluation& evaluation) const {
  const Value value = argument_->evaluate(evaluation);
  switch (value.type()) {
    case ValueType::Null:
      return Value::text("0");
    case ValueType::Integer:
    case ValueType::Float:
      return Value::text(numberText(value));
    case ValueType::Text:
      if (auto number = numberFromText(value.asText())) return Value::text(numberText(*number));
      throw EReportError("FloatToStr: '" + value.asText() + "' is not a number");
    default:
      throw EReportError("FloatToStr needs a number");
  }
}

}  // namespace korvel::expr
