// Value with VAT per line and the sheet totals of the specification page,
// with the handlers called in the order the line band and the sheet footer
// print their objects.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_context.h"
#include "report/script/waybill_script.h"

namespace korvel::report::script {
namespace {

using testing::FakeContext;
using testing::Field;
using testing::ScriptRun;

// Line VAT as `Memo93` shows it ("%2.2f" with a point, zero hidden).
struct LineVat {
  const char* text;
  double value;
};

class SheetTotals : public ::testing::Test {
 protected:
  void SetUp() override { setDecimalSeparator(','); }
  void TearDown() override { useLocaleDecimalSeparator(); }

  ScriptRun run{waybillScript()};
  const char* Pr_ONds = "1";
  double SumBns = 0, SumNdsBonus = 0;

  // One line through the band's handlers; returns the text of Memo94.
  std::string printLine(const std::vector<Field>& line, LineVat vat) {
    FakeContext context = make();
    context.setLine(line);
    context.setObject("Memo93", vat.text, Value::floating(vat.value));
    for (const char* handler : {"Memo59", "Memo89", "Memo6_2", "Memo94", "Memo100", "Memo6_4", "Memo336",
                                "SumNalTr", "Cen4_1", "Cen4_2", "Prim1", "Memo33", "Memo34"})
      run(std::string(handler) + "OnBeforePrint", context);
    run("Memo93OnAfterPrint", context);
    run("Memo94OnAfterPrint", context);
    return context.text("Memo94");
  }

  struct Footer {
    std::string Sum6, SumSumNDS, SumVsSNds;
  };
  Footer printFooter() {
    FakeContext context = make();
    for (const char* object : {"Sum6", "SumSumNDS", "SumVsSNds"})
      run(std::string(object) + "OnBeforePrint", context);
    Footer footer{context.text("Sum6"), context.text("SumSumNDS"), context.text("SumVsSNds")};
    for (const char* object : {"Sum6", "SumSumNDS", "SumVsSNds"})
      run(std::string(object) + "OnAfterPrint", context);
    return footer;
  }

 private:
  FakeContext make() const {
    FakeContext context;
    context.setFlag("Pr_ONds", Pr_ONds);
    context.setHeader("SumBns", SumBns);
    context.setHeader("SumNdsBonus", SumNdsBonus);
    return context;
  }
};

// Row 3: R(10 x 1.05 x 1.1) = 11.55 x 3 = 34.65, VAT rate 20.
const std::vector<Field> kKind5 = {{"CenO", 10}, {"NalTr", 5},     {"NacOpt", 10},
                                   {"NDS", 20},  {"IdPrizLog", 5}, {"KolF", 3}};
// Row 6: R(10 x 0.8 x 1.1 x 1.05) = 9.24 x 3 = 27.72.
std::vector<Field> kind6(double PrLogBKS, double NDS = 20) {
  return {{"CenO", 10}, {"NalTr", 5}, {"NacOpt", 10},   {"SkidPokup", 20},
          {"NDS", NDS}, {"KolF", 3},  {"IdPrizLog", 6}, {"PrLogBKS", PrLogBKS}};
}

TEST_F(SheetTotals, EachSheetSumsItsOwnLinesAndAddsTheBonusAgain) {
  SumBns = 1;
  SumNdsBonus = 0.2;
  // code 5: StINDS = 34.65 + 6.93 = 41.58; VNds and VNdsS take 6.93 (whole rate)
  EXPECT_EQ(printLine(kKind5, {"6.93", 6.93}), "41,58");
  // code 6 without PrLogBKS: StINDS = COST = 27.72; VNds takes 5.54, VNdsS not
  EXPECT_EQ(printLine(kind6(0), {"5.54", 5.54}), "27,72");
  Footer first = printFooter();
  EXPECT_EQ(first.SumSumNDS, "12,67");  // 6.93 + 5.54 + 0.2
  EXPECT_EQ(first.SumVsSNds, "70,30");  // 41.58 + 27.72 + 1
  EXPECT_EQ(first.Sum6, "63,37");       // (69.30 - 6.93) + 1

  // second sheet: sums start again from 0, the bonus is added again
  EXPECT_EQ(printLine(kKind5, {"", 0}), "34,65");
  Footer second = printFooter();
  EXPECT_EQ(second.SumSumNDS, "0,20");
  EXPECT_EQ(second.SumVsSNds, "35,65");
  EXPECT_EQ(second.Sum6, "35,65");
}

TEST_F(SheetTotals, WithoutVatOnTopTheSheetTotalIgnoresTheVatPart) {
  Pr_ONds = "0";
  SumBns = 1;
  // CenRoz 10 and 5.5 by one: StINDS = COST = 10 and 5.5
  EXPECT_EQ(printLine({{"priznsyria", "1"}, {"CenRoz", 10}, {"KolF", 1}, {"PrLogBKS", 1}}, {"2.00", 2}),
            "10,00");
  EXPECT_EQ(printLine({{"priznsyria", "1"}, {"CenRoz", 5.5}, {"KolF", 1}}, {"", 0}), "5,50");
  Footer footer = printFooter();
  EXPECT_EQ(footer.SumVsSNds, "16,50");  // 10 + 5.5 + 1
  EXPECT_EQ(footer.Sum6, "16,50");       // VNdsS (2) is not taken out
  EXPECT_EQ(footer.SumSumNDS, "2,00");
}

TEST_F(SheetTotals, VatPartTakenOutOfTheSheetTotal) {
  // code 6 with PrLogBKS 1: StINDS = 27.72 + 5.54 = 33.26 and VNdsS takes 5.54
  EXPECT_EQ(printLine(kind6(1), {"5.54", 5.54}), "33,26");
  // code 6, PrLogBKS 2: StINDS = COST; VNdsS untouched
  EXPECT_EQ(printLine(kind6(2), {"5.54", 5.54}), "27,72");
  // code 5 with a fractional rate (20.5): VNdsS untouched, StINDS = 34.65 + 7.1
  std::vector<Field> fractional = kKind5;
  fractional.push_back({"NDS", 20.5});
  EXPECT_EQ(printLine(fractional, {"7.10", 7.1}), "41,75");
  Footer footer = printFooter();
  EXPECT_EQ(footer.SumSumNDS, "18,18");   // 5.54 + 5.54 + 7.1
  EXPECT_EQ(footer.SumVsSNds, "102,73");  // 33.26 + 27.72 + 41.75
  EXPECT_EQ(footer.Sum6, "97,19");        // 102.73 - 5.54
}

TEST_F(SheetTotals, ALineOfAnotherCodeKeepsThePreviousValueWithVat) {
  EXPECT_EQ(printLine(kKind5, {"6.93", 6.93}), "41,58");
  // code 7: COST by row 6 (27.72), StINDS not assigned: 41.58 again
  std::vector<Field> other = kind6(0);
  other.push_back({"IdPrizLog", 7});
  EXPECT_EQ(printLine(other, {"5.54", 5.54}), "41,58");
  EXPECT_EQ(printFooter().SumVsSNds, "83,16");
}

}  // namespace
}  // namespace korvel::report::script
