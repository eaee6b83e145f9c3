// Repeated use of the real libkorvel: many calls in a row, each creating
// the form, previewing headless and closing it, and repeated loading and
// unloading of the library. Leaks are LeakSanitizer's to find (sanitizer
// build); here resident memory must settle instead of growing per call.
#include <unistd.h>

#include <fstream>

#include "tests/hardening/hardening_host.h"

namespace korvel::testing {
namespace {

// AddressSanitizer holds freed memory back on purpose, so resident memory
// says nothing in that build; LeakSanitizer checks leaks there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool residentMemoryMeaningful = false;
#else
constexpr bool residentMemoryMeaningful = true;
#endif

constexpr long allowedGrowthBytes = 20L << 20;

long residentBytes() {
  long pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

using RepeatedUseTest = DemoDatabaseTest;

TEST_F(RepeatedUseTest, TwoHundredCallsInARowDoNotGrowMemory) {
  long afterWarmUp = 0;
  for (int call = 1; call <= 200; ++call) {
    host.previews.clear();
    callAndClose();
    ASSERT_TRUE(host.errors.empty()) << "call " << call << ": " << host.errors.front();
    ASSERT_EQ(host.previews.size(), 1u) << "call " << call;
    ASSERT_EQ(form(), nullptr) << "call " << call;
    if (call == 20) afterWarmUp = residentBytes();
  }
  if (residentMemoryMeaningful) {
    EXPECT_LT(residentBytes() - afterWarmUp, allowedGrowthBytes);
  }
}

TEST_F(RepeatedUseTest, LoadingAndUnloadingAgainAndAgain) {
  library.unload();
  long afterWarmUp = 0;
  for (int cycle = 1; cycle <= 40; ++cycle) {
    host.previews.clear();
    {
      LoadedLibrary loaded;
      loaded.call(&host, arguments);
      ASSERT_EQ(host.previews.size(), 1u) << "cycle " << cycle;
      // Every other cycle leaves the form open for the unload handler.
      if (cycle % 2) closeForm();
    }
    ASSERT_FALSE(LoadedLibrary::mapped()) << "cycle " << cycle;
    ASSERT_EQ(form(), nullptr) << "cycle " << cycle;
    if (cycle == 5) afterWarmUp = residentBytes();
  }
  if (residentMemoryMeaningful) {
    EXPECT_LT(residentBytes() - afterWarmUp, allowedGrowthBytes);
  }
}

}  // namespace
}  // namespace korvel::testing
