// The connection by OLE DB connection string (the form's `MDBConnection`),
// mapped onto ODBC drivers: SQL Server providers to FreeTDS, MSDASQL to an
// ODBC data source, "SQLite" to the SQLite3 ODBC driver (the embedded
// default). Failures raise EOleException with the driver's text.
#pragma once

#include <filesystem>
#include <string>

#include "db/connection.h"

namespace korvel::db {

class ConnectionStringConnection : public Connection {
 public:
  // baseFolder: where relative database files lie (the host program's folder).
  explicit ConnectionStringConnection(std::filesystem::path baseFolder = {});

  const std::string& connectionString() const { return connectionString_; }
  void setConnectionString(std::string text) { connectionString_ = std::move(text); }
  // Used when the connection string names no provider.
  const std::string& provider() const { return provider_; }
  void setProvider(std::string provider) { provider_ = std::move(provider); }
  const std::filesystem::path& baseFolder() const { return baseFolder_; }
  void setBaseFolder(std::filesystem::path folder) { baseFolder_ = std::move(folder); }
  bool loginPrompt() const { return loginPrompt_; }
  void setLoginPrompt(bool prompt) { loginPrompt_ = prompt; }

  void open();
  void close();

 private:
  std::string connectionString_;
  std::string provider_;
  std::filesystem::path baseFolder_;
  bool loginPrompt_ = false;
};

}  // namespace korvel::db
