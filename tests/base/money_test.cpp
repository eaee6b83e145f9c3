// Money values: exact rounding from doubles, exact doubles back, general text.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/exception.h"
#include "base/money.h"
#include "separator_guard.h"

namespace korvel {
namespace {

TEST(Money, FromDoubleRoundsTheExactValueTiesToEven) {
  const std::pair<double, std::int64_t> cases[] = {
      {1.25, 12500},
      {0.0, 0},
      {2.675, 26750},
      {1.23445, 12345},    // stored as 1.2344500000000000472...: above the tie
      {10.00005, 100000},  // stored as 10.0000499999999998...: below the tie
      {0.03125, 312},      // exact tie: to the even 312
      {0.09375, 938},      // exact tie: to the even 938
      {-0.03125, -312},
      {-0.09375, -938},
      {0.00004, 0},
      {-0.00004, 0},
      {123456789.12345678, 1234567891235},
      {900000000000000.0, 9000000000000000000},
      {-922337203685477.0, -9223372036854770000},
  };
  for (const auto& [value, units] : cases) EXPECT_EQ(Money::fromDouble(value).units(), units) << value;
}

TEST(Money, FromDoubleRejectsWhatDoesNotFit) {
  for (double value : {1e15, -1e15, 922337203685478.0, std::numeric_limits<double>::infinity(),
                       std::numeric_limits<double>::quiet_NaN()})
    EXPECT_THROW(Money::fromDouble(value), EConvertError) << value;
}

TEST(Money, ToDoubleIsTheNearestDouble) {
  EXPECT_EQ(Money::fromUnits(12345).toDouble(), 1.2345);
  EXPECT_EQ(Money::fromUnits(-26750).toDouble(), -2.675);
  EXPECT_EQ(Money::fromUnits(std::numeric_limits<std::int64_t>::max()).toDouble(), 922337203685477.5807);
  for (double value : {0.1, 2.675, 1234567.8912, -0.0001})
    EXPECT_EQ(Money::fromDouble(Money::fromDouble(value).toDouble()), Money::fromDouble(value));
}

TEST(Money, GeneralFormatWithEitherSeparator) {
  const std::pair<std::int64_t, const char*> cases[] = {
      {12500, "1.25"}, {30000, "3"},     {0, "0"},
      {-1, "-0.0001"}, {105000, "10.5"}, {std::numeric_limits<std::int64_t>::min(), "-922337203685477.5808"},
  };
  for (char separator : test::bothSeparators)
    for (const auto& [units, expected] : cases) {
      EXPECT_EQ(Money::fromUnits(units).toString(separator), test::withSeparator(expected, separator));
      test::SeparatorGuard guard(separator);
      EXPECT_EQ(Money::fromUnits(units).toString(), test::withSeparator(expected, separator));
    }
}

TEST(Money, ArithmeticIsExact) {
  Money sum;
  for (int i = 0; i < 10; ++i) sum = sum + Money::fromDouble(0.1);
  EXPECT_EQ(sum, Money::fromUnits(10000));
  EXPECT_EQ(-(sum - Money::fromDouble(0.25)), Money::fromUnits(-7500));
  EXPECT_LT(Money::fromDouble(-0.0001), Money());
}

}  // namespace
}  // namespace korvel
