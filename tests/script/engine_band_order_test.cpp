// The pricing script run by the real engine over the stored template, where
// the results depend on the order in which the line band and the sheet
// footer print their objects, and on a fresh script state per pass.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cctype>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/number_text.h"
#include "engine/storage.h"
#include "report/script/waybill_script.h"
#include "report/waybill_template.h"
#include "sample_waybill.h"

namespace korvel::report::script {
namespace {

using engine::PreparedItem;
using engine::PreparedReport;
using Patch = std::map<std::string, Value>;

std::string lowered(std::string_view text) {
  std::string result(text);
  for (auto& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return result;
}

// A dataset whose records read as another's, with some fields replaced.
class PatchedDataset : public engine::Dataset {
 public:
  PatchedDataset(engine::Dataset& base, std::vector<Patch> patches) : base_(base) {
    for (auto& patch : patches) {
      Patch lower;
      for (auto& [name, value] : patch) lower[lowered(name)] = std::move(value);
      patches_.push_back(std::move(lower));
    }
  }
  void first() override {
    base_.first();
    current_ = 0;
  }
  void next() override {
    base_.next();
    ++current_;
  }
  bool eof() const override { return base_.eof(); }
  int recordCount() const override { return base_.recordCount(); }
  bool hasField(std::string_view name) const override { return base_.hasField(name); }
  ValueType fieldType(std::string_view name) const override { return base_.fieldType(name); }
  Value field(std::string_view name) const override {
    if (current_ < patches_.size()) {
      auto it = patches_[current_].find(lowered(name));
      if (it != patches_[current_].end()) return it->second;
    }
    return base_.field(name);
  }

 private:
  engine::Dataset& base_;
  std::vector<Patch> patches_;
  std::size_t current_ = 0;
};

Value n(double number) { return Value::floating(number); }

// Row 3 (row 1 with a discount): R(10 x 1.05 x 1.1) = 11.55; x 3 = 34.65.
Patch pricedLine() {
  return {{"CenO", n(10)},     {"CenPriobr", n(0)}, {"NalTr", n(5)}, {"NacOpt", n(10)},  {"NacRozn", n(0)},
          {"IdPrizLog", n(5)}, {"KolF", n(3)},      {"NDS", n(20)},  {"SumNDS", n(6.93)}};
}
// Priced by no rule: Usl set, VAT on top, a code other than 5, 6, 41.
Patch unpricedLine() { return {{"Usl", n(5)}, {"CenPriobr", n(0)}, {"IdPrizLog", n(7)}, {"SumNDS", n(0)}}; }

class ScriptThroughEngine : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "engine_band_order_test";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) static QGuiApplication application(argc, argv);
  }
  void SetUp() override { setDecimalSeparator(','); }
  void TearDown() override { useLocaleDecimalSeparator(); }

  PreparedReport prepare(std::vector<Patch> lines, const char* Pr_ONds, const char* forSumNDS_1) {
    sample_ = testing::makeSampleWaybill(static_cast<int>(lines.size()));
    header_ = std::make_unique<PatchedDataset>(
        sample_->header, std::vector<Patch>{{{"SumBns", n(1)}, {"SumNdsBonus", n(0.2)}}});
    lines_ = std::make_unique<PatchedDataset>(sample_->lines, std::move(lines));
    report_ = engine::loadReport(waybillTemplateXml());
    report_.bindDataset("frxDatasetPrCap", header_.get());
    report_.bindDataset("frxDatasetPrStr", lines_.get());
    for (const char* flag : {"Pr_CenRoz", "Pr_SchCenPriobr", "Pr_ProcTr", "Pr_CenOpt"})
      report_.setVariable(flag, Value::text("'0'"));
    report_.setVariable("Pr_ONds", Value::text(std::string("'") + Pr_ONds + "'"));
    report_.setVariable("forSumNDS_1", Value::text(std::string("'") + forSumNDS_1 + "'"));
    report_.setScript(waybillScript());
    return report_.prepare();
  }

  // The texts of an object in printing order, over all sheets.
  static std::vector<std::string> texts(const PreparedReport& prepared, const std::string& object) {
    std::vector<std::string> result;
    for (const auto& page : prepared.pages)
      for (const auto& item : page.items)
        if (item.name == object) result.push_back(item.text);
    return result;
  }

  std::unique_ptr<testing::SampleWaybill> sample_;
  std::unique_ptr<PatchedDataset> header_, lines_;
  engine::Report report_;
};

TEST_F(ScriptThroughEngine, ValueWithVatReadsTheCostAndVatPrintedBeforeIt) {
  Patch line = pricedLine();
  line["NameVidTov"] = Value::text("Сметана");
  line["Fasov"] = n(0.4);
  line["SkidOv"] = n(5);
  line["KolZ"] = n(2.5);
  PreparedReport prepared = prepare({line}, "1", "-1");

  EXPECT_EQ(texts(prepared, "Memo6_2"), std::vector<std::string>{"34,65"});
  EXPECT_EQ(texts(prepared, "Cen4_1"), std::vector<std::string>{"11,55"});
  EXPECT_EQ(texts(prepared, "Memo93"), std::vector<std::string>{"6.93"});
  EXPECT_EQ(texts(prepared, "Memo94"), std::vector<std::string>{"41,58"});  // 34.65 + 6.93
  EXPECT_EQ(texts(prepared, "Memo59"), std::vector<std::string>{"Сметана 0,4\n Скидка 5%"});
  EXPECT_EQ(texts(prepared, "Memo34"), std::vector<std::string>{"физ. вес\n2,5"});
  // footer: VAT 6.93 + 0.2; with VAT 41.58 + 1; total (41.58 - 6.93) + 1
  EXPECT_EQ(texts(prepared, "SumSumNDS"), std::vector<std::string>{"7,13"});
  EXPECT_EQ(texts(prepared, "SumVsSNds"), std::vector<std::string>{"42,58"});
  EXPECT_EQ(texts(prepared, "Sum6"), std::vector<std::string>{"35,65"});
}

// Each preparation pass starts the globals at 0: the first line, which no
// rule prices, shows 0 although the trial pass ended on a priced line; a
// later unpriced line shows the cost before it.
TEST_F(ScriptThroughEngine, UnpricedLinesShowThePreviousCostOfThisPassOnly) {
  PreparedReport prepared = prepare({unpricedLine(), pricedLine(), unpricedLine()}, "1", "-1");
  EXPECT_EQ(texts(prepared, "Memo6_2"), (std::vector<std::string>{"0,00", "34,65", "34,65"}));
}

// Cents of a kopeck text such as "27,50".
long cents(const std::string& text) {
  auto comma = text.find(',');
  return std::stol(text.substr(0, comma)) * 100 + std::stol(text.substr(comma + 1));
}

std::string kopecks(long total) {
  std::string fraction = std::to_string(total % 100);
  return std::to_string(total / 100) + "," + (fraction.size() < 2 ? "0" : "") + fraction;
}

TEST_F(ScriptThroughEngine, EverySheetTotalsItsOwnLinesPlusTheBonus) {
  // 25 lines at the retail price 2.5: cost 2.5 x KolF, no VAT on top, line VAT 3.50
  std::vector<Patch> lines(25,
                           Patch{{"priznsyria", Value::text("1")}, {"CenRoz", n(2.5)}, {"CenPriobr", n(0)}});
  PreparedReport prepared = prepare(lines, "0", "0");

  int sheets = 0;
  for (const auto& page : prepared.pages) {
    long withVat = 0, lineCount = 0;
    std::map<std::string, std::string> footer;
    for (const PreparedItem& item : page.items) {
      if (item.name == "Memo94") {
        withVat += cents(item.text);
        ++lineCount;
      }
      if (item.name == "Sum6" || item.name == "SumSumNDS" || item.name == "SumVsSNds")
        footer[item.name] = item.text;
    }
    if (footer.empty()) continue;
    ++sheets;
    SCOPED_TRACE("sheet " + std::to_string(page.number));
    EXPECT_GT(lineCount, 0);
    EXPECT_EQ(footer["SumVsSNds"], kopecks(withVat + 100));
    EXPECT_EQ(footer["Sum6"], kopecks(withVat + 100));
    EXPECT_EQ(footer["SumSumNDS"], kopecks(lineCount * 350 + 20));
  }
  EXPECT_GE(sheets, 2);
  // the lines themselves: KolF 10 + i, so the first costs 25.00
  EXPECT_EQ(texts(prepared, "Memo6_2").front(), "25,00");
}

}  // namespace
}  // namespace korvel::report::script
