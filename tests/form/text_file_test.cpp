// The first line of MDBConnect.ini: line endings, byte-order mark,
// Windows-1251 files, long lines, missing files.
#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>

#include "base/exception.h"
#include "form/text_file.h"

namespace korvel::form {
namespace {

class FirstLineTest : public ::testing::Test {
 protected:
  std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("korvel_text_file_" + std::to_string(::getpid()));
  void SetUp() override { std::filesystem::create_directories(dir); }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::string write(const std::string& bytes) {
    const auto path = (dir / "MDBConnect.ini").string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
};

TEST_F(FirstLineTest, ReadsTheWholeFirstLineOnly) {
  const std::string longLine = "Provider=SQLite;Data Source=" + std::string(400, 'x') + ".db";
  const struct {
    std::string bytes, line;
  } cases[] = {
      {"Provider=SQLite;Data Source=a.db", "Provider=SQLite;Data Source=a.db"},
      {"first\nsecond\n", "first"},
      {"first\r\nsecond\r\n", "first"},
      {"\r\nsecond", ""},
      {"", ""},
      {longLine + "\r\nnext", longLine},
      {"\xEF\xBB\xBFProvider=SQLite", "Provider=SQLite"},
      {"Data Source=\xD0\x91\xD0\xB0\xD0\xB7\xD0\xB0.db", "Data Source=База.db"},
      {"Data Source=\xC1\xE0\xE7\xE0.db\r\n", "Data Source=База.db"},
      {"User ID=\xB8\xA8\xB9", "User ID=ёЁ№"},
  };
  for (const auto& c : cases) EXPECT_EQ(readFirstLine(write(c.bytes)), c.line) << c.bytes;
}

TEST_F(FirstLineTest, MissingFileIsFileNotFound) {
  try {
    readFirstLine((dir / "absent.ini").string());
    FAIL() << "no error";
  } catch (const EInOutError& error) {
    EXPECT_STREQ(error.what(), "File not found");
  }
}

TEST_F(FirstLineTest, DirectoryIsAnInputOutputError) {
  std::filesystem::create_directories(dir / "MDBConnect.ini");
  EXPECT_THROW(readFirstLine((dir / "MDBConnect.ini").string()), EInOutError);
}

TEST(Utf8Check, RejectsMalformedSequences) {
  EXPECT_TRUE(isValidUtf8("plain ascii"));
  EXPECT_TRUE(isValidUtf8("\xD0\x91 \xE2\x84\x96 \xF0\x9F\x98\x80"));
  for (const char* bad : {"\xC0\xAF", "\xD0", "\xE0\x80\x80", "\xED\xA0\x80", "\xF5\x80\x80\x80", "\x80"})
    EXPECT_FALSE(isValidUtf8(bad)) << bad;
}

TEST(Windows1251, DecodesEveryCyrillicLetter) {
  std::string bytes;
  for (int b = 0xC0; b <= 0xFF; ++b) bytes += static_cast<char>(b);
  EXPECT_EQ(windows1251ToUtf8(bytes), "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдежзийклмнопрстуфхцчшщъыьэюя");
  EXPECT_EQ(windows1251ToUtf8("\xA1\xA2\xB2\xB3\xAA\xBA\xAF\xBF\x96\x97"), "ЎўІіЄєЇї–—");
}

}  // namespace
}  // namespace korvel::form
