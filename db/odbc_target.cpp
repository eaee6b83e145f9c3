// Mapping of OLE DB connection properties to ODBC connection strings.
#include "db/odbc_target.h"

#include <array>
#include <cstdio>

#include "base/exception.h"
#include "db/text_util.h"

namespace korvel::db {

std::string odbcValue(std::string_view value) {
  const bool needsBraces = value.find_first_of(";{}") != std::string_view::npos ||
                           (!value.empty() && (value.front() == ' ' || value.back() == ' '));
  if (!needsBraces) return std::string(value);
  std::string braced = "{";
  for (char c : value) {
    braced += c;
    if (c == '}') braced += '}';
  }
  return braced + "}";
}

std::string sqliteReadOnlyUri(const std::filesystem::path& file) {
  std::string uri = "file:";
  for (unsigned char c : file.generic_string()) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '/' || c == '-' || c == '_' || c == '.' || c == '~' || c >= 0x80;
    if (plain) {
      uri += static_cast<char>(c);
    } else {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", c);
      uri += escaped;
    }
  }
  return uri + "?mode=ro";
}

namespace {

bool isSqlServerProvider(std::string_view provider) {
  const std::string name = toUpperAscii(provider);
  static constexpr std::array<std::string_view, 4> exact = {"SQLOLEDB", "SQLOLEDB.1", "MSOLEDBSQL",
                                                            "MSOLEDBSQL19"};
  for (auto candidate : exact)
    if (name == candidate) return true;
  return name.rfind("SQLNCLI", 0) == 0;
}

std::string required(const ConnectionProperties& properties, std::initializer_list<std::string_view> keys) {
  if (auto value = properties.getAny(keys); value && !value->empty()) return *value;
  throw EOleException("Invalid connection string: '" + std::string(*keys.begin()) + "' is missing");
}

int loginTimeout(const ConnectionProperties& properties) {
  const auto text = properties.getAny({"Connect Timeout", "Connection Timeout"});
  if (!text) return Connection::defaultLoginTimeoutSeconds;
  int seconds = 0;
  for (char c : *text) {
    if (c < '0' || c > '9' || seconds > 100000)
      throw EOleException("Invalid connection string: 'Connect Timeout' is not a number of seconds");
    seconds = seconds * 10 + (c - '0');
  }
  return seconds;
}

OdbcTarget sqlServerTarget(const ConnectionProperties& properties, const DriverResolver& driverFor) {
  std::string server = required(properties, {"Data Source", "Server", "Address", "Addr", "Network Address"});
  if (server.rfind("tcp:", 0) == 0) server.erase(0, 4);
  std::string port;
  if (const auto comma = server.find(','); comma != std::string::npos) {
    port = std::string(trimBlanks(std::string_view(server).substr(comma + 1)));
    server = std::string(trimBlanks(std::string_view(server).substr(0, comma)));
  }
  if (server == "." || equalsIgnoreCase(server, "(local)")) server = "localhost";

  OdbcTarget target;
  std::string& text = target.connectionString;
  text = "DRIVER=" + driverFor(DriverKind::SqlServer) + ";SERVER=" + odbcValue(server);
  if (!port.empty()) text += ";PORT=" + odbcValue(port);
  if (auto database = properties.getAny({"Initial Catalog", "Database"}))
    text += ";DATABASE=" + odbcValue(*database);
  const auto integrated = properties.get("Integrated Security");
  if (integrated && (equalsIgnoreCase(*integrated, "SSPI") || equalsIgnoreCase(*integrated, "true"))) {
    text += ";Trusted_Connection=Yes";
  } else {
    text += ";UID=" + odbcValue(properties.getAny({"User ID", "UID", "User"}).value_or(""));
    target.password = properties.getAny({"Password", "PWD"}).value_or("");
    text += ";PWD=" + odbcValue(target.password);
  }
  text += ";ClientCharset=UTF-8";
  return target;
}

OdbcTarget odbcDataSourceTarget(const ConnectionProperties& properties) {
  OdbcTarget target;
  target.password = properties.getAny({"Password", "PWD"}).value_or("");
  if (auto extended = properties.get("Extended Properties"); extended && !extended->empty()) {
    target.connectionString = *extended;
  } else {
    target.connectionString = "DSN=" + odbcValue(required(properties, {"Data Source", "DSN"}));
  }
  if (auto user = properties.getAny({"User ID", "UID"}))
    target.connectionString += ";UID=" + odbcValue(*user);
  if (properties.getAny({"Password", "PWD"})) target.connectionString += ";PWD=" + odbcValue(target.password);
  return target;
}

OdbcTarget sqliteTarget(const ConnectionProperties& properties, const std::filesystem::path& baseFolder,
                        const DriverResolver& driverFor) {
  std::filesystem::path file = required(properties, {"Data Source", "Database"});
  if (file.is_relative()) file = baseFolder / file;
  OdbcTarget target;
  target.databaseFile = file.lexically_normal();
  target.connectionString = "DRIVER=" + driverFor(DriverKind::Sqlite) +
                            ";Database=" + odbcValue(sqliteReadOnlyUri(target.databaseFile)) +
                            ";NoCreat=1;Timeout=" + std::to_string(loginTimeout(properties) * 1000);
  return target;
}

}  // namespace

OdbcTarget odbcTargetFor(const ConnectionProperties& properties, std::string_view provider,
                         const std::filesystem::path& baseFolder, const DriverResolver& driverFor) {
  const std::string chosen = properties.get("Provider").value_or(std::string(provider));
  OdbcTarget target;
  if (isSqlServerProvider(chosen))
    target = sqlServerTarget(properties, driverFor);
  else if (equalsIgnoreCase(chosen, "MSDASQL") || equalsIgnoreCase(chosen, "MSDASQL.1"))
    target = odbcDataSourceTarget(properties);
  else if (equalsIgnoreCase(chosen, "SQLite"))
    target = sqliteTarget(properties, baseFolder, driverFor);
  else
    throw EOleException("Provider cannot be found. It may not be properly installed: '" + chosen + "'");
  target.loginTimeoutSeconds = loginTimeout(properties);
  return target;
}

}  // namespace korvel::db
