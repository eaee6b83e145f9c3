// Report variables set by Run, as the prepared report holds them: quoted
// texts, '1'/'0' flags, '-1' for forSumNDS_1, the plain number NameGrPr.
#include <functional>
#include <set>

#include "form/run_values.h"
#include "tests/run/run_fixture.h"

namespace korvel::testing {
namespace {

using VariablesTest = RunTest;

QJsonValue valueOf(const RunOutcome& outcome, const std::string& name) {
  const auto entry = outcome.variable(name);
  return entry ? (*entry)["value"] : QJsonValue(QJsonValue::Undefined);
}

// Every flag-like variable Run sets from the Booleans.
const std::vector<std::string> flagVariables = {"cp_IdTrCheck",
                                                "cp_IdF3Check",
                                                "cp_forTrPredpr",
                                                "forTrPredpr",
                                                "cp_IdCheckNastrGrTov",
                                                "IdCheckNastrGrTov",
                                                "cp_Pr_ONds",
                                                "Pr_ONds",
                                                "cp_Pr_RNds",
                                                "Pr_RNds",
                                                "cp_Pr_CenRoz",
                                                "Pr_CenRoz",
                                                "cp_Pr_CenOpt",
                                                "Pr_CenOpt",
                                                "cp_Pr_CenPriobr",
                                                "Pr_CenPriobr",
                                                "cp_Pr_CenTr",
                                                "Pr_CenTr",
                                                "cp_Pr_ProcTr",
                                                "Pr_ProcTr",
                                                "cp_Pr_CenWNal",
                                                "Pr_CenWNal",
                                                "cp_Pr_SchCenPriobr",
                                                "Pr_SchCenPriobr",
                                                "cp_PrAll",
                                                "PrAll"};

// Each option switched on alone turns exactly its variables to '1'.
TEST_F(VariablesTest, EachOptionSetsExactlyItsFlags) {
  using Settings = form::Settings;
  const struct {
    bool Settings::*option;
    std::set<std::string> on;
  } rows[] = {
      {&Settings::Tr, {"cp_IdTrCheck"}},
      {&Settings::Face3, {"cp_IdF3Check"}},
      {&Settings::ReturnTypeTrPredpr, {"cp_forTrPredpr", "forTrPredpr"}},
      {&Settings::CheckNastrGrTov, {"cp_IdCheckNastrGrTov", "IdCheckNastrGrTov"}},
      {&Settings::SumNDS_1, {"cp_Pr_ONds", "Pr_ONds"}},
      {&Settings::VsegoSNDS_1, {"cp_Pr_RNds", "Pr_RNds"}},
      {&Settings::Stoimost2_2, {"cp_Pr_CenRoz", "Pr_CenRoz"}},
      {&Settings::Stoimost, {"cp_Pr_CenOpt", "Pr_CenOpt"}},
      {&Settings::Pr_CenPriobr, {"cp_Pr_CenPriobr", "Pr_CenPriobr"}},
      {&Settings::Pr_CenTr, {"cp_Pr_CenTr", "Pr_CenTr"}},
      {&Settings::Pr_ProcTr, {"cp_Pr_ProcTr", "Pr_ProcTr"}},
      {&Settings::Pr_CenWNal, {"cp_Pr_CenWNal", "Pr_CenWNal"}},
      {&Settings::Stoimost2_1, {"cp_Pr_SchCenPriobr", "Pr_SchCenPriobr"}},
  };
  for (const auto& row : rows) {
    form::Settings settings = typicalSettings();
    for (const auto& other : rows) settings.*other.option = false;
    settings.*row.option = true;
    SCOPED_TRACE(*row.on.begin());
    const auto outcome = runClean(settings);
    for (const auto& name : flagVariables)
      EXPECT_EQ(valueOf(outcome, name), row.on.count(name) ? "'1'" : "'0'") << name;
    EXPECT_EQ(valueOf(outcome, "forSumNDS_1"), settings.SumNDS_1 ? "'-1'" : "'0'");
    EXPECT_EQ(valueOf(outcome, "VernutTaru"), "'1'");
  }
}

TEST_F(VariablesTest, TextsAreQuotedWithInnerQuotesDoubled) {
  const struct {
    std::string agreement, stored;
  } rows[] = {
      {"", "''"},
      {"Договор 'Альфа' № 1", "'Договор ''Альфа'' № 1'"},
      {"'", "''''"},
      {"[Акт]", "'[Акт]'"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.agreement);
    form::Settings settings = typicalSettings();
    settings.Agreement = row.agreement;
    const auto outcome = runClean(settings);
    EXPECT_EQ(valueOf(outcome, "cp_Agreement"), QString::fromStdString(row.stored));
    // cp_Memo39 prints the variable: the option's text exactly.
    EXPECT_EQ(outcome.text("cp_Memo39"), row.agreement);
    EXPECT_EQ(valueOf(outcome, "cp_RecCount"), "'2'");
  }
}

TEST_F(VariablesTest, Cp_IdF3CheckIsAddedOutsideAnyCategory) {
  const auto outcome = runClean(typicalSettings());
  const auto entry = outcome.variable("cp_IdF3Check");
  ASSERT_TRUE(entry.has_value());
  EXPECT_EQ((*entry)["category"], "");
  EXPECT_EQ(outcome.form->frxReport2.variables.size(), 40u) << "36 stored, 3 categories, one added";
}

TEST_F(VariablesTest, NameGrPrIsTheNumberOneOnlyForExactlyRaipo) {
  const struct {
    const char* sql;
    int expected;
  } rows[] = {
      {"UPDATE tbGrPredpr SET NameGrPredpr = 'райпо' WHERE idGrPredpr = 900", 1},
      {"UPDATE tbGrPredpr SET NameGrPredpr = 'Райпо' WHERE idGrPredpr = 900", 0},
      {"UPDATE tbGrPredpr SET NameGrPredpr = 'райпо ' WHERE idGrPredpr = 900", 0},
      {"UPDATE tbPredpr SET IdGrPredpr = NULL WHERE idPredpr = 903", 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.sql);
    const auto outcome = runClean(typicalSettings(), row.sql);
    const QJsonValue value = valueOf(outcome, "NameGrPr");
    EXPECT_TRUE(value.isDouble()) << "a number, not a text";
    EXPECT_EQ(value.toInt(), row.expected);
  }
}

TEST_F(VariablesTest, PrAllIsOneOnlyForExactlyOneStar) {
  for (const std::string prAll : {"*", " ", "", "**", " *", "* "}) {
    SCOPED_TRACE("'" + prAll + "'");
    form::Settings settings = typicalSettings();
    settings.PRAll = prAll;
    EXPECT_EQ(form::run::starMode(settings), prAll == "*");
  }
  form::Settings settings = typicalSettings();
  settings.PRAll = "*";
  const auto outcome = runClean(settings);
  EXPECT_EQ(valueOf(outcome, "PrAll"), "'1'");
  EXPECT_EQ(valueOf(outcome, "cp_PrAll"), "'1'");
}

// Wholesale price with own VAT and carriage price, nothing else.
TEST_F(VariablesTest, WholesaleOnlyNeedsItsThreeOptionsAndNoneOfTheOtherSix) {
  using Settings = form::Settings;
  form::Settings wholesale;
  wholesale.Stoimost = wholesale.SumNDS_1 = wholesale.Pr_CenTr = true;
  EXPECT_TRUE(form::run::wholesaleOnly(wholesale));
  for (bool Settings::*option : {&Settings::Stoimost, &Settings::SumNDS_1, &Settings::Pr_CenTr}) {
    form::Settings changed = wholesale;
    changed.*option = false;
    EXPECT_FALSE(form::run::wholesaleOnly(changed));
  }
  for (bool Settings::*option : {&Settings::VsegoSNDS_1, &Settings::Stoimost2_2, &Settings::Pr_ProcTr,
                                 &Settings::Pr_CenWNal, &Settings::Stoimost2_1, &Settings::Pr_CenPriobr}) {
    form::Settings changed = wholesale;
    changed.*option = true;
    EXPECT_FALSE(form::run::wholesaleOnly(changed));
  }
  // Options outside the condition do not matter.
  wholesale.Tr = wholesale.Face3 = wholesale.CheckNastrGrTov = wholesale.ReturnTypeTrPredpr = true;
  EXPECT_TRUE(form::run::wholesaleOnly(wholesale));

  form::Settings settings = typicalSettings();
  settings.VsegoSNDS_1 = false;
  settings.Pr_CenTr = true;
  EXPECT_EQ(valueOf(runClean(settings), "VernutTaru"), "'0'");
}

}  // namespace
}  // namespace korvel::testing
