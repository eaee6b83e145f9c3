// Money amounts in words. The word table is this speller's own; the mass
// speller (quantity_words) has its own lists with other blanks.
#include "words/amount_words.h"

#include <cstdint>

#include "base/exception.h"

namespace korvel::words {
namespace {

// Rows are digits 1 to 9 (index 0 unused).
constexpr const char* hundreds[] = {"",         " сто",      " двести",  " триста",    " четыреста",
                                    " пятьсот", " шестьсот", " семьсот", " восемьсот", " девятьсот"};
constexpr const char* tens[] = {"",           " десять",     " двадцать",  " тридцать",    " сорок",
                                " пятьдесят", " шестьдесят", " семьдесят", " восемьдесят", " девяносто"};
constexpr const char* tenPlus[] = {"",
                                   " одиннадцать",
                                   " двенадцать",
                                   " тринадцать",
                                   " четырнадцать",
                                   " пятнадцать",
                                   " шестнадцать",
                                   " семнадцать",
                                   " восемнадцать",
                                   " девятнадцать"};
constexpr const char* unitsMasculine[] = {"",      " один",  " два",  " три",    " четыре",
                                          " пять", " шесть", " семь", " восемь", " девять"};
constexpr const char* unitsFeminine[] = {"",      " одна",  " две",  " три",    " четыре",
                                         " пять", " шесть", " семь", " восемь", " девять"};

constexpr int unitsOrder = 0;
constexpr int millionsOrder = 1;
constexpr int thousandsOrder = 2;
constexpr int billionsOrder = 3;
constexpr int trillionsOrder = 4;

std::string threeDigits(std::uint64_t group) {
  return {static_cast<char>('0' + group / 100), static_cast<char>('0' + group / 10 % 10),
          static_cast<char>('0' + group % 10)};
}

std::string currencyPhrase(std::uint64_t rubles) {
  const std::uint64_t lastTwo = rubles % 100;
  const std::uint64_t last = rubles % 10;
  if (lastTwo >= 11 && lastTwo <= 14) return "  белорусских рублей";
  if (last == 1) return "  белорусский рубль";
  if (last >= 2 && last <= 4) return "  белорусских рубля";
  return "  белорусских рублей";
}

}  // namespace

std::string Num(std::string_view group, int Order) {
  if (group.size() != 3 || group.find_first_not_of("0123456789") != std::string_view::npos)
    throw EConvertError("'" + std::string(group) + "' is not a valid integer value");
  const int h = group[0] - '0';
  const int t = group[1] - '0';
  const int u = group[2] - '0';
  const auto& units = Order == thousandsOrder ? unitsFeminine : unitsMasculine;

  std::string words;
  if (h > 0) words += hundreds[h];
  if (t >= 2 || (t == 1 && u == 0)) {
    words += tens[t];
    if (u > 0) words += units[u];
  }
  if (t == 1 && u > 0) words += tenPlus[u];
  if (t == 0 && u > 0) words += units[u];

  const bool many = t == 1 || u == 0 || u >= 5;
  const bool few = !many && u >= 2;  // 2 to 4, not 12 to 14
  switch (Order) {
    case millionsOrder:
    case billionsOrder:
    case trillionsOrder:
      words += Order == millionsOrder ? " миллион" : Order == billionsOrder ? " миллиард" : " триллион";
      if (many)
        words += "ов";
      else if (few)
        words += "а";
      break;
    case thousandsOrder:
      words += " тысяч";
      if (t != 1 && u == 1)
        words += "а";
      else if (few)
        words += "и";
      break;
    default:
      break;
  }
  return words;
}

std::string Propis(Money amount, int Mode) {
  const std::int64_t units = amount.units();
  const std::uint64_t magnitude =
      units < 0 ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
  // Ten-thousandths to kopecks, halves away from zero.
  const std::uint64_t kopecks = (magnitude + 50) / 100;
  const std::uint64_t rubles = kopecks / 100;
  const bool negative = units < 0 && kopecks > 0;

  constexpr std::uint64_t thousand = 1000;
  const std::uint64_t trillions = rubles / (thousand * thousand * thousand * thousand);
  const std::uint64_t billions = rubles / (thousand * thousand * thousand) % thousand;
  const std::uint64_t millions = rubles / (thousand * thousand) % thousand;
  const std::uint64_t thousands = rubles / thousand % thousand;
  const std::uint64_t ones = rubles % thousand;

  // The starting blank gives amounts below one billion their second leading
  // blank; the highest group from billions on replaces it.
  std::string words = " ";
  if (trillions > 0) words = Num(threeDigits(trillions), trillionsOrder);
  if (billions > 0) words = (trillions > 0 ? words : "") + Num(threeDigits(billions), billionsOrder);
  if (millions > 0) words += Num(threeDigits(millions), millionsOrder);
  if (thousands > 0) words += Num(threeDigits(thousands), thousandsOrder);
  if (ones > 0) words += Num(threeDigits(ones), unitsOrder);
  if (words.size() == 1) words = "НОЛЬ";
  if (negative) words = (words.front() == ' ' ? "минус" : "минус ") + words;

  switch (Mode) {
    case 0:
      return words + currencyPhrase(rubles);
    case 1:
      return words + " ЗПТ " + threeDigits(kopecks % 100).substr(1);
    default:
      return words;
  }
}

}  // namespace korvel::words
