// The earlier revision's answer to the preparation's names: a name with the
// first page's prefix "cp_" is that object or variable of frxReport1
// without the prefix; any other name is one of the specification frxReport2.
#pragma once

#include "engine/report.h"
#include "form/run_steps.h"

namespace korvel::legacy {

class TwoReports : public form::run::RunReport {
 public:
  TwoReports(engine::Report& firstPage, engine::Report& specification)
      : firstPage_(firstPage), specification_(specification) {}

  void setVariable(std::string_view name, Value value) override;
  engine::TextObject& findText(std::string_view name) override;
  void evaluate(engine::TextObject& object) override;
  // Both reports, the first page first.
  void prepare() override;
  void setModified(bool modified) override;

 private:
  engine::Report& firstPage_;
  engine::Report& specification_;
};

}  // namespace korvel::legacy
