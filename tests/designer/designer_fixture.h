// The waybill template with sample data as Run leaves it, and a designer
// opened on it, for the designer tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/report.h"
#include "sample_waybill.h"
#include "tests/ui/sample_report.h"
#include "ui/designer/designer_window.h"

namespace korvel::designer::testing {

// What the sample run writes, so that tests can see it in the designer.
inline constexpr const char* kFixedAmount = "Сорок два рубля 50 копеек";
inline constexpr const char* kAgreement = "'Договор № 7'";

class DesignerTest : public ::testing::Test {
 protected:
  DesignerTest();
  ~DesignerTest() override;

  engine::TextObject& text(const std::string& name) { return report.findText(name); }
  // The laid-out text box of the object on the prepared report, or null.
  static const engine::PreparedItem* item(const engine::PreparedReport& prepared, const std::string& name);

  ui::testing::RecordingApplication application;
  engine::Report report;
  std::unique_ptr<report::testing::SampleWaybill> sample;
  std::unique_ptr<DesignerWindow> window;
};

}  // namespace korvel::designer::testing
