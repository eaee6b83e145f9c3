// The connection by database alias (the form's `mdb`): the alias is an ODBC
// data source name defined in odbc.ini (system, user, or the file named by
// ODBCINI); the "USER NAME=" and "PASSWORD=" lines of the parameter list
// give the login. Failures raise EDBEngineError with the driver's text.
#pragma once

#include <string>
#include <vector>

#include "db/connection.h"

namespace korvel::db {

class AliasConnection : public Connection {
 public:
  AliasConnection();

  const std::string& aliasName() const { return aliasName_; }
  void setAliasName(std::string alias) { aliasName_ = std::move(alias); }
  // The name by which the form's engine queries refer to it.
  const std::string& databaseName() const { return databaseName_; }
  void setDatabaseName(std::string name) { databaseName_ = std::move(name); }
  // Lines "NAME=value"; by default a user-name line and a password line.
  std::vector<std::string>& params() { return params_; }
  const std::vector<std::string>& params() const { return params_; }
  // Never shows a dialog; the setting is kept for the form's stored state.
  bool loginPrompt() const { return loginPrompt_; }
  void setLoginPrompt(bool prompt) { loginPrompt_ = prompt; }

  void connect();
  void disconnect();

 private:
  std::string aliasName_ = "MainDatabase";
  std::string databaseName_ = "mdb";
  std::vector<std::string> params_ = {"USER NAME=", "PASSWORD="};
  bool loginPrompt_ = false;
};

}  // namespace korvel::db
