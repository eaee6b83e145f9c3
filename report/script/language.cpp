// Script-language functions: whole numbers in 64 bits, text helpers.
#include "report/script/language.h"

#include <cmath>

#include "base/exception.h"

namespace korvel::report::script {

namespace {

constexpr double kTwoTo63 = 9223372036854775808.0;

std::string describe(double x) {
  if (std::isnan(x)) return "NaN";
  if (std::isinf(x)) return x > 0 ? "INF" : "-INF";
  return FloatToStr(x);
}

std::int64_t toWhole(double whole, const char* function, double x) {
  if (!(whole >= -kTwoTo63 && whole < kTwoTo63))
    throw EReportError(std::string(function) + ": " + describe(x) + " is out of the range of a whole number");
  return static_cast<std::int64_t>(whole);
}

}  // namespace

std::int64_t Trunc(double x) { return toWhole(std::trunc(x), "Trunc", x); }

std::int64_t Round(double x) {
  double whole = std::trunc(x);
  double rest = x - whole;  // exact: both share x's binary exponent or less
  double away = x < 0 ? -1.0 : 1.0;
  if (std::abs(rest) > 0.5 || (std::abs(rest) == 0.5 && std::fmod(whole, 2.0) != 0)) whole += away;
  return toWhole(whole, "Round", x);
}

double Int(double x) { return std::trunc(x); }

int Pos(std::string_view part, std::string_view text) {
  if (part.empty()) return 0;
  auto at = text.find(part);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

void Delete(std::string& text, int index, int count) {
  if (index < 1 || count <= 0 || static_cast<std::size_t>(index) > text.size()) return;
  text.erase(static_cast<std::size_t>(index) - 1, static_cast<std::size_t>(count));
}

std::string Trim(std::string_view text) {
  auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  std::size_t first = 0, last = text.size();
  while (first < last && isBlank(text[first])) ++first;
  while (last > first && isBlank(text[last - 1])) --last;
  return std::string(text.substr(first, last - first));
}

}  // namespace korvel::report::script
