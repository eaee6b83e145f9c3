// Parser of OLE DB connection strings.
#include "db/connection_string.h"

#include "base/exception.h"
#include "db/text_util.h"

#include <string>

namespace korvel::db {

void ConnectionProperties::set(std::string key, std::string value) {
  for (auto& item : items_) {
    if (equalsIgnoreCase(item.first, key)) {
      item.second = std::move(value);
      return;
    }
  }
  items_.emplace_back(std::move(key), std::move(value));
}

std::optional<std::string> ConnectionProperties::get(std::string_view key) const {
  for (const auto& item : items_)
    if (equalsIgnoreCase(item.first, key)) return item.second;
  return std::nullopt;
}

std::optional<std::string> ConnectionProperties::getAny(std::initializer_list<std::string_view> keys) const {
  for (auto key : keys)
    if (auto value = get(key)) return value;
  return std::nullopt;
}

namespace {

// Reads a quoted value starting at text[pos] (the opening quote); returns the
// value and leaves pos after the closing quote.
std::string readQuoted(std::string_view text, std::size_t& pos) {
  const char quote = text[pos++];
  std::string value;
  while (true) {
    if (pos >= text.size()) throw EOleException("Invalid connection string: a quoted value is not closed");
    if (text[pos] == quote) {
      if (pos + 1 < text.size() && text[pos + 1] == quote) {
        value += quote;
        pos += 2;
        continue;
      }
      ++pos;
      return value;
    }
    value += text[pos++];
  }
}

}  // namespace

ConnectionProperties parseConnectionString(std::string_view text) {
  ConnectionProperties properties;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t end = text.find_first_of(";=", pos);
    if (end == std::string_view::npos || text[end] == ';') {
      // A piece without '=' is only acceptable when blank (";;" or a trailing ';').
      const auto piece = trimBlanks(text.substr(pos, end == std::string_view::npos ? text.npos : end - pos));
      if (!piece.empty())
        throw EOleException("Invalid connection string: the part at position " + std::to_string(pos + 1) +
                            " has no '='");
      if (end == std::string_view::npos) break;
      pos = end + 1;
      continue;
    }
    const auto key = trimBlanks(text.substr(pos, end - pos));
    if (key.empty()) throw EOleException("Invalid connection string: a value has no key");
    pos = end + 1;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
    std::string value;
    if (pos < text.size() && (text[pos] == '"' || text[pos] == '\'')) {
      value = readQuoted(text, pos);
      while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
      if (pos < text.size() && text[pos] != ';')
        throw EOleException("Invalid connection string: text after the quoted value of '" + std::string(key) +
                            "'");
    } else {
      const std::size_t valueEnd = text.find(';', pos);
      value = std::string(trimBlanks(text.substr(pos, valueEnd == text.npos ? text.npos : valueEnd - pos)));
      pos = valueEnd == text.npos ? text.size() : valueEnd;
    }
    if (pos < text.size()) ++pos;  // the ';'
    properties.set(std::string(key), std::move(value));
  }
  return properties;
}

}  // namespace korvel::db
