// Fuzz target: the template loader. Whatever loads must save, load again
// and save to the same text (the canonical form is a fixed point).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/exception.h"
#include "engine/storage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view xml(reinterpret_cast<const char*>(data), size);
  std::string saved;
  try {
    saved = korvel::engine::saveReport(korvel::engine::loadReport(xml));
  } catch (const korvel::Exception&) {
    return 0;
  }
  // A loaded template that does not load back, or saves differently, is a
  // fault of the storage: let it abort.
  const std::string again = korvel::engine::saveReport(korvel::engine::loadReport(saved));
  if (again != saved) std::abort();
  return 0;
}
