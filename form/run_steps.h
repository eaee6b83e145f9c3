// The steps of Run, each a named function over the form and the working
// values of one run; run.cpp lists them in the order they run.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "base/money.h"
#include "form/nakl_form.h"

namespace korvel::form::run {

// The report operations of the steps, by the current template's names.
// The waybill has one report; the earlier revision leads the names of its
// first page ("cp_") and of its specification to two reports.
class RunReport {
 public:
  virtual ~RunReport() = default;
  virtual void setVariable(std::string_view name, Value value) = 0;
  virtual engine::TextObject& findText(std::string_view name) = 0;
  // Against the report that holds the object.
  virtual void evaluate(engine::TextObject& object) = 0;
  virtual void prepare() = 0;
  virtual void setModified(bool modified) = 0;
};

// The one waybill report of the current form.
class SingleReport : public RunReport {
 public:
  explicit SingleReport(engine::Report& report) : report_(report) {}
  void setVariable(std::string_view name, Value value) override {
    report_.setVariable(name, std::move(value));
  }
  engine::TextObject& findText(std::string_view name) override { return report_.findText(name); }
  void evaluate(engine::TextObject& object) override { report_.evaluate(object); }
  void prepare() override { (void)report_.prepare(); }
  void setModified(bool modified) override { report_.setModified(modified); }

 private:
  engine::Report& report_;
};

// The form's queries that the steps read.
struct RunQueries {
  db::Query& PrCapQuery;
  db::Query& PrStrQuery;
  db::Query& NameGrPrQuery;
  db::Query& SumBnsQuery;
  db::Query& FioDovQuery;
};

struct RunState {
  const korvel::form::Settings& options;
  RunQueries queries;
  RunReport& reports;
  // The current form, for its own steps (3 and 38); null in the earlier revision.
  TNaklForm* form = nullptr;
  // The enterprise group of the document is exactly "райпо".
  bool IsRaipo = false;
  // The cost total exactly as the first page prints it.
  Money SumStoimost;

  const korvel::form::Settings& settings() const { return options; }
  db::Query& header() const { return queries.PrCapQuery; }
  RunReport& report() const { return reports; }
  engine::TextObject& text(std::string_view name) const { return reports.findText(name); }
};

using Step = void (*)(RunState&);

// Data (run_data.cpp).
void openHeader(RunState&);
void openLines(RunState&);
void openReportLines(RunState&);
void readEnterpriseGroup(RunState&);
void openBonusSum(RunState&);
void trialPreparation(RunState&);
void markModified(RunState&);
void prepareAndShow(RunState&);

// Report variables (run_variables.cpp).
void setFirstVariables(RunState&);
void setGroupAndCheckVariables(RunState&);
void setVernutTaru(RunState&);
void setPr_ONds(RunState&);
void setPr_RNds(RunState&);
void setPr_CenRoz(RunState&);
void setPr_CenOpt(RunState&);
void setPr_CenPriobr(RunState&);
void setPr_CenTr(RunState&);
void setPr_ProcTr(RunState&);
void setPr_CenWNal(RunState&);
void setPr_SchCenPriobr(RunState&);
void setPrAll(RunState&);

// Texts of named objects (run_texts.cpp, run_goods_description.cpp).

// A header field followed by its separator text.
struct JoinPart {
  std::string_view field;
  std::string_view after;
};
// Header fields read as values and joined; a null field leaves the join
// without a value, which prints as the empty text.
std::string joinedFields(const db::Query& header, std::initializer_list<JoinPart> parts);

void writeReleaseAndFlags(RunState&);
void writeSectionTwoAndTrailer(RunState&);
void writeReceiver(RunState&);
void writePowerOfAttorney(RunState&);
void writeCustomer(RunState&);
void writeNumbersAndPlaces(RunState&);
void writeLineNumber(RunState&);
void writeSpecificationColumns(RunState&);
void writeProducer(RunState&);
void writeSpecificationNumber(RunState&);
void writeSpecificationSeries(RunState&);
void writeBonusRow(RunState&);

// Totals and amounts in words (run_totals.cpp).
void writeTotalsInWords(RunState&);
void writePlacesAndMassInWords(RunState&);
void evaluateMemo338(RunState&);
void writeTotalsRow(RunState&);
void writeMassAndSums(RunState&);
// The cost sum C the totals row prints, chosen by the price options.
Money costSum(const RunState&);

}  // namespace korvel::form::run
