// Quantity, mass, name and retail columns and the price remark, through the
// script's handlers.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fake_context.h"
#include "report/script/waybill_script.h"

namespace korvel::report::script {
namespace {

using testing::FakeContext;
using testing::Field;
using testing::ScriptRun;

struct ColumnCase {
  const char* what;
  std::vector<Field> line;
  std::vector<std::pair<const char*, const char*>> flags;
  const char* expected;
};

class LineColumns : public ::testing::Test {
 protected:
  void SetUp() override { setDecimalSeparator(','); }
  void TearDown() override { useLocaleDecimalSeparator(); }

  // Runs the object's before-print handler on a fresh script; returns its text.
  static std::string print(const char* object, const ColumnCase& c, const char* templateText = "") {
    FakeContext context;
    context.setLine(c.line);
    for (const auto& [name, value] : c.flags) context.setFlag(name, value);
    context.setObject(object, templateText);
    ScriptRun run(waybillScript());
    run(std::string(object) + "OnBeforePrint", context);
    return context.text(object);
  }

  static void expectAll(const char* object, const std::vector<ColumnCase>& cases) {
    for (const auto& c : cases)
      EXPECT_EQ(print(object, c, "(template)"), c.expected) << object << ": " << c.what;
  }
};

TEST_F(LineColumns, NameWithPackingAndDiscountLine) {
  struct Case {
    std::vector<Field> line;
    const char* expected;
  };
  const Case cases[] = {
      {{{"NameVidTov", "Сметана"}, {"Fasov", 0.5}, {"EdIz", "шт"}}, "Сметана 0,5"},
      {{{"NameVidTov", "Сметана"}, {"Fasov", 0.0}, {"EdIz", "шт"}}, "Сметана "},
      {{{"NameVidTov", "Сахар"}, {"Fasov", 0.5}, {"EdIz", "кг"}}, "Сахар "},
      {{{"NameVidTov", "Сахар"}, {"Fasov", 0.5}, {"EdIz", "т"}}, "Сахар "},
      {{{"NameVidTov", "Сахар"}, {"Fasov", 0.5}, {"EdIz", "ц"}}, "Сахар "},
      {{{"NameVidTov", "Сметана"}, {"Fasov", 0.5}, {"EdIz", "шт"}, {"SkidOv", 2.5}},
       "Сметана 0,5\r Скидка 2,5%"},
      {{{"NameVidTov", "Сахар"}, {"Fasov", 0.5}, {"EdIz", "кг"}, {"SkidOv", 5}}, "Сахар \r Скидка 5%"},
      // a name is printed as it is, brackets included
      {{{"NameVidTov", "Чай [зелёный]"}, {"Fasov", 100}, {"EdIz", "шт"}}, "Чай [зелёный] 100"},
  };
  for (const auto& c : cases) EXPECT_EQ(print("Memo59", {"", c.line, {}, ""}), c.expected);
}

TEST_F(LineColumns, QuantityAndWeightColumns) {
  expectAll("Memo89", {
                          {"less the discounted quantity", {{"KolF", 5}, {"KolOv", 1.5}}, {}, "3,5"},
                          {"whole quantity", {{"KolF", 5}}, {}, "5"},
                      });
  expectAll("Memo33", {
                          {"second quantity", {{"KolKzp", 2}}, {}, "2"},
                          {"discounted quantity wins", {{"KolKzp", 2}, {"KolOv", 1.5}}, {}, "1,5"},
                          {"discounted quantity alone", {{"KolOv", 1.5}}, {}, "1,5"},
                          {"neither: template text stays", {}, {}, "(template)"},
                      });
  expectAll("Memo34", {
                          {"discount", {{"SkidOv", 3}, {"KolZ", 2.5}}, {}, "физ. вес\r2,5"},
                          {"discounted quantity", {{"KolOv", 1}}, {}, "физ. вес\r0"},
                          {"neither", {{"KolZ", 2}}, {}, ""},
                      });
  expectAll("Memo100",
            {
                {"unit mass x quantity: 0.5 x 4", {{"Ves", 0.5}, {"KolF", 4}}, {}, "2"},
                {"no unit mass", {{"KolF", 4}}, {}, ""},
                {"physical weight without unit mass reads 0", {{"KolZ", 3}, {"KolF", 4}}, {}, ""},
                {"unit mass x physical weight: 0.5 x 3", {{"Ves", 0.5}, {"KolZ", 3}, {"KolF", 4}}, {}, "1,5"},
            });
}

TEST_F(LineColumns, RetailColumnsNeedBothFlags) {
  const std::vector<Field> line = {{"CenRoz", 2.345}, {"KolF", 3}};
  using Flags = std::vector<std::pair<const char*, const char*>>;
  const Flags both = {{"Pr_ONds", "1"}, {"Pr_CenRoz", "1"}};
  // R(2.345 x 3 = 7.035) = 7.04 (3.5 + 51), written as FloatToStr does
  expectAll("Memo6_4", {
                           {"both", line, both, "7,04"},
                           {"no VAT on top", line, {{"Pr_CenRoz", "1"}}, ""},
                           {"no retail prices", line, {{"Pr_ONds", "1"}}, ""},
                       });
  expectAll("Cen4_2", {
                          {"both", line, both, "2,345"},
                          {"no VAT on top", line, {{"Pr_CenRoz", "1"}}, ""},
                      });
}

TEST_F(LineColumns, TradeMarginPerUnitAndForTheLine) {
  using Flags = std::vector<std::pair<const char*, const char*>>;
  const Flags shown = {{"Pr_CenRoz", "1"}};
  struct Case {
    const char* what;
    std::vector<Field> line;
    Flags flags;
    const char* unit;   // Memo336
    const char* total;  // SumNalTr
  };
  const Case cases[] = {
      // neither Usl nor NalProd: M = 0
      {"no margin", {{"CenRoz", 12.5}, {"CenPriobr", 8}, {"KolF", 3}}, shown, "0", "0"},
      // M = 12.5 - 8 = 4.5 -> 4 (tie to even); 4.5 x 3 = 13.5 -> 14 (tie to even)
      {"from the acquisition price",
       {{"Usl", 5}, {"CenRoz", 12.5}, {"CenPriobr", 8}, {"KolF", 3}},
       shown,
       "4",
       "14"},
      // P = 10 x 1.05 x 1.2 x 1 x 1.2 = 15.12; M = 20 - 15.12 = 4.88 -> 5; x 2 = 9.76 -> 10
      {"whole VAT rate",
       {{"NalProd", 10},
        {"CenO", 10},
        {"NalTr", 5},
        {"NacRozn", 20},
        {"NDS", 20},
        {"CenRoz", 20},
        {"KolF", 2}},
       shown,
       "5",
       "10"},
      // NDS 20.5 is not whole: P = 10 x 1.05 x 1.2 x 1 = 12.6; M = 7.4 -> 7; x 2 = 14.8 -> 15
      {"fractional VAT rate",
       {{"NalProd", 10},
        {"CenO", 10},
        {"NalTr", 5},
        {"NacRozn", 20},
        {"NDS", 20.5},
        {"CenRoz", 20},
        {"KolF", 2}},
       shown,
       "7",
       "15"},
      {"retail prices not shown", {{"Usl", 5}, {"CenRoz", 12.5}, {"CenPriobr", 8}, {"KolF", 3}}, {}, "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(print("Memo336", {c.what, c.line, c.flags, ""}), c.unit) << c.what;
    EXPECT_EQ(print("SumNalTr", {c.what, c.line, c.flags, ""}), c.total) << c.what;
  }
}

TEST_F(LineColumns, RemarkPieces) {
  expectAll("Prim1",
            {
                {"release price with transport rate",
                 {{"CenO", 10}, {"NalTr", 5}},
                 {{"Pr_SchCenPriobr", "0"}, {"Pr_ProcTr", "1"}, {"Pr_CenRoz", "0"}},
                 "10,00-отп.цена пр.5%-тр.расх."},
                // R(10 x 1.05) = 10.50
                {"release price with transport included",
                 {{"CenO", 10}, {"NalTr", 5}},
                 {{"Pr_SchCenPriobr", "0"}, {"Pr_ProcTr", "0"}},
                 "10,50-отп.цена пр."},
                {"acquisition price, transport rate without percent sign, purchase price",
                 {{"CenO", 10}, {"CenPriobr", 8}, {"NalTr", 5}},
                 {{"Pr_SchCenPriobr", "1"}, {"Pr_ProcTr", "1"}, {"Pr_CenOpt", "1"}},
                 "8,00-о.-отп.цена5-тр.расх.10,00-цен.закуп."},
                // Round(8.13 x 1.05 x 100 = 853.65) / 100 = 8.54; no purchase price without Pr_CenOpt
                {"acquisition price with transport included",
                 {{"CenPriobr", 8.13}, {"NalTr", 5}},
                 {{"Pr_SchCenPriobr", "1"}, {"Pr_ProcTr", "0"}},
                 "8,54-о.-отп.цена"},
                // NadbTorg = R((10 x 1.02 x 1.03 x 1.2 / 10 - 1) x 100 = 26.072) = 26.07;
                // NadbOpt = R((10 x 1.02 x 1.03 / 10 - 1) x 100 = 5.06) = 5.06
                {"every rate with retail prices",
                 {{"CenO", 10},
                  {"NacOpt", 10},
                  {"SkidPokup", 5},
                  {"NacRozn", 20},
                  {"NacObpit", 30},
                  {"NacPosr", 2},
                  {"NalTrPost", 3}},
                 {{"Pr_SchCenPriobr", "0"}, {"Pr_ProcTr", "1"}, {"Pr_CenRoz", "1"}},
                 "10,00-отп.цена пр.10%-опт.нац.5%-скид.покуп.20%-розн.надб.30%-общеп.нац.2%-надб.посред."
                 "3%-тр.расх.пост.26,07%-торг.надб.(в т.ч. 5,06% опт.надб.)"},
                {"every rate without retail prices",
                 {{"CenO", 10},
                  {"NacOpt", 10},
                  {"SkidPokup", 5},
                  {"NacRozn", 20},
                  {"NacObpit", 30},
                  {"NacPosr", 2},
                  {"NalTrPost", 3}},
                 {{"Pr_SchCenPriobr", "0"}, {"Pr_ProcTr", "1"}, {"Pr_CenRoz", "0"}},
                 "10,00-отп.цена пр.10%-опт.нац.5%-скид.покуп.30%-общеп.нац.2%-надб.посред.3%-тр.расх.пост."
                 "5,06%-опт.надб."},
                // NadbTorg = R((10 x 1.2 / 10 - 1) x 100) = 20; NadbOpt = 0 adds nothing
                {"trade markup only",
                 {{"CenO", 10}, {"NacRozn", 20}},
                 {{"Pr_SchCenPriobr", "0"}, {"Pr_ProcTr", "1"}, {"Pr_CenRoz", "1"}},
                 "10,00-отп.цена пр.20%-розн.надб.20%-торг.надб."},
                {"no release price: no markup percents",
                 {{"NacPosr", 2}},
                 {{"Pr_SchCenPriobr", "0"}},
                 "0,00-отп.цена пр.2%-надб.посред."},
            });
}

}  // namespace
}  // namespace korvel::report::script
