// The waybill script's money functions: Rounding, TruncRounding, kopeiki.
#include "report/script/waybill_functions.h"

#include <gtest/gtest.h>

#include "base/number_text.h"

namespace korvel::report::script {
namespace {

class WaybillFunctions : public ::testing::Test {
 protected:
  void SetUp() override { setDecimalSeparator(','); }
  void TearDown() override { useLocaleDecimalSeparator(); }
};

TEST_F(WaybillFunctions, RoundingRoundsUpFromFortyNineHundredthsOfAKopeck) {
  struct Case {
    double value, expected;
  };
  const Case cases[] = {
      {1.2349, 1.24},  // 123.49 + 0.51 = 124.00
      {1.2348, 1.23},  // 123.48 + 0.51 = 123.99
      {1.005, 1.01},
      {0.0049, 0.01},
      {0.0048, 0},
      {-1.2349, -1.23},  // below 0: - 0.5, so no early rounding
      {-1.235, -1.24},
      {-1.005, -1},  // the double nearest -1.005 lies just above it
      {0, 0},
      {21474836.48, 21474836.48},  // 100 times it is 2^31
      {123456789012.345, 123456789012.35},
      {-30000000.004, -30000000},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(Rounding(c.value), c.expected) << c.value;
}

TEST_F(WaybillFunctions, TruncRoundingCutsToTwoDecimalsWithEitherSeparator) {
  struct Case {
    double value, expected;
  };
  const Case cases[] = {
      {1.239, 1.23},
      {-1.239, -1.23},
      {2.5, 2.5},
      {3, 3},
      {11.6655, 11.66},
      {0.999, 0.99},
      {21474836.489, 21474836.48},
      {1.5e-10, 0},  // exponent form: nothing at the hundredths
      {1.23456789e20, 1.23456789e20},
  };
  for (char separator : {',', '.'}) {
    setDecimalSeparator(separator);
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(TruncRounding(c.value), c.expected) << c.value << separator;
  }
}

TEST_F(WaybillFunctions, KopeikiShowsAThirdDecimalOnlyWhenItIsNotZero) {
  struct Case {
    double value;
    const char* expected;
  };
  const Case cases[] = {
      {2.5, "2,50"}, {3, "3,00"},   {1.231, "1,231"},   {1.2304, "1,23"},
      {0, "0,00"},   {0.5, "0,50"}, {-7.392, "-7,392"}, {2147483648.12, "2147483648,12"},
  };
  for (const auto& c : cases) EXPECT_EQ(kopeiki(c.value), c.expected) << c.value;
  setDecimalSeparator('.');
  EXPECT_EQ(kopeiki(1.231), "1.231");
}

}  // namespace
}  // namespace korvel::report::script
