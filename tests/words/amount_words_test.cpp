// Money amounts in words: groups, genders, plural forms, blanks, modes.
#include <gtest/gtest.h>

#include <limits>

#include "base/exception.h"
#include "separator_guard.h"
#include "words/amount_words.h"

namespace korvel::words {
namespace {

struct AmountCase {
  std::int64_t units;  // ten-thousandths
  int mode;
  const char* expected;
};

constexpr std::int64_t rubles = 10000;

void expectAll(std::initializer_list<AmountCase> cases) {
  // The words must not depend on the separator the amount is formatted with.
  for (char separator : test::bothSeparators) {
    test::SeparatorGuard guard(separator);
    for (const AmountCase& c : cases)
      EXPECT_EQ(Propis(Money::fromUnits(c.units), c.mode), c.expected) << c.units << " mode " << c.mode;
  }
}

TEST(Propis, CurrencyPhraseAgreesWithTheRubles) {
  expectAll({
      {0, 0, "НОЛЬ  белорусских рублей"},
      {1 * rubles, 0, "  один  белорусский рубль"},
      {2 * rubles, 0, "  два  белорусских рубля"},
      {4 * rubles, 0, "  четыре  белорусских рубля"},
      {5 * rubles, 0, "  пять  белорусских рублей"},
      {11 * rubles, 0, "  одиннадцать  белорусских рублей"},
      {12 * rubles, 0, "  двенадцать  белорусских рублей"},
      {14 * rubles, 0, "  четырнадцать  белорусских рублей"},
      {21 * rubles, 0, "  двадцать один  белорусский рубль"},
      {22 * rubles, 0, "  двадцать два  белорусских рубля"},
      {111 * rubles, 0, "  сто одиннадцать  белорусских рублей"},
      {1000 * rubles, 0, "  одна тысяча  белорусских рублей"},
      {1001 * rubles, 0, "  одна тысяча один  белорусский рубль"},
      {1000000000 * rubles, 0, " один миллиард  белорусских рублей"},
      {9950, 0, "  один  белорусский рубль"},  // 0.995 rounds to 1.00
      {15 * rubles + 9900, 0, "  пятнадцать  белорусских рублей"},
  });
}

TEST(Propis, KopecksRoundHalfAwayFromZero) {
  expectAll({
      {5000, 1, "НОЛЬ ЗПТ 50"},
      {50, 1, "НОЛЬ ЗПТ 01"},
      {40, 1, "НОЛЬ ЗПТ 00"},
      {150, 1, "НОЛЬ ЗПТ 02"},
      {26750, 1, "  два ЗПТ 68"},
      {23450, 1, "  два ЗПТ 35"},
      {12345678900, 1, "  один миллион двести тридцать четыре тысячи пятьсот шестьдесят семь ЗПТ 89"},
  });
}

TEST(Propis, KopecksOfAmountsReadFromDoubles) {
  // 2.675 and 0.015 are stored just below the half; as money values they are
  // the decimal amounts, whose kopecks round up.
  const std::pair<double, const char*> cases[] = {
      {2.675, "  два ЗПТ 68"},
      {0.015, "НОЛЬ ЗПТ 02"},
      {0.005, "НОЛЬ ЗПТ 01"},
      {1234.995, "  одна тысяча двести тридцать пять ЗПТ 00"},
  };
  for (const auto& [value, expected] : cases)
    EXPECT_EQ(Propis(Money::fromDouble(value), 1), expected) << value;
}

TEST(Propis, GroupsGendersAndPluralForms) {
  expectAll({
      {12 * rubles, 2, "  двенадцать"},
      {101 * rubles, 2, "  сто один"},
      {110 * rubles, 2, "  сто десять"},
      {300 * rubles, 2, "  триста"},
      {400 * rubles, 2, "  четыреста"},
      {2000 * rubles, 2, "  две тысячи"},
      {5000 * rubles, 2, "  пять тысяч"},
      {11000 * rubles, 2, "  одиннадцать тысяч"},
      {21000 * rubles, 2, "  двадцать одна тысяча"},
      {111000 * rubles, 2, "  сто одиннадцать тысяч"},
      {112000 * rubles, 2, "  сто двенадцать тысяч"},
      {1000000 * rubles, 2, "  один миллион"},
      {2000000 * rubles, 2, "  два миллиона"},
      {30000000 * rubles, 2, "  тридцать миллионов"},
      {111000000 * rubles, 2, "  сто одиннадцать миллионов"},
      {112000000 * rubles, 2, "  сто двенадцать миллионов"},
      {121000000 * rubles, 2, "  сто двадцать один миллион"},
      {2000000000 * rubles, 7, " два миллиарда"},
      {9999999999999900, 2,
       " девятьсот девяносто девять миллиардов девятьсот девяносто девять миллионов девятьсот девяносто "
       "девять тысяч девятьсот девяносто девять"},
  });
}

TEST(Propis, TrillionsUpToTheLargestMoneyValue) {
  constexpr std::int64_t trillion = 1000000000000 * rubles;
  expectAll({
      {trillion, 0, " один триллион  белорусских рублей"},
      {trillion + 1 * rubles, 0, " один триллион один  белорусский рубль"},
      {2 * trillion + 5000000 * rubles, 2, " два триллиона пять миллионов"},
      {5 * trillion + 3000000000 * rubles, 2, " пять триллионов три миллиарда"},
      {std::numeric_limits<std::int64_t>::max(), 1,
       " девятьсот двадцать два триллиона триста тридцать семь миллиардов двести три миллиона шестьсот "
       "восемьдесят пять тысяч четыреста семьдесят семь ЗПТ 58"},
  });
}

TEST(Propis, NegativeAmountsReadMinusBeforeTheirMagnitude) {
  expectAll({
      {-5 * rubles, 0, "минус  пять  белорусских рублей"},
      {-1 * rubles, 0, "минус  один  белорусский рубль"},
      {-1000000000 * rubles, 2, "минус один миллиард"},
      {-5000, 1, "минус НОЛЬ ЗПТ 50"},
      {-40, 1, "НОЛЬ ЗПТ 00"},  // rounds to zero: no sign
      {std::numeric_limits<std::int64_t>::min(), 1,
       "минус девятьсот двадцать два триллиона триста тридцать семь миллиардов двести три миллиона "
       "шестьсот восемьдесят пять тысяч четыреста семьдесят семь ЗПТ 58"},
  });
}

TEST(Num, OneGroupWithItsPowerWord) {
  const std::tuple<const char*, int, const char*> cases[] = {
      {"001", 0, " один"},
      {"100", 0, " сто"},
      {"010", 0, " десять"},
      {"019", 0, " девятнадцать"},
      {"999", 0, " девятьсот девяносто девять"},
      {"001", 2, " одна тысяча"},
      {"002", 2, " две тысячи"},
      {"005", 2, " пять тысяч"},
      {"011", 2, " одиннадцать тысяч"},
      {"012", 2, " двенадцать тысяч"},
      {"001", 1, " один миллион"},
      {"021", 1, " двадцать один миллион"},
      {"012", 1, " двенадцать миллионов"},
      {"003", 3, " три миллиарда"},
      {"000", 1, " миллионов"},
  };
  for (const auto& [group, order, expected] : cases) EXPECT_EQ(Num(group, order), expected) << group;
}

TEST(Num, AGroupThatIsNotThreeDigitsIsAConversionError) {
  for (const char* group : {"", "12", "1234", "-12", "1a2", " 12"}) {
    try {
      Num(group, 0);
      ADD_FAILURE() << group;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.message(), "'" + std::string(group) + "' is not a valid integer value");
    }
  }
}

}  // namespace
}  // namespace korvel::words
