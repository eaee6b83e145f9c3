// RoundToKop, FormatSum and UpdateDecimalSeparator.
#include <gtest/gtest.h>

#include <limits>

#include "separator_guard.h"
#include "words/money_helpers.h"

namespace korvel::words {
namespace {

TEST(RoundToKop, HalvesAwayFromZero) {
  const std::pair<std::int64_t, std::int64_t> cases[] = {
      {23450, 23500},
      {23449, 23400},
      {40, 0},
      {50, 100},
      {150, 200},
      {26750, 26800},
      {0, 0},
      {-23450, -23500},
      {-23449, -23400},
      {-50, -100},
      {-40, 0},
      {std::numeric_limits<std::int64_t>::max(), 9223372036854775800},
      {std::numeric_limits<std::int64_t>::min(), -9223372036854775800},
  };
  for (const auto& [units, rounded] : cases)
    EXPECT_EQ(RoundToKop(Money::fromUnits(units)).units(), rounded) << units;
}

TEST(FormatSum, ThirdDecimalOnlyWhenNotZeroTiesToEven) {
  const std::pair<std::int64_t, const char*> cases[] = {
      {25000, "2.50"},
      {12345, "1.234"},
      {12355, "1.236"},
      {0, "0.00"},
      {105000, "10.50"},
      {26750, "2.675"},
      {5, "0.00"},
      {15, "0.002"},
      {12341, "1.234"},
      {12347, "1.235"},
      {-25000, "-2.50"},
      {-4, "0.00"},
      {12345678910, "1234567.891"},
  };
  for (char separator : test::bothSeparators) {
    test::SeparatorGuard guard(separator);
    for (const auto& [units, expected] : cases)
      EXPECT_EQ(FormatSum(Money::fromUnits(units)), test::withSeparator(expected, separator)) << units;
  }
}

TEST(UpdateDecimalSeparator, MakesTheCurrentSeparatorAndDropsBlanks) {
  const std::tuple<char, const char*, const char*> cases[] = {
      {',', "1 234.5", "1234,5"}, {',', "1 234,5", "1234,5"}, {'.', "1,5", "1.5"},
      {'.', " 12 . 5 ", "12.5"},  {'/', "1.5", "1/5"},        {',', "", ""},
  };
  for (const auto& [separator, text, expected] : cases) {
    test::SeparatorGuard guard(separator);
    EXPECT_EQ(UpdateDecimalSeparator(text), expected) << text;
  }
}

}  // namespace
}  // namespace korvel::words
