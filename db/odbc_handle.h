// Internal to the database layer: owned ODBC handles and the driver's
// diagnostic text. The only header of the layer that includes the ODBC API.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <string>

namespace korvel::db::odbc {

class Handle {
 public:
  Handle() = default;
  // Allocates a handle of the given type under parent; false when it fails.
  bool allocate(SQLSMALLINT type, SQLHANDLE parent);
  ~Handle() { reset(); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;

  void reset();
  SQLHANDLE get() const { return handle_; }
  SQLSMALLINT type() const { return type_; }
  explicit operator bool() const { return handle_ != SQL_NULL_HANDLE; }

 private:
  SQLSMALLINT type_ = 0;
  SQLHANDLE handle_ = SQL_NULL_HANDLE;
};

// All diagnostic records of the handle, one per line, as the driver wrote them.
std::string diagnostics(const Handle& handle);

}  // namespace korvel::db::odbc
