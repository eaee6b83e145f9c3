// Text handling of text objects and name comparison.
#include "engine/model.h"

#include <algorithm>
#include <cctype>

namespace korvel::engine {

bool sameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

const std::string& objectName(const BandObject& object) {
  return std::visit([](const auto& o) -> const std::string& { return o.name; }, object);
}

std::string TextObject::text() const {
  std::string joined;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) joined += "\r\n";
    joined += lines[i];
  }
  return joined;
}

void TextObject::setText(std::string_view text) {
  lines.clear();
  literal = false;
  if (text.empty()) return;
  std::string current;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(current));
      current.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      current += c;
    }
  }
  lines.push_back(std::move(current));
}

void TextObject::setLiteralText(std::string_view text) {
  setText(text);
  literal = true;
}

}  // namespace korvel::engine
