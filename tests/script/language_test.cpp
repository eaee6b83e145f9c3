// Script-language functions: 64-bit whole numbers and the text helpers.
#include "report/script/language.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "base/exception.h"

namespace korvel::report::script {
namespace {

TEST(ScriptTrunc, DropsTheFractionTowardZeroInSixtyFourBits) {
  struct Case {
    double x;
    std::int64_t expected;
  };
  const Case cases[] = {
      {2.9, 2},
      {-2.9, -2},
      {0.0, 0},
      {2147483648.0, 2147483648LL},  // 2^31: a 32-bit whole number wraps here
      {21474836.48 * 100, 2147483648LL},
      {-2147483649.5, -2147483649LL},
      {4294967296.75, 4294967296LL},             // 2^32: the low 32 bits would read 0
      {9007199254740993.0, 9007199254740992LL},  // beyond 2^53: the double itself
      {-9223372036854775808.0, std::numeric_limits<std::int64_t>::min()},
  };
  for (const auto& c : cases) EXPECT_EQ(Trunc(c.x), c.expected) << c.x;
}

TEST(ScriptRound, GoesToTheNearestWholeNumberWithTiesToEven) {
  struct Case {
    double x;
    std::int64_t expected;
  };
  const Case cases[] = {
      {0.5, 0},
      {1.5, 2},
      {2.5, 2},
      {-0.5, 0},
      {-1.5, -2},
      {-2.5, -2},
      {2.4999, 2},
      {2.5001, 3},
      {-2.6, -3},
      {0.0, 0},
      {2147483648.5, 2147483648LL},  // tie, even below
      {2147483649.5, 2147483650LL},  // tie, even above
      {-3000000000.7, -3000000001LL},
  };
  for (const auto& c : cases) EXPECT_EQ(Round(c.x), c.expected) << c.x;
}

TEST(ScriptTruncRound, OutOfRangeIsAClearError) {
  for (double x : {9223372036854775808.0, -1e19, std::numeric_limits<double>::infinity(),
                   std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_THROW(Trunc(x), EReportError) << x;
    EXPECT_THROW(Round(x), EReportError) << x;
  }
}

TEST(ScriptInt, KeepsTheWholePartAsAFloatingValue) {
  EXPECT_EQ(Int(20.0), 20.0);
  EXPECT_EQ(Int(9.5), 9.0);
  EXPECT_EQ(Int(-9.5), -9.0);
  EXPECT_EQ(Int(1e300), 1e300);
}

TEST(ScriptText, PosDeleteTrim) {
  EXPECT_EQ(Pos(",", "12,345"), 3);
  EXPECT_EQ(Pos(".", "12,345"), 0);
  EXPECT_EQ(Pos("", "abc"), 0);
  EXPECT_EQ(Pos("bc", "abcbc"), 2);

  struct Case {
    const char* text;
    int index, count;
    const char* expected;
  };
  const Case deletes[] = {
      {"1,2345", 5, 6, "1,23"},  // count past the end stops there
      {"1,2", 5, 1, "1,2"},      // index past the end removes nothing
      {"abc", 0, 2, "abc"},      // index before the start removes nothing
      {"abc", 1, 0, "abc"},     {"abc", 3, 1, "ab"},
  };
  for (const auto& d : deletes) {
    std::string text = d.text;
    Delete(text, d.index, d.count);
    EXPECT_EQ(text, d.expected) << d.text << " " << d.index << " " << d.count;
  }

  EXPECT_EQ(Trim("  2.00 \r\n"), "2.00");
  EXPECT_EQ(Trim("\t \r\n"), "");
  EXPECT_EQ(Trim("физ. вес "), "физ. вес");
}

}  // namespace
}  // namespace korvel::report::script
