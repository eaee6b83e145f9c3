// Capitalising the first letter of UTF-8 text.
#include <gtest/gtest.h>

#include "words/proper.h"

namespace korvel::words {
namespace {

TEST(PROPER, FirstLetterAfterBlanks) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""},
      {"   ", "   "},
      {"  один  белорусских рублей", "  Один  белорусских рублей"},
      {"НОЛЬ  белорусских рублей", "НОЛЬ  белорусских рублей"},
      {"  Один", "  Один"},
      {"ёлка", "Ёлка"},
      {"  ўсё", "  Ўсё"},
      {"і", "І"},
      {"abc", "Abc"},
      {"élan", "Élan"},
      {"÷", "÷"},
      {"1abc", "1abc"},
      {"\tабв", "\tабв"},  // only code 32 counts as a blank
      {"минус  пять", "Минус  пять"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(PROPER(text), expected) << text;
}

TEST(PROPER, EveryRussianLetter) {
  const std::string lower = "абвгдеёжзийклмнопрстуфхцчшщъыьэюя";
  const std::string upper = "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ";
  for (std::size_t i = 0; i < lower.size(); i += 2)
    EXPECT_EQ(PROPER(lower.substr(i, 2) + "x"), upper.substr(i, 2) + "x") << lower.substr(i, 2);
}

TEST(PROPER, BrokenUtf8IsLeftAlone) {
  for (const std::string& text : {std::string("\xD0"), std::string("\xD0 a"), std::string("\x80x")})
    EXPECT_EQ(PROPER(text), text);
}

}  // namespace
}  // namespace korvel::words
