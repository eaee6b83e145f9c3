// What expressions and script handlers see of a report: fields of the
// datasets' current records (nulls converted by field type), variables,
// object texts and values, and the system values of the current printing.
#pragma once

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/report.h"
#include "expr/expression.h"

namespace korvel::engine {

// Parsed texts, by text: each distinct text is split and parsed once.
class TextPartsCache {
 public:
  const std::vector<expr::TextPart>& parts(const std::string& text);

 private:
  std::unordered_map<std::string, std::vector<expr::TextPart>> parsed_;
};

class ReportContext : public expr::Context {
 public:
  explicit ReportContext(Report& report) : report_(report) {}

  // System values; outside a preparation they stay 0 and Time is the clock's.
  int sheetNumber = 0;
  int totalPages = 0;
  int line = 0;
  DateTime started;
  std::function<Value(const expr::Aggregate&)> sums;  // none: every SUM is 0

  // expr::Context
  Value field(std::string_view dataset, std::string_view field) override;
  std::optional<Value> variable(std::string_view name) override;
  Value system(expr::SystemValue which) override;
  Value sum(const expr::Aggregate& aggregate) override;

  // The field as stored, null included.
  Value rawField(std::string_view dataset, std::string_view field) const;
  // A variable's value as expressions see it; unknown names raise EReportError.
  Value resolvedVariable(std::string_view name);
  Report& report() { return report_; }

  // The object's text with every bracketed part replaced by its formatted
  // value; the object's value becomes the last part's value (none when the
  // text has no expression). Errors name the object.
  std::string evaluateText(TextObject& object, TextPartsCache& cache);

 private:
  Report& report_;
};

}  // namespace korvel::engine

namespace korvel::engine {

// The script's view of the report while a band prints. Texts set by a
// handler are final texts: they print as given.
class HandlerContext : public ScriptContext {
 public:
  explicit HandlerContext(ReportContext& context) : context_(context) {}

  std::string text(std::string_view object) const override;
  void setText(std::string_view object, std::string_view text) override;
  void setText(std::string_view object, double number) override;
  void setExpressionText(std::string_view object, std::string_view text) override;
  Value value(std::string_view object) const override;
  Value field(std::string_view dataset, std::string_view field) const override;
  bool fieldIsNull(std::string_view dataset, std::string_view field) const override;
  Value variable(std::string_view name) const override;

 private:
  ReportContext& context_;
};

}  // namespace korvel::engine
