// The current decimal separator: the user's regional setting, read once,
// unless a host or a test has set one.
#include <atomic>

#include "base/number_text.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <langinfo.h>
#include <locale.h>
#endif

namespace korvel {
namespace {

// The one platform query of this layer. It reads the user's setting without
// touching the process locale, which belongs to the host. A separator that
// is not one ASCII character cannot be written into our texts; "." stands in.
char localeDecimalSeparator() {
#ifdef _WIN32
  wchar_t buffer[8] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, buffer, 8) == 2 && buffer[0] > 0 &&
      buffer[0] < 128)
    return static_cast<char>(buffer[0]);
  return '.';
#else
  locale_t userLocale = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
  if (userLocale == static_cast<locale_t>(0)) return '.';
  const char* radix = nl_langinfo_l(RADIXCHAR, userLocale);
  char separator = '.';
  if (radix != nullptr && radix[0] != '\0' && static_cast<unsigned char>(radix[0]) < 128 && radix[1] == '\0')
    separator = radix[0];
  freelocale(userLocale);
  return separator;
#endif
}

// 0 while no override is set.
std::atomic<char> overrideSeparator{0};

}  // namespace

char decimalSeparator() {
  if (char set = overrideSeparator.load()) return set;
  static const char fromLocale = localeDecimalSeparator();
  return fromLocale;
}

void setDecimalSeparator(char separator) { overrideSeparator.store(separator); }

void useLocaleDecimalSeparator() { overrideSeparator.store(0); }

}  // namespace korvel
