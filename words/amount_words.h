// Money amounts in Russian words: whole Belarusian rubles spelled in groups
// of three digits, then the currency phrase or the kopeck digits.
#pragma once

#include <string>
#include <string_view>

#include "base/money.h"

namespace korvel::words {

// The amount rounded to kopecks (halves away from zero); its whole rubles in
// words. Every word begins with a blank, and the words start with one more
// blank below one billion ("  один"), none more from one billion on
// (" один миллиард"); a whole part of zero reads "НОЛЬ".
//   Mode 0: the words and the currency phrase agreeing with the rubles:
//           "  белорусский рубль", "  белорусских рубля", "  белорусских рублей".
//   Mode 1: the words, " ЗПТ " and the two kopeck digits.
//   Other:  the words alone.
// Amounts of one trillion and more go on with trillions (" один триллион
// ..."), the largest money value included. A negative amount that does not
// round to zero reads "минус" before the words of its magnitude
// ("минус  пять", "минус один миллиард", "минус НОЛЬ ЗПТ 50").
std::string Propis(Money amount, int Mode);

// One group of exactly three digits ("007") in words with its power word:
// Order 0 units, 2 thousands (feminine "одна", "две"), 1 millions,
// 3 billions, 4 trillions. Other text raises EConvertError.
std::string Num(std::string_view group, int Order);

}  // namespace korvel::words
