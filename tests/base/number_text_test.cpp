// Numbers to text: general format, digit patterns, display formats.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/exception.h"
#include "separator_guard.h"

namespace korvel {
namespace {

using test::bothSeparators;
using test::withSeparator;

struct FloatCase {
  double value;
  const char* expected;  // with "." as the separator
};

TEST(FloatToStr, GeneralFormatWithEitherSeparator) {
  const FloatCase cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {3.0, "3"},
      {100.0, "100"},
      {12.5, "12.5"},
      {-12.5, "-12.5"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3.0, "0.333333333333333"},
      {2.0 / 3.0, "0.666666666666667"},
      {2.675, "2.675"},
      {123456789012345.0, "123456789012345"},
      {1e14, "100000000000000"},
      {999999999999999.9, "1E15"},  // 15 digits round up to the next power
      {1e15, "1E15"},
      {1.5e20, "1.5E20"},
      {-2.5e20, "-2.5E20"},
      {0.00001, "0.00001"},
      {0.000012345, "0.000012345"},
      {0.000001, "1E-6"},
      {1.5e-10, "1.5E-10"},
  };
  for (char separator : bothSeparators)
    for (const FloatCase& c : cases) {
      EXPECT_EQ(FloatToStr(c.value, separator), withSeparator(c.expected, separator)) << c.value;
      test::SeparatorGuard guard(separator);
      EXPECT_EQ(FloatToStr(c.value), withSeparator(c.expected, separator)) << c.value;
    }
}

TEST(FloatToStr, NonFiniteValues) {
  EXPECT_EQ(FloatToStr(std::numeric_limits<double>::quiet_NaN(), ','), "NAN");
  EXPECT_EQ(FloatToStr(std::numeric_limits<double>::infinity(), ','), "INF");
  EXPECT_EQ(FloatToStr(-std::numeric_limits<double>::infinity(), ','), "-INF");
}

struct PatternCase {
  const char* pattern;
  double value;
  const char* expected;
};

TEST(FormatFloat, PatternsRoundHalfAwayFromZero) {
  const PatternCase cases[] = {
      {"#0.00#", 2.5, "2.50"},
      {"#0.00#", 2.675, "2.675"},
      {"#0.00#", 1.2345, "1.235"},
      {"#0.00#", 1.2344, "1.234"},
      {"#0.00#", 0.0, "0.00"},
      {"#0.00#", -1.5, "-1.50"},
      {"#0.00#", -0.0004, "0.00"},  // rounds to zero: no sign
      {"#0.00#", 1234567.891, "1234567.891"},
      {"0.00", 2.675, "2.68"},  // the decimal 2.675, not its binary neighbour
      {"0.00", 1.005, "1.01"},
      {"0.00", 0.125, "0.13"},
      {"0.00", -0.125, "-0.13"},
      {"0.00", 9.995, "10.00"},
      {"0.00", 1e20, "100000000000000000000.00"},
      {"#0.00", 0.5, "0.50"},
      {"0", 2.5, "3"},
      {"0", -2.5, "-3"},
      {"0", 0.4, "0"},
      {"00", 5.0, "05"},
      {"#.##", 0.5, ".5"},
      {"", 12.5, "12.5"},
  };
  for (char separator : bothSeparators)
    for (const PatternCase& c : cases) {
      EXPECT_EQ(FormatFloat(c.pattern, c.value, separator), withSeparator(c.expected, separator))
          << c.pattern << " " << c.value;
      test::SeparatorGuard guard(separator);
      EXPECT_EQ(FormatFloat(c.pattern, c.value), withSeparator(c.expected, separator));
    }
}

TEST(FormatFloat, UnknownPatternCharactersAreRejected) {
  for (const char* pattern : {"#,##0.00", "0.00 р.", "0.0.0", "0E+00"})
    EXPECT_THROW(FormatFloat(pattern, 1.0, '.'), EConvertError) << pattern;
}

struct DisplayCase {
  const char* pattern;
  double value;
  char separator;
  const char* expected;
};

TEST(FormatDisplay, PrintfStyleFixedFormats) {
  const DisplayCase cases[] = {
      {"%2.2f", 5.0, ',', "5,00"},
      {"%2.2f", 1234.5, '.', "1234.50"},
      {"%2.2f", 2.675, ',', "2,68"},
      {"%2.2f", -0.001, ',', "0,00"},
      {"%2.2f", -3.456, '.', "-3.46"},
      {"%6.2f", 1.5, '.', "  1.50"},
      {"%-6.2f", 1.5, '.', "1.50  "},
      {"%2.0f", 2.5, '.', " 3"},
      {"%.1f", 0.05, ',', "0,1"},
      {"%f", 1.0, '.', "1.000000"},
      {"Итого %2.2f р.", 3.0, ',', "Итого 3,00 р."},
  };
  for (const DisplayCase& c : cases)
    EXPECT_EQ(formatDisplay(c.pattern, c.value, c.separator), c.expected) << c.pattern << " " << c.value;
}

TEST(FormatDisplay, OtherConversionsAreRejected) {
  for (const char* pattern : {"%d", "%2.2", "2.2f", "%2.2e", ""})
    EXPECT_THROW(formatDisplay(pattern, 1.0, ','), EConvertError) << pattern;
}

TEST(DecimalSeparator, OverrideAndItsRemoval) {
  const char fromLocale = decimalSeparator();
  {
    test::SeparatorGuard guard(fromLocale == ',' ? '.' : ',');
    EXPECT_NE(decimalSeparator(), fromLocale);
  }
  EXPECT_EQ(decimalSeparator(), fromLocale);
}

}  // namespace
}  // namespace korvel
