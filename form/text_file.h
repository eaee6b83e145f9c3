// The first line of a small text file such as MDBConnect.ini, decoded to
// UTF-8: a UTF-8 byte-order mark is skipped, and a file that is not valid
// UTF-8 is taken as Windows-1251, the code page such files are written in
// on the users' desktops.
#pragma once

#include <string>
#include <string_view>

namespace korvel::form {

// The whole first line, of any length, without its LF or CR LF.
// A missing or unreadable file raises EInOutError ("File not found" when it
// does not exist).
std::string readFirstLine(const std::string& path);

bool isValidUtf8(std::string_view bytes);
std::string windows1251ToUtf8(std::string_view bytes);

}  // namespace korvel::form
