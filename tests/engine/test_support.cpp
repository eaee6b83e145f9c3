// Test helpers, and the QGuiApplication that text measurement needs.
#include "test_support.h"

#include <gtest/gtest.h>
#include <QGuiApplication>

#include "engine/storage.h"

namespace korvel::engine::testing {
namespace {

class GuiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "korvel_engine_tests";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QGuiApplication>(argc, argv);
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<QGuiApplication> app_;
};

[[maybe_unused]] auto* const environment = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

}  // namespace

Report reportWithBands(const std::string& bands, const std::string& reportAttributes) {
  return loadReport("<report name=\"r\" " + reportAttributes +
                    "><datasets><dataset name=\"ds\"/><dataset name=\"hdr\"/></datasets>"
                    "<page name=\"P\">" +
                    bands + "</page></report>");
}

std::vector<PreparedItem> itemsNamed(const PreparedReport& report, const std::string& name) {
  std::vector<PreparedItem> found;
  for (const PreparedPage& page : report.pages)
    for (const PreparedItem& item : page.items)
      if (item.name == name) found.push_back(item);
  return found;
}

PreparedItem onlyItem(const PreparedReport& report, const std::string& name) {
  std::vector<PreparedItem> keep = itemsNamed(report, name);
  if (keep.size() != 1) throw std::runtime_error(name + ": " + std::to_string(keep.size()) + " items");
  return keep.front();
}

}  // namespace korvel::engine::testing
