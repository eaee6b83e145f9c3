// Test data sources: writes odbc.ini and an empty odbcinst.ini into a fresh
// folder and points the ODBC driver manager at them (ODBCINI, ODBCSYSINI),
// so the tests never depend on the machine's own ODBC set-up. Shared by the
// db and data tests.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace korvel::test {

class OdbcTestFolder {
 public:
  OdbcTestFolder()
      : path_(std::filesystem::temp_directory_path() / ("korvel-odbc-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path_);
    std::ofstream(path_ / "not-a-database.db") << "This is a text file, not a database.\n";
    std::ofstream(path_ / "odbcinst.ini") << "[ODBC]\nDontDLClose=1\n";
    std::ofstream ini(path_ / "odbc.ini");
    auto source = [&](const std::string& name, const std::filesystem::path& file) {
      ini << "[" << name << "]\nDriver=" << KORVEL_SQLITE_ODBC_DRIVER << "\nDatabase=" << file.string()
          << "\nNoCreat=1\n\n";
    };
    source("KorvelDemo", KORVEL_DEMO_DB);
    source("KorvelBroken", path_ / "not-a-database.db");
    source("KorvelMissing", path_ / "missing.db");
    ini.close();
    ::setenv("ODBCSYSINI", path_.c_str(), 1);
    ::setenv("ODBCINI", (path_ / "odbc.ini").c_str(), 1);
  }
  ~OdbcTestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// DSNs: KorvelDemo (the demo database), KorvelBroken (a file that is not a
// database), KorvelMissing (a file that does not exist). Set up on first use.
inline const std::filesystem::path& odbcTestFolder() {
  static const OdbcTestFolder folder;
  return folder.path();
}

inline std::string fileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace korvel::test
