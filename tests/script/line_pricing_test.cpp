// Line cost (`Memo6_2`, `COST`) and unit price (`Cen4_1`) for every pricing
// rule. The figures are worked out by hand in the comment of each case:
// tr = 1 + NalTr/100, opt = 1 + NacOpt/100, sk = 1 - SkidPokup/100,
// rz, ob, nds, np, us likewise; B the release price CenO with intermediary
// markup and supplier transport (0 here unless said), rounded; R is
// Rounding (up from 0.49 of a kopeck); Cost(U, Q) = R(Trunc(10000 U Q)/10000).
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "fake_context.h"
#include "report/script/line_pricing.h"
#include "report/script/waybill_script.h"

namespace korvel::report::script {
namespace {

using testing::FakeContext;
using testing::Field;
using testing::ScriptRun;

constexpr const char* kKept = "(template text)";

struct RowCase {
  int row;
  const char* Pr_ONds;
  const char* Pr_SchCenPriobr;
  std::vector<Field> line;
  const char* cost;   // Memo6_2
  const char* shown;  // Cen4_1; kKept when it keeps its template text
};

// Rates shared by the cases priced with VAT on top.
const std::vector<Field> kWithVat = {{"NalTr", 5}, {"NacOpt", 10}, {"SkidPokup", 20}};
// Rates shared by the retail cases: tr 1.05, rz 1.2, ob 1.5, nds 1.2, np 1.1, us 1.05.
const std::vector<Field> kRetail = {{"NalTr", 5}, {"NacRozn", 20}, {"NacObpit", 50},
                                    {"NDS", 20},  {"NalProd", 10}, {"CenO", 10}};

std::vector<Field> with(std::vector<Field> base, const std::vector<Field>& more) {
  base.insert(base.end(), more.begin(), more.end());
  return base;
}

const std::vector<RowCase> kRows = {
    // --- Usl 0, CenPriobr 0 ---
    // R(10.1 x 1.05 x 1.1 x 1) = R(11.6655) = 11.67; Q = 3 - 1 = 2; Cost = 23.34
    {1,
     "1",
     "0",
     {{"CenO", 10.1},
      {"NalTr", 5},
      {"NacOpt", 10},
      {"IdPrizLog", 5},
      {"KodGr", 1},
      {"SkidOv", 3},
      {"KolF", 3},
      {"KolOv", 1}},
     "23,34",
     "11,67"},
    // R(TruncRounding(11.6655) x 1) = R(11.66) = 11.66; Q = 2; Cost = 23.32
    {2,
     "1",
     "0",
     {{"CenO", 10.1},
      {"NalTr", 5},
      {"NacOpt", 10},
      {"IdPrizLog", 5},
      {"KodGr", 1},
      {"SkidOv", 3},
      {"idcolor", 1},
      {"KolF", 3},
      {"KolOv", 1}},
     "23,32",
     "11,66"},
    // R(10 x 1.05 x 1.1) = 11.55; Q = KolF = 3 (KolOv ignored without SkidOv); Cost = 34.65
    {3,
     "1",
     "0",
     {{"CenO", 10}, {"NalTr", 5}, {"NacOpt", 10}, {"IdPrizLog", 5}, {"KodGr", 1}, {"KolF", 3}, {"KolOv", 1}},
     "34,65",
     "11,55"},
    // R(TruncRounding(11.6655)) = 11.66; Q = 3; Cost = 34.98
    {4,
     "1",
     "0",
     {{"CenO", 10.1},
      {"NalTr", 5},
      {"NacOpt", 10},
      {"IdPrizLog", 5},
      {"KodGr", 1},
      {"idcolor", 1},
      {"KolF", 3}},
     "34,98",
     "11,66"},
    // R(10 x 1.05 x 1.1 x 0.8) = R(9.24) = 9.24; Q = KolF = 3 even with SkidOv; Cost = 27.72
    {5, "1", "0",
     with(kWithVat,
          {{"CenO", 10}, {"IdPrizLog", 5}, {"KodGr", 99}, {"SkidOv", 3}, {"KolF", 3}, {"KolOv", 1}}),
     "27,72", "9,24"},
    // U = R(10 x 0.8 x 1.1 x 1.05) = 9.24; Cost = 27.72; shown R(10 x 0.8 x 1.1) = 8.80
    {6, "1", "0", with(kWithVat, {{"CenO", 10}, {"IdPrizLog", 6}, {"KodGr", 1}, {"KolF", 3}}), "27,72",
     "8,80"},
    // the same for a code other than 5, 6, 41: cost as row 6, the price stays
    {6, "1", "0", with(kWithVat, {{"CenO", 10}, {"IdPrizLog", 7}, {"KodGr", 1}, {"KolF", 3}}), "27,72",
     kKept},
    // U = TruncRounding(10.1 x 1 x 1.1 x 1.05 = 11.6655) = 11.66; Cost = 34.98;
    // shown TruncRounding(10.1 x 1.1 = 11.11) = 11.11
    {7,
     "1",
     "0",
     {{"CenO", 10.1},
      {"NalTr", 5},
      {"NacOpt", 10},
      {"IdPrizLog", 41},
      {"KodGr", 1},
      {"idcolor", 1},
      {"KolF", 3}},
     "34,98",
     "11,11"},
    // U = R(10 x 0.8 x 1.05) = 8.40; Cost = 25.20; shown R(10 x 0.8) = 8.00
    {8, "1", "0", with(kWithVat, {{"CenO", 10}, {"IdPrizLog", 6}, {"KodGr", 99}, {"KolF", 3}}), "25,20",
     "8,00"},
    // 10 x 1.05 x 1.2 x 1.5 x 1.2 x 1.1 = 24.948; R = 24.95 (94.8 + 51); Cost = 74.85
    {9, "0", "0", with(kRetail, {{"IdPrizLog", 5}, {"KolF", 3}}), "74,85", "24,95"},
    // 10 x 1.5 x 1.1 = 16.5; Cost = 49.50
    {10, "0", "0", with(kRetail, {{"IdPrizLog", 6}, {"KolF", 3}}), "49,50", "16,50"},
    // 24.948 / 4 = 6.237 -> R = 6.24; x 4 = 24.96; Cost = 74.88
    {11, "0", "0", with(kRetail, {{"IdPrizLog", 5}, {"PrRazl", "*"}, {"KolPor", 4}, {"KolF", 3}}), "74,88",
     "24,96"},
    // KolPor 0: priced as a whole, R(24.948) = 24.95; Cost = 74.85
    {11, "0", "0", with(kRetail, {{"IdPrizLog", 5}, {"PrRazl", "*"}, {"KolF", 3}}), "74,85", "24,95"},
    // group 99: no portions, R(24.948) = 24.95; Cost = 74.85
    {12, "0", "0",
     with(kRetail, {{"IdPrizLog", 5}, {"PrRazl", "*"}, {"KodGr", 99}, {"KolPor", 4}, {"KolF", 3}}), "74,85",
     "24,95"},
    // 16.5 / 4 = 4.125 -> R = 4.13 (12.5 + 51); x 4 = 16.52; Cost = 49.56
    {13, "0", "0", with(kRetail, {{"IdPrizLog", 41}, {"PrRazl", "*"}, {"KolPor", 4}, {"KolF", 3}}), "49,56",
     "16,52"},
    // KolPor 0: R(16.5) = 16.50; Cost = 49.50
    {13, "0", "0", with(kRetail, {{"IdPrizLog", 41}, {"PrRazl", "*"}, {"KolF", 3}}), "49,50", "16,50"},
    // group 99: R(16.5); Cost = 49.50
    {14, "0", "0",
     with(kRetail, {{"IdPrizLog", 6}, {"PrRazl", "*"}, {"KodGr", 99}, {"KolPor", 4}, {"KolF", 3}}), "49,50",
     "16,50"},
    // CenRoz 7.5 x (3 - 1) = 15.00
    {15, "0", "0",
     with(kRetail, {{"priznsyria", "1"}, {"SkidOv", 3}, {"CenRoz", 7.5}, {"KolF", 3}, {"KolOv", 1}}), "15,00",
     "7,50"},
    // CenRoz 7.5 x 3 = 22.50
    {16, "0", "0", with(kRetail, {{"priznsyria", ""}, {"CenRoz", 7.5}, {"KolF", 3}, {"KolOv", 1}}), "22,50",
     "7,50"},

    // --- Usl 0, CenPriobr not 0 ---
    // R(10 x 1.05 x 1.1 x 0.8) = 9.24; Cost = 27.72
    {17, "1", "0", with(kWithVat, {{"CenO", 10}, {"CenPriobr", 8}, {"KodGr", 1}, {"KolF", 3}}), "27,72",
     "9,24"},
    // TruncRounding(10.1 x 1.05 x 1.1 x 1 = 11.6655) = 11.66; Cost = 34.98
    {18,
     "1",
     "0",
     {{"CenO", 10.1}, {"CenPriobr", 8}, {"NalTr", 5}, {"NacOpt", 10}, {"idcolor", 1}, {"KolF", 3}},
     "34,98",
     "11,66"},
    // W = 12; VAT part R(12 x 20 / 120) = 2; U = 10; COST = 10 x 1.2345 = 12.345, plain
    {19,
     "1",
     "0",
     {{"CenO", 12}, {"CenPriobr", 8}, {"NDS", 20}, {"PrLogBKS", 1}, {"KolF", 1.2345}},
     "12,345",
     "10,00"},
    // U = B = 10; Cost = 30; shown R(10 x 1.05 x 1.1 x 0.8) = 9.24
    {20, "1", "0", with(kWithVat, {{"CenO", 10}, {"CenPriobr", 8}, {"KodGr", 99}, {"KolF", 3}}), "30,00",
     "9,24"},
    // 7.5 x (3 - 1) = 15
    {21,
     "0",
     "0",
     {{"CenPriobr", 8}, {"SkidOv", 3}, {"CenRoz", 7.5}, {"KolF", 3}, {"KolOv", 1}},
     "15,00",
     "7,50"},
    // 7.5 x 3 = 22.5
    {22, "0", "0", {{"CenPriobr", 8}, {"CenRoz", 7.5}, {"KolF", 3}, {"KolOv", 1}}, "22,50", "7,50"},
    // B' = 8; 8 x 1.05 x 1.1 x 0.8 = 7.392 -> 7.39; Q = 3 - 1 = 2 without SkidOv; Cost = 14.78
    {23, "1", "1", with(kWithVat, {{"CenO", 10}, {"CenPriobr", 8}, {"KodGr", 1}, {"KolF", 3}, {"KolOv", 1}}),
     "14,78", "7,39"},
    // TruncRounding(8.1 x 1.05 x 1.1 = 9.3555) = 9.35; Q = 2; Cost = 18.70
    {24,
     "1",
     "1",
     {{"CenO", 10},
      {"CenPriobr", 8.1},
      {"NalTr", 5},
      {"NacOpt", 10},
      {"idcolor", 1},
      {"KolF", 3},
      {"KolOv", 1}},
     "18,70",
     "9,35"},
    // W' = R(10.1 x 1.05 x 1.1 = 11.6655) = 11.67; VAT part R(11.67 x 20 / 120 = 1.945) = 1.95;
    // U = R(11.67 - 1.95) = 9.72; COST = 9.72 x 3 = 29.16, plain; shown W' = 11.67
    {25,
     "1",
     "1",
     {{"CenPriobr", 10.1}, {"NalTr", 5}, {"NacOpt", 10}, {"NDS", 20}, {"PrLogBKS", 2}, {"KolF", 3}},
     "29,16",
     "11,67"},
    // the same with idcolor 1: shown TruncRounding(11.6655) = 11.66
    {25,
     "1",
     "1",
     {{"CenPriobr", 10.1},
      {"NalTr", 5},
      {"NacOpt", 10},
      {"NDS", 20},
      {"PrLogBKS", 2},
      {"idcolor", 1},
      {"KolF", 3}},
     "29,16",
     "11,66"},
    // U = B' = 8; Cost = 24; shown R(8 x 1.05 x 1.1 x 0.8 = 7.392) = 7.39
    {26, "1", "1", with(kWithVat, {{"CenO", 10}, {"CenPriobr", 8}, {"KodGr", 99}, {"KolF", 3}}), "24,00",
     "7,39"},
    // 7.5 x (3 - 1) = 15
    {27,
     "0",
     "1",
     {{"CenPriobr", 8}, {"SkidOv", 3}, {"CenRoz", 7.5}, {"KolF", 3}, {"KolOv", 1}},
     "15,00",
     "7,50"},
    // 7.5 x 3 = 22.5
    {28, "0", "1", {{"CenPriobr", 8}, {"CenRoz", 7.5}, {"KolF", 3}}, "22,50", "7,50"},

    // --- Usl not 0, CenPriobr 0 ---
    // R(10 x 1.05 x 1.1 x 0.8) = 9.24; Cost = 27.72
    {29, "1", "0", with(kWithVat, {{"Usl", 5}, {"CenO", 10}, {"IdPrizLog", 5}, {"KodGr", 1}, {"KolF", 3}}),
     "27,72", "9,24"},
    // group 99: U = R(10.2 x 1.05 x 1.1 = 11.781) = 11.78; Cost = 35.34; shown 11.781 unrounded
    {29,
     "1",
     "0",
     {{"Usl", 5}, {"CenO", 10.2}, {"NalTr", 5}, {"NacOpt", 10}, {"IdPrizLog", 5}, {"KodGr", 99}, {"KolF", 3}},
     "35,34",
     "11,781"},
    // U = R(10.1 x 0.8 = 8.08) x 1.1 = 8.888; Cost = R(26.664) = 26.66; shown R(10.1 x 0.8 x 1.1) = 8.89
    {30, "1", "0", with(kWithVat, {{"Usl", 5}, {"CenO", 10.1}, {"IdPrizLog", 6}, {"KodGr", 1}, {"KolF", 3}}),
     "26,66", "8,89"},
    // U = R(10.01 x 0.8 = 8.008) = 8.01; Cost = 24.03; shown 8.008 unrounded
    {31, "1", "0",
     with(kWithVat, {{"Usl", 5}, {"CenO", 10.01}, {"IdPrizLog", 41}, {"KodGr", 99}, {"KolF", 3}}), "24,03",
     "8,008"},
    // 10 x 1.05 x 1.2 x 1.5 x 1.2 x 1.05 = 23.814 -> 23.81; Cost = 71.43
    {32, "0", "0", with(kRetail, {{"Usl", 5}, {"IdPrizLog", 5}, {"KolF", 3}}), "71,43", "23,81"},
    // 10 x 1.5 x 1.05 = 15.75; Cost = 47.25; shown R(15.75 / 10 = 1.575) x 10 = 1.58 x 10 = 15.80
    {33, "0", "0", with(kRetail, {{"Usl", 5}, {"IdPrizLog", 6}, {"KodGr", 1}, {"KolF", 3}}), "47,25",
     "15,80"},
    // group 99: shown U = 15.75
    {33, "0", "0", with(kRetail, {{"Usl", 5}, {"IdPrizLog", 6}, {"KodGr", 99}, {"KolF", 3}}), "47,25",
     "15,75"},
    // 23.814 / 4 = 5.9535 -> 5.95; x 4 = 23.80; Cost = 71.40
    {34, "0", "0", with(kRetail, {{"Usl", 5}, {"IdPrizLog", 5}, {"PrRazl", "*"}, {"KolPor", 4}, {"KolF", 3}}),
     "71,40", "23,80"},
    // KolPor 0: R(23.814) = 23.81; Cost = 71.43
    {34, "0", "0", with(kRetail, {{"Usl", 5}, {"IdPrizLog", 5}, {"PrRazl", "*"}, {"KolF", 3}}), "71,43",
     "23,81"},
    // group 99: 23.81; Cost = 71.43
    {35, "0", "0",
     with(kRetail,
          {{"Usl", 5}, {"IdPrizLog", 5}, {"PrRazl", "*"}, {"KodGr", 99}, {"KolPor", 4}, {"KolF", 3}}),
     "71,43", "23,81"},
    // 15.75 / 4 = 3.9375 -> 3.94; x 4 = 15.76; Cost = 47.28
    {36, "0", "0", with(kRetail, {{"Usl", 5}, {"IdPrizLog", 6}, {"PrRazl", "*"}, {"KolPor", 4}, {"KolF", 3}}),
     "47,28", "15,76"},
    // KolPor 0: 15.75; Cost = 47.25
    {36, "0", "0", with(kRetail, {{"Usl", 5}, {"IdPrizLog", 6}, {"PrRazl", "*"}, {"KolF", 3}}), "47,25",
     "15,75"},
    // group 99: 15.75; Cost = 47.25
    {37, "0", "0",
     with(kRetail,
          {{"Usl", 5}, {"IdPrizLog", 41}, {"PrRazl", "*"}, {"KodGr", 99}, {"KolPor", 4}, {"KolF", 3}}),
     "47,25", "15,75"},
    // CenRoz 7.5 x KolF 3 = 22.5, KolOv and SkidOv play no part here
    {38,
     "0",
     "0",
     {{"Usl", 5}, {"priznsyria", "x"}, {"SkidOv", 3}, {"CenRoz", 7.5}, {"KolF", 3}, {"KolOv", 1}},
     "22,50",
     "7,50"},

    // --- Usl not 0, CenPriobr not 0 ---
    // R(10 x 1.05 x 1.1 x 0.8) = 9.24; Cost = 27.72
    {39, "1", "0", with(kWithVat, {{"Usl", 5}, {"CenO", 10}, {"CenPriobr", 8}, {"KolF", 3}}), "27,72",
     "9,24"},
    // 7.5 x 3 = 22.5
    {40, "0", "0", {{"Usl", 5}, {"CenPriobr", 8}, {"CenRoz", 7.5}, {"KolF", 3}}, "22,50", "7,50"},
    // R(8 x 1.05 x 1.1 x 0.8 = 7.392) = 7.39; Cost = 22.17;
    // shown R(739.2) / 100 = 739.2 / 100 = 7.392
    {41, "1", "1", with(kWithVat, {{"Usl", 5}, {"CenO", 10}, {"CenPriobr", 8}, {"KodGr", 1}, {"KolF", 3}}),
     "22,17", "7,392"},
    // group 99: shown U = 7.39
    {41, "1", "1", with(kWithVat, {{"Usl", 5}, {"CenO", 10}, {"CenPriobr", 8}, {"KodGr", 99}, {"KolF", 3}}),
     "22,17", "7,39"},
    // 7.5 x 3 = 22.5
    {42, "0", "1", {{"Usl", 5}, {"CenPriobr", 8}, {"CenRoz", 7.5}, {"KolF", 3}}, "22,50", "7,50"},
};

class LinePricing : public ::testing::Test {
 protected:
  void SetUp() override { setDecimalSeparator(','); }
  void TearDown() override { useLocaleDecimalSeparator(); }
};

TEST_F(LinePricing, EveryRowGivesItsCostAndPrice) {
  std::set<int> reached;
  for (const auto& c : kRows) {
    SCOPED_TRACE("row " + std::to_string(c.row));
    FakeContext context;
    context.setLine(c.line);
    context.setFlag("Pr_ONds", c.Pr_ONds);
    context.setFlag("Pr_SchCenPriobr", c.Pr_SchCenPriobr);
    context.setObject("Cen4_1", kKept);

    auto price = priceLine(readPricingInput(context));
    ASSERT_TRUE(price);
    EXPECT_EQ(price->row, c.row);
    reached.insert(price->row);

    ScriptRun run(waybillScript());
    run("Memo6_2OnBeforePrint", context);
    run("Cen4_1OnBeforePrint", context);
    EXPECT_EQ(context.text("Memo6_2"), c.cost);
    EXPECT_EQ(context.text("Cen4_1"), c.shown);
  }
  EXPECT_EQ(reached.size(), 42u);
}

// A line that no rule prices keeps the previous line's cost and shows it
// again; its price keeps the template text.
TEST_F(LinePricing, ALineNoRulePricesKeepsThePreviousCost) {
  struct Case {
    const char* what;
    const char* Pr_ONds;
    std::vector<Field> line;
  };
  const Case unpriced[] = {
      {"Usl set, code 7, VAT on top", "1", {{"Usl", 5}, {"CenO", 10}, {"IdPrizLog", 7}, {"KolF", 3}}},
      {"code 7 by markups", "0", {{"CenO", 10}, {"IdPrizLog", 7}, {"KolF", 3}}},
      {"Usl set, code 7 by portions", "0", {{"Usl", 5}, {"PrRazl", "*"}, {"IdPrizLog", 7}, {"KolF", 3}}},
  };
  for (const auto& c : unpriced) {
    SCOPED_TRACE(c.what);
    ScriptRun run(waybillScript());
    FakeContext first;
    // row 3: R(10 x 1.05 x 1.1) = 11.55 x 3 = 34.65
    first.setLine({{"CenO", 10}, {"NalTr", 5}, {"NacOpt", 10}, {"IdPrizLog", 5}, {"KolF", 3}});
    first.setFlag("Pr_ONds", "1");
    run("Memo6_2OnBeforePrint", first);
    ASSERT_EQ(first.text("Memo6_2"), "34,65");

    FakeContext second;
    second.setLine(c.line);
    second.setFlag("Pr_ONds", c.Pr_ONds);
    second.setFlag("Pr_SchCenPriobr", "1");
    second.setObject("Cen4_1", kKept);
    run("Memo6_2OnBeforePrint", second);
    run("Cen4_1OnBeforePrint", second);
    EXPECT_EQ(second.text("Memo6_2"), "34,65");
    EXPECT_EQ(second.text("Cen4_1"), kKept);
  }
}

// A line cost of 214 748.37 or more needs more than 32 bits in Trunc.
TEST_F(LinePricing, LargeCostsStayExact) {
  FakeContext context;
  // row 3: U = R(1000 x 1.05 x 1.1) = 1155; Cost(1155, 1000) = 1 155 000
  context.setLine({{"CenO", 1000}, {"NalTr", 5}, {"NacOpt", 10}, {"IdPrizLog", 5}, {"KolF", 1000}});
  context.setFlag("Pr_ONds", "1");
  ScriptRun run(waybillScript());
  run("Memo6_2OnBeforePrint", context);
  EXPECT_EQ(context.text("Memo6_2"), "1155000,00");
}

// The unrounded product would need all of 10000 U Q; the cost cuts it to
// four decimals before rounding to kopecks.
TEST_F(LinePricing, CostCutsToFourDecimalsBeforeRounding) {
  FakeContext context;
  // row 16: CenRoz 1.11 x KolF 0.12345 = 0.1370295 -> Trunc(1370.295) = 1370 -> 0.137 -> R = 0.14
  context.setLine({{"priznsyria", "1"}, {"CenRoz", 1.11}, {"KolF", 0.12345}});
  ScriptRun run(waybillScript());
  run("Memo6_2OnBeforePrint", context);
  EXPECT_EQ(context.text("Memo6_2"), "0,14");
}

}  // namespace
}  // namespace korvel::report::script
