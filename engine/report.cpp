// The operations on a report: variables, copies, object look-up,
// evaluation of one object, preparation and presentation.
#include "engine/report.h"

#include <QDateTime>

#include "base/exception.h"
#include "engine/dataset.h"
#include "engine/preparation.h"
#include "engine/report_context.h"
#include "engine/text_metrics.h"

namespace korvel::engine {
namespace {

DateTime systemNow() {
  QDateTime now = QDateTime::currentDateTime();
  DateTime t;
  t.year = now.date().year();
  t.month = now.date().month();
  t.day = now.date().day();
  t.hour = now.time().hour();
  t.minute = now.time().minute();
  t.second = now.time().second();
  t.millisecond = now.time().msec();
  return t;
}

// Keeps the template as it was before a preparation: texts, literal
// marks and variables come back, values are cleared; also on failure.
class TemplateGuard {
 public:
  explicit TemplateGuard(Report& report) : report_(report), variables_(report.variables) {
    for (Page& page : report.pages)
      for (Band& band : page.bands)
        for (BandObject& object : band.objects)
          if (auto* text = std::get_if<TextObject>(&object)) {
            texts_.push_back({text, text->lines, text->literal});
            text->value.reset();
          }
  }
  ~TemplateGuard() {
    restoreTexts();
    report_.variables = std::move(variables_);
  }
  void restoreTexts() {
    for (Saved& saved : texts_) {
      saved.object->lines = saved.lines;
      saved.object->literal = saved.literal;
      saved.object->value.reset();
    }
  }

 private:
  struct Saved {
    TextObject* object;
    std::vector<std::string> lines;
    bool literal;
  };
  Report& report_;
  std::vector<VariableEntry> variables_;
  std::vector<Saved> texts_;
};

std::vector<PreparedVariable> listVariables(const std::vector<VariableEntry>& entries) {
  std::vector<PreparedVariable> list;
  std::string category;
  for (const VariableEntry& entry : entries) {
    if (entry.isCategory()) {
      category = entry.name.substr(1);
      continue;
    }
    list.push_back({entry.name, category, entry.value});
  }
  return list;
}

}  // namespace

void Report::setCopies(int copies) {
  if (copies < 1)
    throw EReportError("The number of copies must be at least 1, not " + std::to_string(copies));
  options.copies = copies;
}

const VariableEntry* Report::findVariable(std::string_view name) const {
  for (const VariableEntry& entry : variables)
    if (!entry.isCategory() && sameName(entry.name, name)) return &entry;
  return nullptr;
}

void Report::setVariable(std::string_view name, Value value) {
  if (name.empty() || name.front() == ' ')
    throw EReportError("'" + std::string(name) + "' is not a variable name");
  for (VariableEntry& entry : variables) {
    if (!entry.isCategory() && sameName(entry.name, name)) {
      entry.value = std::move(value);
      return;
    }
  }
  // Outside any category: before the first category entry.
  auto firstCategory =
      std::find_if(variables.begin(), variables.end(), [](const VariableEntry& e) { return e.isCategory(); });
  variables.insert(firstCategory, VariableEntry{std::string(name), std::move(value)});
}

const DatasetEntry* Report::findDataset(std::string_view name) const {
  for (const DatasetEntry& entry : datasets)
    if (sameName(entry.name, name)) return &entry;
  return nullptr;
}

void Report::bindDataset(std::string_view name, Dataset* dataset) {
  for (DatasetEntry& entry : datasets) {
    if (sameName(entry.name, name)) {
      entry.bound = dataset;
      return;
    }
  }
  throw EReportError("The report has no dataset '" + std::string(name) + "'");
}

TextObject& Report::findText(std::string_view name) {
  for (Page& page : pages) {
    bool other = sameName(page.name, name);
    for (Band& band : page.bands) {
      other = other || sameName(band.name, name);
      for (BandObject& object : band.objects) {
        if (!sameName(objectName(object), name)) continue;
        if (auto* text = std::get_if<TextObject>(&object)) return *text;
        other = true;
      }
    }
    if (other) throw EReportError(std::string(name) + ": not a text object");
  }
  throw EReportError(std::string(name) + ": object not found");
}

void Report::evaluate(TextObject& object) {
  ReportContext context(*this);
  context.started = clock_ ? clock_() : systemNow();
  TextPartsCache cache;
  std::string result = context.evaluateText(object, cache);
  std::optional<Value> value = std::move(object.value);
  object.setLiteralText(result);
  object.value = std::move(value);
}

PreparedReport Report::prepare() {
  TextMetrics metrics;
  DateTime started = clock_ ? clock_() : systemNow();
  TemplateGuard guard(*this);
  PreparedReport prepared;
  prepared.copies = options.copies;
  prepared.variables = listVariables(variables);
  int totalPages = 0;
  for (int pass = options.doublePass ? 2 : 1; pass > 0; --pass) {
    for (DatasetEntry& entry : datasets)
      if (entry.bound) entry.bound->first();
    std::unique_ptr<Script> script = script_ ? script_() : nullptr;
    PreparationPass run(*this, totalPages, started, script.get(), metrics);
    prepared.pages = run.run();
    guard.restoreTexts();
    totalPages = static_cast<int>(prepared.pages.size());
  }
  return prepared;
}

void Report::showReport(const Presenter& presenter) {
  if (!presenter) throw EReportError("There is nowhere to show the report");
  PreparedReport prepared = prepare();
  presenter(*this, prepared);
}

}  // namespace korvel::engine
