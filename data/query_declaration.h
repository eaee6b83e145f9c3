// A query of the waybill form as plain data: its name, the connection it
// runs on, its SQL text line by line, stored parameters and fixed field list.
#pragma once

#include <span>
#include <string_view>

#include "db/connection.h"
#include "db/field_types.h"
#include "db/query.h"

namespace korvel::data {

// Which of the form's two connections a query uses.
enum class Client {
  DatabaseEngine,  // `mdb`, the alias connection
  OleDb,           // `MDBConnection`, the connection-string connection
};

struct FieldDecl {
  std::string_view name;
  db::FieldType type;
  int size = 0;
  bool readOnly = false;
};

struct ParamDecl {
  std::string_view name;
  db::FieldType type;
};

struct QueryDecl {
  std::string_view name;
  Client client;
  std::span<const std::string_view> sql;
  std::span<const ParamDecl> params;  // empty: parameters take the type of their value
  std::span<const FieldDecl> fields;  // empty: the result's own columns
};

// A closed query built from the declaration, on the given connection.
db::Query makeQuery(const QueryDecl& decl, db::Connection& connection);

}  // namespace korvel::data
