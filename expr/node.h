// The parsed form of an expression: a tree of nodes that is built once and
// evaluated for every record. Private to the expression language.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "expr/expression.h"
#include "expr/value_ops.h"

namespace korvel::expr {

struct Evaluation {
  Context& context;
  const std::vector<Aggregate>& aggregates;
};

class Node {
 public:
  virtual ~Node() = default;
  virtual Value evaluate(Evaluation& evaluation) const = 0;
};

using NodePtr = std::unique_ptr<Node>;

class LiteralNode final : public Node {
 public:
  explicit LiteralNode(Value value) : value_(std::move(value)) {}
  Value evaluate(Evaluation&) const override { return value_; }

 private:
  Value value_;
};

class FieldNode final : public Node {
 public:
  FieldNode(std::string dataset, std::string field)
      : dataset_(std::move(dataset)), field_(std::move(field)) {}
  Value evaluate(Evaluation& evaluation) const override;

 private:
  std::string dataset_, field_;
};

class VariableNode final : public Node {
 public:
  explicit VariableNode(std::string name) : name_(std::move(name)) {}
  Value evaluate(Evaluation& evaluation) const override;

 private:
  std::string name_;
};

class SystemNode final : public Node {
 public:
  explicit SystemNode(SystemValue which) : which_(which) {}
  Value evaluate(Evaluation& evaluation) const override { return evaluation.context.system(which_); }

 private:
  SystemValue which_;
};

class NegateNode final : public Node {
 public:
  explicit NegateNode(NodePtr operand) : operand_(std::move(operand)) {}
  Value evaluate(Evaluation& evaluation) const override { return negate(operand_->evaluate(evaluation)); }

 private:
  NodePtr operand_;
};

class NotNode final : public Node {
 public:
  explicit NotNode(NodePtr operand) : operand_(std::move(operand)) {}
  Value evaluate(Evaluation& evaluation) const override {
    return Value::boolean(!isTrue(operand_->evaluate(evaluation)));
  }

 private:
  NodePtr operand_;
};

// Operands of one precedence level, folded from the left. A flat list in
// place of nested pairs keeps long sums and joins shallow.
class ChainNode final : public Node {
 public:
  struct Link {
    BinaryOp op;
    NodePtr operand;
  };
  ChainNode(NodePtr first, std::vector<Link> rest) : first_(std::move(first)), rest_(std::move(rest)) {}
  Value evaluate(Evaluation& evaluation) const override;

 private:
  NodePtr first_;
  std::vector<Link> rest_;
};

// "and" / "or": the right side is evaluated only when it decides.
class LogicalNode final : public Node {
 public:
  LogicalNode(bool isAnd, std::vector<NodePtr> operands) : isAnd_(isAnd), operands_(std::move(operands)) {}
  Value evaluate(Evaluation& evaluation) const override;

 private:
  bool isAnd_;
  std::vector<NodePtr> operands_;
};

class IifNode final : public Node {
 public:
  IifNode(NodePtr condition, NodePtr whenTrue, NodePtr whenFalse)
      : condition_(std::move(condition)), whenTrue_(std::move(whenTrue)), whenFalse_(std::move(whenFalse)) {}
  Value evaluate(Evaluation& evaluation) const override {
    return isTrue(condition_->evaluate(evaluation)) ? whenTrue_->evaluate(evaluation)
                                                    : whenFalse_->evaluate(evaluation);
  }

 private:
  NodePtr condition_, whenTrue_, whenFalse_;
};

class FloatToStrNode final : public Node {
 public:
  explicit FloatToStrNode(NodePtr argument) : argument_(std::move(argument)) {}
  Value evaluate(Evaluation& evaluation) const override;

 private:
  NodePtr argument_;
};

class SumNode final : public Node {
 public:
  explicit SumNode(std::size_t index) : index_(index) {}
  Value evaluate(Evaluation& evaluation) const override {
    return evaluation.context.sum(evaluation.aggregates[index_]);
  }

 private:
  std::size_t index_;
};

}  // namespace korvel::expr
