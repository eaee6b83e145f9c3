// A report template in memory and the operations the form and the script
// host use on it: copies, variables, finding and evaluating text objects,
// preparing the prepared pages and handing them to a presenter.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model.h"
#include "engine/prepared.h"
#include "engine/script.h"

namespace korvel::engine {

class Report;
// Shows a prepared report: the preview window, or a headless writer.
using Presenter = std::function<void(Report&, const PreparedReport&)>;
// The moment preparation starts; the system clock unless a host or test sets one.
using Clock = std::function<DateTime()>;

class Report {
 public:
  ReportOptions options;
  std::vector<DatasetEntry> datasets;
  std::vector<VariableEntry> variables;
  std::vector<Page> pages;

  // Operation 1. Fewer than one copy raises EReportError.
  void setCopies(int copies);

  // Operation 2. A name the list does not hold is added outside any
  // category. A text is stored as the expression text given.
  void setVariable(std::string_view name, Value value);
  const VariableEntry* findVariable(std::string_view name) const;

  // Supplies the dataset of a list entry for preparation and evaluation.
  void bindDataset(std::string_view name, Dataset* dataset);
  const DatasetEntry* findDataset(std::string_view name) const;

  void setScript(ScriptFactory factory) { script_ = std::move(factory); }
  const ScriptFactory& script() const { return script_; }
  void setClock(Clock clock) { clock_ = std::move(clock); }

  // Operation 3: lays the report out (twice with doublePass, so TotalPages
  // is known). Afterwards every object has its text back, no object has a
  // value and the variables are as they were. Needs a QGuiApplication.
  PreparedReport prepare();

  // Operation 4: any page, without regard to case. EReportError
  // "<name>: object not found" or "<name>: not a text object".
  TextObject& findText(std::string_view name);

  // Operation 6: replaces each bracketed part of the text by its formatted
  // value against the datasets' current records and the variables; the
  // result prints as it is from now on and the last value stays in the object.
  void evaluate(TextObject& object);

  void setModified(bool modified) { modified_ = modified; }
  bool modified() const { return modified_; }

  // Operation 7: prepares again and hands the result to the presenter.
  void showReport(const Presenter& presenter);

 private:
  ScriptFactory script_;
  Clock clock_;
  bool modified_ = false;
};

}  // namespace korvel::engine
