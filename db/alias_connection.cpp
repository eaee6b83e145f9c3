// Connection by ODBC data source name with a BDE-style parameter list.
#include "db/alias_connection.h"

#include "db/odbc_target.h"
#include "db/text_util.h"

namespace korvel::db {

AliasConnection::AliasConnection() : Connection(ErrorKind::DatabaseEngine) {}

namespace {

// The value of the first "NAME=value" line whose name matches, if any.
std::optional<std::string> paramValue(const std::vector<std::string>& lines, std::string_view name) {
  for (const auto& line : lines) {
    const auto equals = line.find('=');
    if (equals != std::string::npos &&
        equalsIgnoreCase(trimBlanks(std::string_view(line).substr(0, equals)), name))
      return line.substr(equals + 1);
  }
  return std::nullopt;
}

}  // namespace

void AliasConnection::connect() {
  if (connected()) return;
  if (trimBlanks(aliasName_).empty()) fail("Unknown database alias: the alias name is empty");
  std::string text = "DSN=" + odbcValue(aliasName_);
  const auto user = paramValue(params_, "USER NAME");
  const auto password = paramValue(params_, "PASSWORD");
  if (user) text += ";UID=" + odbcValue(*user);
  if (password) text += ";PWD=" + odbcValue(*password);
  openOdbc(text, password.value_or(""));
}

void AliasConnection::disconnect() { closeOdbc(); }

}  // namespace korvel::db
