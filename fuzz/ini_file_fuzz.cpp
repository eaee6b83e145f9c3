// Fuzz target: MDBConnect.ini as the form reads it. The input is written to
// a file and its first line read back; it must come back as valid UTF-8.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/exception.h"
#include "form/text_file.h"

namespace {

const std::string& iniPath() {
  static const std::string path =
      (std::filesystem::temp_directory_path() / ("korvel_fuzz_ini_" + std::to_string(getpid()))).string();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::ofstream(iniPath(), std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
  try {
    const std::string line = korvel::form::readFirstLine(iniPath());
    if (!korvel::form::isValidUtf8(line)) std::abort();
  } catch (const korvel::Exception&) {
  }
  if (!korvel::form::isValidUtf8(korvel::form::windows1251ToUtf8(bytes))) std::abort();
  return 0;
}
