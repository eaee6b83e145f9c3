// Sets the decimal separator for one test and drops the override after it.
#pragma once

#include <string>

#include "base/number_text.h"

namespace korvel::test {

class SeparatorGuard {
 public:
  explicit SeparatorGuard(char separator) { setDecimalSeparator(separator); }
  ~SeparatorGuard() { useLocaleDecimalSeparator(); }
  SeparatorGuard(const SeparatorGuard&) = delete;
  SeparatorGuard& operator=(const SeparatorGuard&) = delete;
};

// Expected texts are written with "."; this gives them with `separator`.
inline std::string withSeparator(std::string text, char separator) {
  for (char& c : text)
    if (c == '.') c = separator;
  return text;
}

inline constexpr char bothSeparators[] = {'.', ','};

}  // namespace korvel::test
