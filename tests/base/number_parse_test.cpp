// Text to numbers in the current format.
#include <gtest/gtest.h>

#include "base/exception.h"
#include "separator_guard.h"

namespace korvel {
namespace {

using test::bothSeparators;
using test::withSeparator;

std::string errorOf(auto&& convert) {
  try {
    convert();
  } catch (const EConvertError& e) {
    return e.message();
  }
  return "no error";
}

TEST(StrToFloat, AcceptsTheCurrentSeparator) {
  const std::pair<const char*, double> cases[] = {
      {"12.5", 12.5}, {" 12.5 ", 12.5}, {"-3", -3.0},   {"+3", 3.0},       {".5", 0.5},  {"5.", 5.0},
      {"0", 0.0},     {"1.5E3", 1500},  {"1e-2", 0.01}, {"-2.5e+2", -250}, {"007", 7.0}, {"0.1", 0.1},
  };
  for (char separator : bothSeparators)
    for (const auto& [text, expected] : cases) {
      const std::string localText = withSeparator(text, separator);
      EXPECT_EQ(StrToFloat(localText, separator), expected) << localText;
      test::SeparatorGuard guard(separator);
      EXPECT_EQ(StrToFloat(localText), expected) << localText;
    }
}

TEST(StrToFloat, RoundTripsTheGeneralFormat) {
  for (char separator : bothSeparators)
    for (double value : {2.675, 1.0 / 3.0, 1e20, 1.5e-10, -123456.789})
      EXPECT_EQ(FloatToStr(StrToFloat(FloatToStr(value, separator), separator), separator),
                FloatToStr(value, separator));
}

TEST(StrToFloat, InvalidTextIsQuotedInTheError) {
  for (const char* text : {"", " ", "2x", "1.2.3", "E5", "1e", "--1", "1 000", "1e400", "0x10", "nan"})
    EXPECT_EQ(errorOf([&] { StrToFloat(text, '.'); }),
              "'" + std::string(text) + "' is not a valid floating point value");
  // The other separator is not a separator.
  EXPECT_EQ(errorOf([] { StrToFloat("1.5", ','); }), "'1.5' is not a valid floating point value");
  EXPECT_EQ(errorOf([] { StrToFloat("1,5", '.'); }), "'1,5' is not a valid floating point value");
}

TEST(StrToInt, LeadingBlanksSignAndDigits) {
  const std::pair<const char*, std::int32_t> cases[] = {
      {"3", 3},
      {" 3", 3},
      {"-7", -7},
      {"+7", 7},
      {"007", 7},
      {"0", 0},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(StrToInt(text), expected) << text;
}

TEST(StrToInt, InvalidOrOutOfRangeTextIsQuotedInTheError) {
  for (const char* text : {"", " ", "2x", "3 ", "-", "+", "1.0", "0x10", "1 000", "2147483648", "-2147483649",
                           "99999999999999999999"})
    EXPECT_EQ(errorOf([&] { StrToInt(text); }), "'" + std::string(text) + "' is not a valid integer value");
}

}  // namespace
}  // namespace korvel
