// Whole numbers in Russian words from two word lists: digit words by place,
// value and gender, and the power words of thousands, millions and billions.
// Used for the gross mass of a load (kilograms and grams).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace korvel::words {

// One digit word.
struct TNumeral {
  TNumeral(std::uint8_t Place, std::uint8_t Value, std::string Word, std::uint8_t Gender)
      : Place(Place), Value(Value), Gender(Gender), Word(std::move(Word)) {}

  std::uint8_t Place;   // 1 units, 2 tens (and 10 to 19), 3 hundreds
  std::uint8_t Value;   // the number spelled at that place
  std::uint8_t Gender;  // 0 masculine, 1 neuter, 2 feminine
  std::string Word;     // without blanks
};

// One power word.
struct TMultiplicity {
  TMultiplicity(std::uint8_t Power, std::uint8_t Form, std::string Word)
      : Power(Power), Form(Form), Word(std::move(Word)) {}

  std::uint8_t Power;  // 1 thousands, 2 millions, 3 billions
  std::uint8_t Form;   // 1 after one, 2 after two to four, 3 otherwise
  std::string Word;    // without blanks
};

// The lists, in look-up order: built once, never changed.
const std::vector<TNumeral>& Numerals();
const std::vector<TMultiplicity>& Multiplicities();

// base raised to exponent (exponent 0 gives 1). A result beyond 64 bits
// raises EConvertError.
std::int64_t IntPow(std::int32_t base, std::uint8_t exponent);

// Value in words, lower case: every word read at a hundreds or tens place is
// followed by a blank, every group of three digits (also an empty one) adds
// one blank, so 1 gives "   один " and 20 "   двадцать  "; 0 gives "ноль".
// Gender (0 masculine, 1 neuter, 2 feminine) applies to the units group;
// thousands are feminine, millions and billions masculine. A digit without a
// word of the asked gender takes the masculine word. A negative Value reads
// "минус" before the words of its magnitude ("минус   пять ").
std::string NumToWords(std::int32_t Value, std::uint8_t Gender);

}  // namespace korvel::words
