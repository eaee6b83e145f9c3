// A database connection over ODBC, the common part of the two kinds the
// waybill form uses (by alias, by connection string). Connections are
// opened read-only where the driver allows it, with login and query
// timeouts, and raise their own kind of error with the driver's text.
#pragma once

#include <memory>
#include <string>

#include "db/sql_dialect.h"

namespace korvel::db {

namespace odbc {
class Handle;
}

class Connection {
 public:
  virtual ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  bool connected() const;
  // The kind of server, from the driver (valid while connected).
  ServerKind serverKind() const { return serverKind_; }

  // Raises this connection's kind of error (EDBEngineError or
  // EOleException) with the message, any password removed from it.
  [[noreturn]] void fail(const std::string& message) const;

  // For the queries of this layer.
  const odbc::Handle& odbcConnection() const;

  static constexpr int defaultLoginTimeoutSeconds = 15;
  static constexpr int queryTimeoutSeconds = 30;

 protected:
  enum class ErrorKind { DatabaseEngine, OleDb };
  explicit Connection(ErrorKind errorKind);

  // Connects with an ODBC connection string; password is only used to keep
  // it out of messages.
  void openOdbc(const std::string& connectionString, const std::string& password,
                int loginTimeoutSeconds = defaultLoginTimeoutSeconds);
  void closeOdbc();

 private:
  struct Handles;
  std::string withoutPassword(std::string message) const;
  void prepareSqlite();

  ErrorKind errorKind_;
  std::string password_;
  ServerKind serverKind_ = ServerKind::Other;
  std::unique_ptr<Handles> handles_;
};

}  // namespace korvel::db
