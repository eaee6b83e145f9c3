// Whole numbers in words from the word lists (the gross mass).
#include <gtest/gtest.h>

#include <limits>

#include "base/exception.h"
#include "words/quantity_words.h"

namespace korvel::words {
namespace {

struct WordsCase {
  std::int32_t value;
  std::uint8_t gender;
  const char* expected;
};

TEST(NumToWords, BlanksGroupsAndForms) {
  const WordsCase cases[] = {
      {0, 0, "ноль"},
      {1, 0, "   один "},
      {5, 0, "   пять "},
      {11, 0, "   одиннадцать "},
      {12, 0, "   двенадцать "},
      {20, 0, "   двадцать  "},
      {21, 0, "   двадцать один "},
      {100, 0, "   сто  "},
      {111, 0, "   сто одиннадцать "},
      {300, 0, "   триста  "},
      {400, 0, "   четыреста  "},
      {345, 0, "   триста сорок пять "},
      {1000, 0, "  одна тысяча  "},
      {1001, 0, "  одна тысяча один "},
      {1010, 0, "  одна тысяча десять "},
      {2000, 0, "  две тысячи  "},
      {2500, 0, "  две тысячи пятьсот  "},
      {5000, 0, "  пять тысяч  "},
      {11000, 0, "  одиннадцать тысяч  "},
      {21000, 0, "  двадцать одна тысяча  "},
      {200000, 0, "  двести  тысяч  "},
      {1000000, 0, " один миллион   "},
      {2000000, 0, " два миллиона   "},
      {1000000000, 0, "один миллиард    "},
      {2147483647, 0,
       "два миллиарда сто сорок семь миллионов четыреста восемьдесят три тысячи шестьсот сорок семь "},
  };
  for (const WordsCase& c : cases) EXPECT_EQ(NumToWords(c.value, c.gender), c.expected) << c.value;
}

TEST(NumToWords, GenderAppliesToTheUnitsGroupOnly) {
  const WordsCase cases[] = {
      {1, 1, "   одно "},
      {1, 2, "   одна "},
      {2, 2, "   две "},
      {2, 1, "   два "},  // neuter two is "два", as the masculine
      {21, 2, "   двадцать одна "},
      {1001, 1, "  одна тысяча одно "},
      {2002, 2, "  две тысячи две "},
      {1000000, 2, " один миллион   "},
  };
  for (const WordsCase& c : cases)
    EXPECT_EQ(NumToWords(c.value, c.gender), c.expected) << c.value << " gender " << int{c.gender};
}

TEST(NumToWords, NegativeValuesReadMinusBeforeTheirMagnitude) {
  EXPECT_EQ(NumToWords(-5, 0), "минус   пять ");
  EXPECT_EQ(NumToWords(std::numeric_limits<std::int32_t>::min(), 0),
            "минус два миллиарда сто сорок семь миллионов четыреста восемьдесят три тысячи шестьсот сорок "
            "восемь ");
}

TEST(Numerals, HundredsAreSpelledRightAndTensHaveNoOne) {
  const auto& list = Numerals();
  ASSERT_EQ(list.size(), 40u);
  EXPECT_EQ(list[0].Word, "");
  EXPECT_EQ(list[33].Word, "триста");
  EXPECT_EQ(list[34].Word, "четыреста");
  for (const TNumeral& numeral : list) EXPECT_FALSE(numeral.Place == 2 && numeral.Value == 1);
  ASSERT_EQ(Multiplicities().size(), 9u);
  EXPECT_EQ(Multiplicities().back().Word, "миллиард");
}

TEST(IntPow, PowersAndOverflow) {
  const std::tuple<std::int32_t, std::uint8_t, std::int64_t> cases[] = {
      {10, 0, 1},
      {10, 12, 1000000000000},
      {10, 18, 1000000000000000000},
      {-3, 3, -27},
      {0, 0, 1},
      {0, 5, 0},
      {2, 62, std::int64_t{1} << 62},
      {-2, 63, std::numeric_limits<std::int64_t>::min()},
  };
  for (const auto& [base, exponent, expected] : cases) EXPECT_EQ(IntPow(base, exponent), expected);
  EXPECT_THROW(IntPow(2, 63), EConvertError);
  EXPECT_THROW(IntPow(10, 19), EConvertError);
  EXPECT_THROW(IntPow(-2, 64), EConvertError);
}

}  // namespace
}  // namespace korvel::words
