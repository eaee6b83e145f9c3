// Run: the waybill preparation, step by step in its fixed order. The first
// error ends it (no preview) and reaches FormCreate, which reports it.
#include "form/run_steps.h"

namespace korvel::form {

namespace {

// The order matters: the variables of step 6 take part in both
// preparations, the evaluations of the totals come after the trial
// preparation, and SumStoimost is fixed (18) before it is used (20).
constexpr run::Step steps[] = {
    run::openHeader,                 // 1
    run::openLines,                  // 2
    run::openReportLines,            // 3
    run::readEnterpriseGroup,        // 4
    run::openBonusSum,               // 5
    run::setFirstVariables,          // 6
    run::trialPreparation,           // 7
    run::markModified,               // 8
    run::writeReleaseAndFlags,       // 9
    run::writeSectionTwoAndTrailer,  // 10
    run::writeReceiver,              // 11
    run::writePowerOfAttorney,       // 12
    run::writeCustomer,              // 13
    run::writeTotalsInWords,         // 14
    run::writePlacesAndMassInWords,  // 15
    run::evaluateMemo338,            // 16
    run::writeNumbersAndPlaces,      // 17
    run::writeTotalsRow,             // 18
    run::writeLineNumber,            // 19
    run::writeMassAndSums,           // 20
    run::setGroupAndCheckVariables,  // 21
    run::writeSpecificationColumns,  // 22
    run::setVernutTaru,              // 23
    run::writeProducer,              // 24
    run::setPr_ONds,                 // 25
    run::setPr_RNds,                 // 26
    run::setPr_CenRoz,               // 27
    run::setPr_CenOpt,               // 28
    run::setPr_CenPriobr,            // 29
    run::setPr_CenTr,                // 30
    run::setPr_ProcTr,               // 31
    run::setPr_CenWNal,              // 32
    run::setPr_SchCenPriobr,         // 33
    run::setPrAll,                   // 34
    run::writeSpecificationNumber,   // 35
    run::writeSpecificationSeries,   // 36
    run::writeBonusRow,              // 37
    run::prepareAndShow,             // 38
};
static_assert(std::size(steps) == 38);

}  // namespace

void TNaklForm::Run() {
  run::SingleReport report(frxReport2);
  run::RunState state{
      Settings, {PrCapQuery, PrStrQuery, NameGrPrQuery, SumBnsQuery, FioDovQuery}, report, this};
  for (run::Step step : steps) step(state);
}

}  // namespace korvel::form
