// Reading the first line of MDBConnect.ini and decoding it to UTF-8.
#include "form/text_file.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "base/exception.h"

namespace korvel::form {

namespace {

// Windows-1251 bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
// 0x98 is unassigned and becomes the replacement character.
constexpr std::array<char32_t, 64> cp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

constexpr std::string_view utf8Bom = "\xEF\xBB\xBF";

// Paths are UTF-8 inside; this keeps them so on Windows too.
std::filesystem::path utf8Path(const std::string& path) {
  return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t length;
    char32_t code;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      code = lead & 0x07;
    } else {
      return false;
    }
    if (i + length > bytes.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    if ((length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)) ||
        (code >= 0xD800 && code <= 0xDFFF))
      return false;
    i += length;
  }
  return true;
}

std::string windows1251ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char byte : bytes) {
    const auto b = static_cast<unsigned char>(byte);
    if (b < 0x80)
      out += byte;
    else if (b < 0xC0)
      appendUtf8(out, cp1251High[b - 0x80]);
    else
      appendUtf8(out, 0x0410 + (b - 0xC0));
  }
  return out;
}

std::string readFirstLine(const std::string& path) {
  const auto filePath = utf8Path(path);
  std::error_code error;
  if (!std::filesystem::exists(filePath, error)) throw EInOutError("File not found");
  std::ifstream file(filePath, std::ios::binary);
  if (!file || std::filesystem::is_directory(filePath, error)) throw EInOutError("Access denied");
  std::string line;
  std::getline(file, line);
  if (file.bad()) throw EInOutError("Read error");
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.starts_with(utf8Bom)) line.erase(0, utf8Bom.size());
  return isValidUtf8(line) ? line : windows1251ToUtf8(line);
}

}  // namespace korvel::form
