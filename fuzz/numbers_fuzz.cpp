// Fuzz target: numbers as text and in words over arbitrary numbers and
// texts: formatting and parsing, money values, amounts, groups, whole
// numbers in words and the money helpers.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/exception.h"
#include "base/money.h"
#include "base/number_text.h"
#include "fuzz/fuzz_input.h"
#include "words/amount_words.h"
#include "words/money_helpers.h"
#include "words/proper.h"
#include "words/quantity_words.h"

namespace {

template <typename Call>
void quietly(Call call) {
  try {
    call();
  } catch (const korvel::Exception&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace korvel;
  fuzz::FuzzInput input(data, size);
  const char separator = input.take<std::uint8_t>() % 2 ? ',' : '.';
  const double number = input.take<double>();
  const auto whole = input.take<std::int32_t>();
  const auto units = input.take<std::int64_t>();
  const auto mode = input.take<std::int8_t>();
  const auto small = input.take<std::uint8_t>();
  const std::string_view pattern = input.takeText();
  const std::string_view text = input.rest();

  setDecimalSeparator(separator);
  FloatToStr(number);
  FloatToStr(number, separator);
  quietly([&] { FormatFloat(pattern, number); });
  quietly([&] { formatDisplay(pattern, number, separator); });
  quietly([&] { StrToFloat(text); });
  quietly([&] { StrToInt(text); });
  if (StrToInt(std::to_string(whole)) != whole) std::abort();

  const Money money = Money::fromUnits(units);
  money.toString();
  money.toDouble();
  quietly([&] { Money::fromDouble(number).toString(separator); });
  quietly([&] { words::Propis(money, mode); });
  quietly([&] { words::Propis(Money::fromDouble(number), mode); });
  quietly([&] { words::Num(text, small % 6); });
  quietly([&] { words::Num(pattern, mode); });
  quietly([&] { words::RoundToKop(money); });
  quietly([&] { words::FormatSum(money); });
  words::UpdateDecimalSeparator(text);
  words::PROPER(text);
  quietly([&] { words::NumToWords(whole, small % 4); });
  quietly([&] { words::IntPow(whole, small); });
  useLocaleDecimalSeparator();
  return 0;
}
