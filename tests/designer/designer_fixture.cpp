// Designer fixture: loads the waybill template, binds a sample document and
// makes the changes Run makes (a variable, a fixed amount text).
#include "designer_fixture.h"

#include "engine/storage.h"
#include "report/waybill_template.h"
#include "ui/current_application.h"

namespace korvel::designer::testing {

DesignerTest::DesignerTest() {
  ui::testing::ensureQtApplication();
  ui::setCurrentApplication(&application);
  report = engine::loadReport(report::waybillTemplateXml());
  sample = report::testing::makeSampleWaybill(3);
  sample->bindTo(report);
  report.setScript(report::testing::silentScript());
  report::testing::setProducerLine(report);
  report.setVariable("cp_Agreement", Value::text(kAgreement));
  report.findText("cp_SumNDS_1").setLiteralText(kFixedAmount);
  window = std::make_unique<DesignerWindow>(report, nullptr);
}

DesignerTest::~DesignerTest() {
  window.reset();
  ui::setCurrentApplication(nullptr);
}

const engine::PreparedItem* DesignerTest::item(const engine::PreparedReport& prepared,
                                               const std::string& name) {
  for (const auto& page : prepared.pages)
    for (const auto& i : page.items)
      if (i.name == name) return &i;
  return nullptr;
}

}  // namespace korvel::designer::testing
