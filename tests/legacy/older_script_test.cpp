// The older pricing script's own parts: its rounding, its kopeck
// expressions as the engine prints them, the cost rows and unit prices, and
// the remark. Every figure is worked out by hand in the comment of its case.
#include <gtest/gtest.h>

#include "engine/report.h"
#include "legacy/script/older_functions.h"
#include "legacy/script/older_pricing.h"
#include "legacy/script/older_remark.h"
#include "tests/base/separator_guard.h"

namespace korvel::legacy::script {
namespace {

using report::script::Flag;
using report::script::LineFields;
using report::script::makePricingInput;

TEST(OlderRounding, AddsHalfAHundredthOnBothSidesOfZero) {
  struct Case {
    double value, rounded;
  };
  for (const Case& c : {Case{1.235, 1.24},      // 123.5 + 0.5 = 124 -> 1.24
                        Case{1.2349, 1.23},     // 123.49 + 0.5 = 123.99 -> 123
                        Case{-1.235, -1.23},    // -123.5 + 0.5 = -123 -> -1.23 (toward zero)
                        Case{-0.004, 0},        // -0.4 + 0.5 = 0.1 -> 0
                        Case{11.55, 11.55}}) {  // 1155.0000000000002 + 0.5 -> 1155
    EXPECT_DOUBLE_EQ(Rounding(c.value), c.rounded) << c.value;
  }
}

// The engine reads the number in the user's format and prints two decimals
// with a comma, whatever the separator.
TEST(OlderKopeiki, PrintsAsTwoDecimalsWithAComma) {
  for (char separator : test::bothSeparators) {
    test::SeparatorGuard guard(separator);
    EXPECT_EQ(kopeiki(23.1), test::withSeparator("[23.1 #n%2,2f]", separator));
    engine::Report report;
    engine::TextObject object;
    object.name = "Memo6_2";
    for (double value : {23.1, 1230.0, -0.5}) {
      object.setText(kopeiki(value) + "-x" + kopeiki(value));
      report.evaluate(object);
      const std::string printed = value == 23.1 ? "23,10" : value == 1230.0 ? "1230,00" : "-0,50";
      EXPECT_EQ(object.text(), printed + "-x" + printed) << value << separator;
    }
  }
}

struct Line {
  double Usl = 0, CenPriobr = 0, CenO = 0, CenRoz = 0;
  double NalTr = 0, NacOpt = 0, SkidPokup = 0, NacRozn = 0, NacObpit = 0, NDS = 0, NalProd = 0;
  double KolF = 0, KolOv = 0, KolPor = 0, SkidOv = 0;
  double IdPrizLog = 5, KodGr = 1, PrLogBKS = 0;
  std::string PrRazl;
  bool priznsyriaIsNull = true;
};

struct PricingCase {
  const char* what;
  Line line;
  const char* Pr_ONds;
  const char* Pr_SchCenPriobr;
  int row;  // of the cost table
  double cost;
  double unitPrice;
};

PricingInput inputOf(const PricingCase& c) {
  LineFields f;
  const Line& l = c.line;
  f.Usl = l.Usl, f.CenPriobr = l.CenPriobr, f.CenO = l.CenO, f.CenRoz = l.CenRoz;
  f.NalTr = l.NalTr, f.NacOpt = l.NacOpt, f.SkidPokup = l.SkidPokup, f.NacRozn = l.NacRozn;
  f.NacObpit = l.NacObpit, f.NDS = l.NDS, f.NalProd = l.NalProd;
  f.KolF = l.KolF, f.KolOv = l.KolOv, f.KolPor = l.KolPor, f.SkidOv = l.SkidOv;
  f.IdPrizLog = l.IdPrizLog, f.KodGr = l.KodGr, f.PrLogBKS = l.PrLogBKS;
  f.PrRazl = l.PrRazl;
  f.priznsyriaIsNull = l.priznsyriaIsNull;
  return makePricingInput(f, Flag(Value::text(c.Pr_ONds)), Flag(Value::text(c.Pr_SchCenPriobr)));
}

class OlderPricing : public ::testing::TestWithParam<PricingCase> {};

TEST_P(OlderPricing, CostRowAndUnitPrice) {
  const PricingCase& c = GetParam();
  const auto cost = lineCost(inputOf(c));
  const auto price = unitPrice(inputOf(c));
  ASSERT_TRUE(cost && price);
  EXPECT_EQ(cost->row, c.row);
  EXPECT_DOUBLE_EQ(cost->value, c.cost);
  EXPECT_DOUBLE_EQ(price->value, c.unitPrice);
}

// tr = 1 + NalTr/100, opt = 1 + NacOpt/100, sk = 1 - SkidPokup/100,
// rz, ob, nds, np, us likewise; R is the older Rounding.
INSTANTIATE_TEST_SUITE_P(
    Rows, OlderPricing,
    ::testing::Values(
        // U = R(10 x 1.05 x 1.1 x 1) = R(11.55) = 11.55; R(11.55 x (3 - 1)) = 23.1
        PricingCase{"row 1",
                    {.CenO = 10, .NalTr = 5, .NacOpt = 10, .KolF = 3, .KolOv = 1, .SkidOv = 5},
                    "1",
                    "0",
                    1,
                    23.1,
                    11.55},
        // no discount: R(11.55 x 3) = 34.65
        PricingCase{"row 2",
                    {.CenO = 10, .NalTr = 5, .NacOpt = 10, .KolF = 3, .KolOv = 1},
                    "1",
                    "0",
                    2,
                    34.65,
                    11.55},
        // R(10 x 1 x 1.1) = 11; R(11 x 3) = 33
        PricingCase{"row 3", {.CenO = 10, .NacOpt = 10, .KolF = 3, .IdPrizLog = 41}, "1", "0", 3, 33, 11},
        // group 99: R(R(10 x 0.9) x 3) = 27; the unit price 10 x 0.9 = 9 is not rounded
        PricingCase{"row 4",
                    {.CenO = 10, .SkidPokup = 10, .KolF = 3, .IdPrizLog = 6, .KodGr = 99},
                    "1",
                    "0",
                    4,
                    27,
                    9},
        // R(10 x 1 x 1.2 x 1 x 1.2 x 1) = R(14.4) = 14.4; R(14.4 x 2) = 28.8
        PricingCase{"row 5", {.CenO = 10, .NacRozn = 20, .NDS = 20, .KolF = 2}, "0", "0", 5, 28.8, 14.4},
        // per portion: R(10 / 3) = 3.33, x 3 = 9.99; R(9.99 x 1) = 9.99
        PricingCase{"row 7", {.CenO = 10, .KolF = 1, .KolPor = 3, .PrRazl = "*"}, "0", "0", 7, 9.99, 9.99},
        // group 99 is not priced per portion: R(R(10) x 1) = 10
        PricingCase{
            "row 8", {.CenO = 10, .KolF = 1, .KolPor = 3, .KodGr = 99, .PrRazl = "*"}, "0", "0", 8, 10, 10},
        // retail price: R(2.5 x (4 - 1)) = 7.5; the unit price is CenRoz
        PricingCase{"row 11",
                    {.CenRoz = 2.5, .KolF = 4, .KolOv = 1, .SkidOv = 5, .priznsyriaIsNull = false},
                    "0",
                    "0",
                    11,
                    7.5,
                    2.5},
        // W = R(12) = 12; R(12 - R(12 x 20 / 120)) = R(12 - 2) = 10; 10 x 1.5 = 15, not rounded
        PricingCase{"row 14",
                    {.CenPriobr = 8, .CenO = 12, .NDS = 20, .KolF = 1.5, .PrLogBKS = 1},
                    "1",
                    "0",
                    14,
                    15,
                    10},
        // group 99: R(12 x 1.5) = 18; the unit price R(12 x 1 x 1 x 1) = 12
        PricingCase{"row 15",
                    {.CenPriobr = 8, .CenO = 12, .NDS = 20, .KolF = 1.5, .KodGr = 99},
                    "1",
                    "0",
                    15,
                    18,
                    12},
        // from the purchase price: R(8 x 1 x 1.25 x 1) = 10; R(10 x 2) = 20
        PricingCase{"row 18", {.CenPriobr = 8, .CenO = 12, .NacOpt = 25, .KolF = 2}, "1", "1", 18, 20, 10},
        // Usl set: Round(11.55 x 100) / 100 = 11.55; R(R(11.55) x 3) = 34.65
        PricingCase{"row 20",
                    {.Usl = 5, .CenO = 10, .NalTr = 5, .NacOpt = 10, .KolF = 3},
                    "1",
                    "0",
                    20,
                    34.65,
                    11.55},
        // R(10 x 0.9) = 9; R(9 x 1.1 x 2) = R(19.8) = 19.8; unit R(10 x 0.9 x 1.1) = 9.9
        PricingCase{"row 21",
                    {.Usl = 5, .CenO = 10, .NacOpt = 10, .SkidPokup = 10, .KolF = 2, .IdPrizLog = 6},
                    "1",
                    "0",
                    21,
                    19.8,
                    9.9},
        // P = 617.2 x 1 x 2 = 1234.4: R(R(1234.4) x 1) = 1234.4; unit Round(123.44) x 10 = 1230
        PricingCase{"row 24",
                    {.Usl = 100, .CenO = 617.2, .KolF = 1, .IdPrizLog = 6, .KodGr = 12},
                    "0",
                    "0",
                    24,
                    1234.4,
                    1230},
        // R(3.333 x 3) = R(9.999) = Trunc(1000.4) / 100 = 10; the unit price is CenRoz
        PricingCase{
            "row 32", {.Usl = 1, .CenPriobr = 1, .CenRoz = 3.333, .KolF = 3}, "0", "0", 32, 10, 3.333}),
    [](const ::testing::TestParamInfo<PricingCase>& test) {
      std::string name = test.param.what;
      for (char& ch : name)
        if (ch == ' ') ch = '_';
      return name;
    });

TEST(OlderPricing, NoRowForAnotherKindWithVat) {
  // Usl 0, CenPriobr 0, Pr_ONds "1", IdPrizLog 7: TSum and Cen4_1 stay as they were.
  PricingCase c{"kind 7", {.CenO = 10, .KolF = 1, .IdPrizLog = 7}, "1", "0", 0, 0, 0};
  EXPECT_FALSE(lineCost(inputOf(c)));
  EXPECT_FALSE(unitPrice(inputOf(c)));
}

TEST(OlderRemark, PiecesAreKopeckExpressionsWithoutPercentSigns) {
  test::SeparatorGuard guard('.');
  LineFields line;
  line.CenO = 10;
  line.CenPriobr = 8;
  line.NalTr = 5;
  line.NacOpt = 10;
  line.SkidPokup = 3;
  line.NacRozn = 20;
  auto flags = [](const char* sch, const char* procTr, const char* cenOpt, const char* cenRoz) {
    return report::script::RemarkFlags{Flag(Value::text(sch)), Flag(Value::text(procTr)),
                                       Flag(Value::text(cenOpt)), Flag(Value::text(cenRoz))};
  };
  // From the release price without carriage shown apart: Round(10 x 1.05 x 100) / 100 = 10.5;
  // the retail markup only with retail prices; no purchase price.
  EXPECT_EQ(olderRemarkText(line, flags("0", "0", "1", "0")),
            "[10.5 #n%2,2f]-о.-отп.цена[10 #n%2,2f]-опт.надб.[3 #n%2,2f]-скид.покуп.");
  // From the purchase price with the carriage apart, retail and purchase prices shown.
  EXPECT_EQ(olderRemarkText(line, flags("1", "1", "1", "1")),
            "[8 #n%2,2f]-о.-отп.цена[5 #n%2,2f]-тр.расх.[10 #n%2,2f]-опт.надб.[3 #n%2,2f]-скид.покуп."
            "[20 #n%2,2f]-розн.надб.[10 #n%2,2f]-цен.закуп.");
}

}  // namespace
}  // namespace korvel::legacy::script
