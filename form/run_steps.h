// The steps of Run, each a named function over the form and the working
// values of one run; run.cpp lists them in the order they run.
#pragma once

#include "base/money.h"
#include "form/nakl_form.h"

namespace korvel::form::run {

struct RunState {
  TNaklForm& form;
  // The enterprise group of the document is exactly "райпо".
  bool IsRaipo = false;
  // The cost total exactly as the first page prints it.
  Money SumStoimost;

  const korvel::form::Settings& settings() const { return form.Settings; }
  db::Query& header() const { return form.PrCapQuery; }
  engine::Report& report() const { return form.frxReport2; }
  engine::TextObject& text(std::string_view name) const { return form.frxReport2.findText(name); }
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

}  // namespace korvel::form::run
