// Field, variable and system value look-up for expressions and handlers.
#include "engine/report_context.h"

#include "base/exception.h"
#include "base/number_text.h"
#include "engine/dataset.h"
#include "engine/value_format.h"

namespace korvel::engine {

const std::vector<expr::TextPart>& TextPartsCache::parts(const std::string& text) {
  auto it = parsed_.find(text);
  if (it == parsed_.end()) it = parsed_.emplace(text, expr::splitText(text)).first;
  return it->second;
}

Value ReportContext::rawField(std::string_view dataset, std::string_view field) const {
  const DatasetEntry* entry = report_.findDataset(dataset);
  if (!entry) throw EReportError("Unknown dataset '" + std::string(dataset) + "'");
  if (!entry->bound) throw EReportError("Dataset '" + entry->name + "' has no data");
  if (!entry->bound->hasField(field))
    throw EReportError("Dataset '" + entry->name + "' has no field '" + std::string(field) + "'");
  // Past the last record every field reads as null, as on an empty dataset.
  if (entry->bound->eof()) return Value();
  return entry->bound->field(field);
}

Value ReportContext::field(std::string_view dataset, std::string_view field) {
  Value v = rawField(dataset, field);
  if (!v.isNull()) return v;
  switch (report_.findDataset(dataset)->bound->fieldType(field)) {
    case ValueType::Integer:
      return Value::integer(0);
    case ValueType::Float:
      return Value::floating(0);
    case ValueType::Text:
      return Value::text("");
    case ValueType::Boolean:
      return Value::boolean(false);
    case ValueType::Null:
    case ValueType::DateTime:
      break;
  }
  return v;
}

std::optional<Value> ReportContext::variable(std::string_view name) {
  const VariableEntry* entry = report_.findVariable(name);
  if (!entry) return std::nullopt;
  return entry->value.value_or(Value());
}

Value ReportContext::resolvedVariable(std::string_view name) {
  std::optional<Value> stored = variable(name);
  if (!stored) throw EReportError("Unknown variable '" + std::string(name) + "'");
  return expr::resolveVariable(*stored, *this);
}

Value ReportContext::system(expr::SystemValue which) {
  switch (which) {
    case expr::SystemValue::Page:
    case expr::SystemValue::PageHash:
      return Value::integer(sheetNumber);
    case expr::SystemValue::TotalPages:
      return Value::integer(totalPages);
    case expr::SystemValue::Line:
      return Value::integer(line);
    case expr::SystemValue::Time: {
      DateTime time;
      time.hour = started.hour;
      time.minute = started.minute;
      time.second = started.second;
      time.millisecond = started.millisecond;
      return Value::dateTime(time);
    }
  }
  return Value();
}

Value ReportContext::sum(const expr::Aggregate& aggregate) {
  return sums ? sums(aggregate) : Value::floating(0);
}

std::string ReportContext::evaluateText(TextObject& object, TextPartsCache& cache) {
  object.value.reset();
  std::string text = object.text();
  if (object.literal || text.find('[') == std::string::npos) return text;
  try {
    std::string result;
    for (const expr::TextPart& part : cache.parts(text)) {
      if (!part.expression) {
        result += part.literal;
        continue;
      }
      Value value = part.expression->evaluate(*this);
      result += formatValue(value, object, part.numberFormat);
      object.value = std::move(value);
    }
    return result;
  } catch (const EReportError& e) {
    throw EReportError(object.name + ": " + e.message());
  }
}

std::string HandlerContext::text(std::string_view object) const {
  return context_.report().findText(object).text();
}

void HandlerContext::setText(std::string_view object, std::string_view text) {
  context_.report().findText(object).setLiteralText(text);
}

void HandlerContext::setExpressionText(std::string_view object, std::string_view text) {
  context_.report().findText(object).setText(text);
}

void HandlerContext::setText(std::string_view object, double number) { setText(object, FloatToStr(number)); }

Value HandlerContext::value(std::string_view object) const {
  return context_.report().findText(object).value.value_or(Value());
}

Value HandlerContext::field(std::string_view dataset, std::string_view field) const {
  return context_.field(dataset, field);
}

bool HandlerContext::fieldIsNull(std::string_view dataset, std::string_view field) const {
  return context_.rawField(dataset, field).isNull();
}

Value HandlerContext::variable(std::string_view name) const { return context_.resolvedVariable(name); }

}  // namespace korvel::engine
