// Report variables set by Run, as the prepared report holds them.
#include "form/run_values.h"
#include "tests/run/run_fixture.h"

namespace korvel::testing {
namespace {

using VariablesTest = RunTest;

std::string valueOf(const RunOutcome& outcome, const std::string& name) {
  const auto entry = outcome.variable(name);
  if (!entry) return "<missing>";
  return QJsonDocument(QJsonArray{(*entry)["value"]}).toJson(QJsonDocument::Compact).toStdString();
}

TEST_F(VariablesTest, Smoke) {
  auto outcome = runClean(typicalSettings());
  std::cout << QJsonDocument(*outcome.preview).toJson().toStdString().substr(0) << std::endl;
}

}  // namespace
}  // namespace korvel::testing
