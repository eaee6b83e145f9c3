// The word lists and the whole-number speller.
#include "words/quantity_words.h"

#include <limits>

#include "base/exception.h"

namespace korvel::words {
namespace {

constexpr std::uint8_t masculine = 0;
constexpr std::uint8_t neuter = 1;
constexpr std::uint8_t feminine = 2;

std::vector<TNumeral> buildNumerals() {
  std::vector<TNumeral> list{{1, 0, "", masculine},    {1, 1, "один", masculine}, {1, 1, "одно", neuter},
                             {1, 1, "одна", feminine}, {1, 2, "два", masculine},  {1, 2, "две", feminine}};
  std::uint8_t value = 3;
  for (const char* word : {"три", "четыре", "пять", "шесть", "семь", "восемь", "девять"})
    list.emplace_back(1, value++, word, masculine);
  value = 10;
  for (const char* word : {"десять", "одиннадцать", "двенадцать", "тринадцать", "четырнадцать", "пятнадцать",
                           "шестнадцать", "семнадцать", "восемнадцать", "девятнадцать"})
    list.emplace_back(2, value++, word, masculine);
  // No tens word for 1: a tens digit of 1 is read together with the units.
  value = 2;
  for (const char* word :
       {"двадцать", "тридцать", "сорок", "пятьдесят", "шестьдесят", "семьдесят", "восемьдесят", "девяносто"})
    list.emplace_back(2, value++, word, masculine);
  value = 1;
  for (const char* word :
       {"сто", "двести", "триста", "четыреста", "пятьсот", "шестьсот", "семьсот", "восемьсот", "девятьсот"})
    list.emplace_back(3, value++, word, masculine);
  return list;
}

std::vector<TMultiplicity> buildMultiplicities() {
  return {{1, 3, "тысяч"},      {1, 2, "тысячи"},    {1, 1, "тысяча"},
          {2, 3, "миллионов"},  {2, 2, "миллиона"},  {2, 1, "миллион"},
          {3, 3, "миллиардов"}, {3, 2, "миллиарда"}, {3, 1, "миллиард"}};
}

// The word for c at place P: the entry of the asked gender, else the first
// (masculine) entry for c at that place; none when the place has no word.
const TNumeral* findNumeral(std::int64_t c, int P, std::uint8_t gender) {
  const TNumeral* candidate = nullptr;
  for (const TNumeral& numeral : Numerals()) {
    if (numeral.Value != c || numeral.Place != P) continue;
    if (numeral.Gender == gender) return &numeral;
    if (candidate == nullptr) candidate = &numeral;
  }
  return candidate;
}

std::uint8_t formAfter(std::int64_t lastC) {
  if (lastC == 1) return 1;
  if (lastC >= 2 && lastC <= 4) return 2;
  return 3;
}

// The algorithm proper, for values from 1 to 999 999 999 999.
std::string spell(std::int64_t value, std::uint8_t Gender) {
  std::string result;
  for (int G = 0; G <= 3; ++G) {
    std::string groupText;
    bool hasDigits = false;
    int P = 3;  // the place sought
    std::int64_t lastC = 0;
    for (int D = 2; D >= 0; --D) {
      const std::int64_t c = value % IntPow(10, static_cast<std::uint8_t>(P + 3 * G)) /
                             IntPow(10, static_cast<std::uint8_t>(D + 3 * G));
      if (D == 0) lastC = c;
      if (c == 0) {
        --P;
        continue;
      }
      hasDigits = true;
      const std::uint8_t gender = G == 0 ? Gender : G == 1 ? feminine : masculine;
      if (const TNumeral* numeral = findNumeral(c, P, gender)) {
        groupText += numeral->Word;
        if (D != 0) groupText += ' ';
        --P;
      }
    }
    if (hasDigits) {
      const std::uint8_t form = formAfter(lastC);
      for (const TMultiplicity& multiplicity : Multiplicities())
        if (multiplicity.Power == G && multiplicity.Form == form) groupText += ' ' + multiplicity.Word;
    }
    result = groupText + ' ' + result;
  }
  return result;
}

}  // namespace

const std::vector<TNumeral>& Numerals() {
  static const std::vector<TNumeral> list = buildNumerals();
  return list;
}

const std::vector<TMultiplicity>& Multiplicities() {
  static const std::vector<TMultiplicity> list = buildMultiplicities();
  return list;
}

std::int64_t IntPow(std::int32_t base, std::uint8_t exponent) {
  const std::uint64_t baseMagnitude =
      base < 0 ? 0 - static_cast<std::uint64_t>(base) : static_cast<std::uint64_t>(base);
  const bool negative = base < 0 && exponent % 2 == 1;
  const std::uint64_t limit = std::uint64_t{1} << 63;  // |INT64_MIN|
  std::uint64_t magnitude = 1;
  for (int i = 0; i < exponent; ++i) {
    if (baseMagnitude != 0 && magnitude > limit / baseMagnitude)
      throw EConvertError(std::to_string(base) + "^" + std::to_string(exponent) + " does not fit 64 bits");
    magnitude *= baseMagnitude;
  }
  if (magnitude > limit - (negative ? 0 : 1))
    throw EConvertError(std::to_string(base) + "^" + std::to_string(exponent) + " does not fit 64 bits");
  return negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
}

std::string NumToWords(std::int32_t Value, std::uint8_t Gender) {
  if (Value == 0) return "ноль";
  if (Value < 0) {
    // No word matches a negative remainder: the magnitude is spelled instead.
    const std::string words = spell(-static_cast<std::int64_t>(Value), Gender);
    return (words.front() == ' ' ? "минус" : "минус ") + words;
  }
  return spell(Value, Gender);
}

}  // namespace korvel::words
