// OLE DB connection strings ("Provider=SQLOLEDB.1;Data Source=srv;...") as
// key/value pairs. Parsing is a pure function so it can be tested and fuzzed
// on its own; malformed text raises EOleException.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korvel::db {

class ConnectionProperties {
 public:
  // Keys are compared without regard to case; a later key replaces an
  // earlier one of the same name.
  void set(std::string key, std::string value);
  std::optional<std::string> get(std::string_view key) const;
  // The first of several synonyms that is present ("Data Source", "Server").
  std::optional<std::string> getAny(std::initializer_list<std::string_view> keys) const;
  const std::vector<std::pair<std::string, std::string>>& items() const { return items_; }

 private:
  std::vector<std::pair<std::string, std::string>> items_;
};

// Pairs are separated by ';'; blanks around keys and values are dropped; a
// value may be quoted with '"' or '\'' (the quote doubled inside stands for
// itself) so it can hold ';' and '='. Empty pairs are skipped.
ConnectionProperties parseConnectionString(std::string_view text);

}  // namespace korvel::db
