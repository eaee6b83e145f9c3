// Owned ODBC handles and diagnostics.
#include "db/odbc_handle.h"

namespace korvel::db::odbc {

bool Handle::allocate(SQLSMALLINT type, SQLHANDLE parent) {
  reset();
  SQLHANDLE handle = SQL_NULL_HANDLE;
  if (!SQL_SUCCEEDED(SQLAllocHandle(type, parent, &handle))) return false;
  type_ = type;
  handle_ = handle;
  return true;
}

void Handle::reset() {
  if (handle_ == SQL_NULL_HANDLE) return;
  if (type_ == SQL_HANDLE_DBC) SQLDisconnect(handle_);
  SQLFreeHandle(type_, handle_);
  handle_ = SQL_NULL_HANDLE;
}

std::string diagnostics(const Handle& handle) {
  std::string text;
  if (!handle) return text;
  for (SQLSMALLINT record = 1;; ++record) {
    SQLCHAR state[6] = {};
    SQLINTEGER nativeError = 0;
    SQLCHAR message[1024] = {};
    SQLSMALLINT length = 0;
    const SQLRETURN rc = SQLGetDiagRec(handle.type(), handle.get(), record, state, &nativeError, message,
                                       sizeof message, &length);
    if (!SQL_SUCCEEDED(rc)) break;
    if (!text.empty()) text += '\n';
    text += reinterpret_cast<const char*>(message);
  }
  return text;
}

}  // namespace korvel::db::odbc
