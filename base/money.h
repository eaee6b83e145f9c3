// Money value: a fixed-point number with four decimals, held as a signed
// 64-bit count of ten-thousandths, so sums of money never drift.
#pragma once

#include <cstdint>
#include <string>

namespace korvel {

class Money {
 public:
  constexpr Money() = default;
  static constexpr Money fromUnits(std::int64_t tenThousandths) { return Money(tenThousandths); }
  // Rounds the double's exact value to four decimals, ties to the even digit
  // (no float multiplication). NaN, infinities and values beyond the range
  // raise EConvertError.
  static Money fromDouble(double value);

  constexpr std::int64_t units() const { return units_; }
  double toDouble() const;

  friend constexpr Money operator+(Money a, Money b) { return Money(a.units_ + b.units_); }
  friend constexpr Money operator-(Money a, Money b) { return Money(a.units_ - b.units_); }
  constexpr Money operator-() const { return Money(-units_); }
  friend constexpr auto operator<=>(Money, Money) = default;

  // General format: shortest form, current decimal separator ("12,5", "3").
  std::string toString() const;
  std::string toString(char separator) const;

 private:
  constexpr explicit Money(std::int64_t units) : units_(units) {}
  std::int64_t units_ = 0;
};

}  // namespace korvel
