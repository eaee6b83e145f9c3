// Script host: a template's before-print and after-print handlers are C++
// functions registered by name. A Script instance holds the script's own
// state (its global variables) for one pass of a preparation.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/value.h"

namespace korvel::engine {

// What a handler may see and do while a band prints.
class ScriptContext {
 public:
  virtual ~ScriptContext() = default;

  // Object texts by object name (any case): lines joined by CR LF, none
  // after the last. Setting a number writes it as FloatToStr does.
  virtual std::string text(std::string_view object) const = 0;
  virtual void setText(std::string_view object, std::string_view text) = 0;
  virtual void setText(std::string_view object, double number) = 0;
  // Sets the text as an expression text: its bracketed parts are evaluated
  // when the object prints (older scripts write their money texts so).
  virtual void setExpressionText(std::string_view object, std::string_view text) = 0;
  // The value of the object's last bracketed expression as evaluated for
  // this printing (null when it has none).
  virtual Value value(std::string_view object) const = 0;

  // Field of the dataset's current record, nulls converted (0, empty text,
  // false by the field's type) ...
  virtual Value field(std::string_view dataset, std::string_view field) const = 0;
  // ... and the one raw null test.
  virtual bool fieldIsNull(std::string_view dataset, std::string_view field) const = 0;

  // A report variable's value, evaluated as in expressions.
  virtual Value variable(std::string_view name) const = 0;
};

class Script {
 public:
  virtual ~Script() = default;
  // Runs the named handler. An unknown name raises EReportError.
  virtual void call(std::string_view handler, ScriptContext& context) = 0;
};

// Makes a fresh script state; the engine calls it at the start of every
// pass of a preparation, so the globals start at 0 each time.
using ScriptFactory = std::function<std::unique_ptr<Script>()>;

// A Script built from a table of named handlers sharing one state object.
template <typename State>
class HandlerTableScript : public Script {
 public:
  using Handler = std::function<void(State&, ScriptContext&)>;
  using Table = std::vector<std::pair<std::string, Handler>>;

  explicit HandlerTableScript(const Table& table) : table_(table) {}

  void call(std::string_view handler, ScriptContext& context) override;

 private:
  const Table& table_;
  State state_{};
};

}  // namespace korvel::engine

#include "engine/script_table.inl"
