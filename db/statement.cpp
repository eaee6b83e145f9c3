// Execution of a statement and reading of its result over ODBC. Exact
// decimals are read as the driver's text and converted, so no digit is lost
// on the way; SQLite computed columns carry no type and are read as text.
#include "db/statement.h"

#include "db/odbc_handle.h"
#include "db/value_conversion.h"

namespace korvel::db {

namespace {

struct BoundParameter {
  std::int64_t integer = 0;
  double floating = 0;
  unsigned char boolean = 0;
  std::string text;
  SQL_TIMESTAMP_STRUCT timestamp{};
  SQLLEN indicator = 0;
};

void check(SQLRETURN rc, const Connection& connection, const odbc::Handle& statement) {
  if (!SQL_SUCCEEDED(rc)) {
    const std::string message = odbc::diagnostics(statement);
    connection.fail(message.empty() ? "The database reported an error without a message" : message);
  }
}

void bindParameters(const Connection& connection, const odbc::Handle& statement,
                    const std::vector<Value>& values, std::vector<BoundParameter>& bound) {
  bound.resize(values.size());  // sized once: the driver keeps pointers into it
  for (std::size_t i = 0; i < values.size(); ++i) {
    const Value& value = values[i];
    BoundParameter& p = bound[i];
    const auto number = static_cast<SQLUSMALLINT>(i + 1);
    SQLSMALLINT cType = SQL_C_CHAR, sqlType = SQL_VARCHAR;
    SQLULEN columnSize = 0;
    SQLSMALLINT digits = 0;
    SQLPOINTER buffer = nullptr;
    SQLLEN bufferLength = 0;
    switch (value.type()) {
      case ValueType::Null:
        p.indicator = SQL_NULL_DATA;
        sqlType = SQL_INTEGER;
        cType = SQL_C_SLONG;
        buffer = &p.integer;
        break;
      case ValueType::Boolean:
        p.boolean = value.asBoolean() ? 1 : 0;
        cType = SQL_C_BIT;
        sqlType = SQL_BIT;
        buffer = &p.boolean;
        break;
      case ValueType::Integer:
        p.integer = value.asInteger();
        cType = SQL_C_SBIGINT;
        sqlType = (p.integer >= INT32_MIN && p.integer <= INT32_MAX) ? SQL_INTEGER : SQL_BIGINT;
        buffer = &p.integer;
        break;
      case ValueType::Float:
        p.floating = value.asFloat();
        cType = SQL_C_DOUBLE;
        sqlType = SQL_DOUBLE;
        buffer = &p.floating;
        break;
      case ValueType::Text:
        p.text = value.asText();
        p.indicator = static_cast<SQLLEN>(p.text.size());
        columnSize = p.text.empty() ? 1 : p.text.size();
        buffer = p.text.data();
        bufferLength = static_cast<SQLLEN>(p.text.size());
        break;
      case ValueType::DateTime: {
        const DateTime& t = value.asDateTime();
        p.timestamp = {static_cast<SQLSMALLINT>(t.year),
                       static_cast<SQLUSMALLINT>(t.month),
                       static_cast<SQLUSMALLINT>(t.day),
                       static_cast<SQLUSMALLINT>(t.hour),
                       static_cast<SQLUSMALLINT>(t.minute),
                       static_cast<SQLUSMALLINT>(t.second),
                       static_cast<SQLUINTEGER>(t.millisecond) * 1000000u};
        cType = SQL_C_TYPE_TIMESTAMP;
        sqlType = SQL_TYPE_TIMESTAMP;
        columnSize = 23;
        digits = 3;
        buffer = &p.timestamp;
        break;
      }
    }
    check(SQLBindParameter(statement.get(), number, SQL_PARAM_INPUT, cType, sqlType, columnSize, digits,
                           buffer, bufferLength, &p.indicator),
          connection, statement);
  }
}

ResultColumn describeColumn(const odbc::Handle& statement, SQLUSMALLINT number, bool sqliteServer) {
  SQLCHAR name[512] = {};
  SQLSMALLINT nameLength = 0, sqlType = 0, scale = 0, nullable = 0;
  SQLULEN size = 0;
  SQLDescribeCol(statement.get(), number, name, sizeof name, &nameLength, &sqlType, &size, &scale, &nullable);
  ResultColumn column;
  column.name = reinterpret_cast<const char*>(name);
  column.scale = scale;
  SQLLEN isUnsigned = SQL_FALSE;
  SQLColAttribute(statement.get(), number, SQL_DESC_UNSIGNED, nullptr, 0, nullptr, &isUnsigned);
  switch (sqlType) {
    case SQL_CHAR:
      column.kind = ColumnKind::Text;
      column.typeName = "FixedChar";
      break;
    case SQL_VARCHAR:
      column.kind = ColumnKind::Text;
      column.typeName = "String";
      break;
    case SQL_LONGVARCHAR:
      column.kind = ColumnKind::Text;
      column.typeName = "Memo";
      break;
    case SQL_WCHAR:
      column.kind = ColumnKind::Text;
      column.typeName = "FixedWideChar";
      break;
    case SQL_WVARCHAR:
      column.kind = ColumnKind::Text;
      column.typeName = "WideString";
      break;
    case SQL_WLONGVARCHAR:
      column.kind = ColumnKind::Text;
      column.typeName = "WideMemo";
      break;
    case SQL_BIT:
      column.kind = ColumnKind::Boolean;
      column.typeName = "Boolean";
      break;
    case SQL_TINYINT:
      column.kind = ColumnKind::Integer;
      column.typeName = "Word";
      break;
    case SQL_SMALLINT:
      column.kind = ColumnKind::Integer;
      column.typeName = isUnsigned == SQL_TRUE ? "Word" : "Smallint";
      break;
    case SQL_INTEGER:
      column.kind = ColumnKind::Integer;
      column.typeName = "Integer";
      break;
    case SQL_BIGINT:
      column.kind = ColumnKind::Integer;
      column.typeName = "Largeint";
      break;
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE:
      column.kind = ColumnKind::Float;
      column.typeName = "Float";
      break;
    case SQL_DECIMAL:
    case SQL_NUMERIC:
      column.kind = ColumnKind::Decimal;
      column.typeName = "BCD";
      break;
    case SQL_TYPE_DATE:
    case SQL_DATE:
      column.kind = ColumnKind::DateTime;
      column.typeName = "Date";
      break;
    case SQL_TYPE_TIME:
    case SQL_TIME:
      column.kind = ColumnKind::DateTime;
      column.typeName = "Time";
      break;
    case SQL_TYPE_TIMESTAMP:
    case SQL_TIMESTAMP:
      column.kind = ColumnKind::DateTime;
      column.typeName = "DateTime";
      break;
    default:
      column.kind = ColumnKind::Other;
      column.typeName = "Unknown";
      break;
  }
  if (sqliteServer) {
    // SQLite types a computed column by its first value only (or not at all
    // when there is no row); such a column has no table.
    SQLCHAR table[256] = {};
    SQLSMALLINT tableLength = 0;
    SQLColAttribute(statement.get(), number, SQL_DESC_TABLE_NAME, table, sizeof table, &tableLength, nullptr);
    if (table[0] == '\0') column.kind = ColumnKind::Untyped;
  }
  return column;
}

Value readText(const Connection& connection, const odbc::Handle& statement, SQLUSMALLINT number) {
  std::string text;
  char chunk[4096];
  while (true) {
    SQLLEN indicator = 0;
    const SQLRETURN rc = SQLGetData(statement.get(), number, SQL_C_CHAR, chunk, sizeof chunk, &indicator);
    if (rc == SQL_NO_DATA) break;
    check(rc, connection, statement);
    if (indicator == SQL_NULL_DATA) return Value();
    // Each piece but the last fills the buffer, less the terminating zero.
    const bool more = indicator == SQL_NO_TOTAL || indicator >= static_cast<SQLLEN>(sizeof chunk);
    text.append(chunk, more ? sizeof chunk - 1 : static_cast<std::size_t>(indicator));
    if (!more) break;
  }
  return Value::text(std::move(text));
}

template <typename T>
bool readFixed(const Connection& connection, const odbc::Handle& statement, SQLUSMALLINT number,
               SQLSMALLINT cType, T& out) {
  SQLLEN indicator = 0;
  check(SQLGetData(statement.get(), number, cType, &out, sizeof out, &indicator), connection, statement);
  return indicator != SQL_NULL_DATA;
}

Value readValue(const Connection& connection, const odbc::Handle& statement, SQLUSMALLINT number,
                const ResultColumn& column) {
  switch (column.kind) {
    case ColumnKind::Integer: {
      std::int64_t value = 0;
      return readFixed(connection, statement, number, SQL_C_SBIGINT, value) ? Value::integer(value) : Value();
    }
    case ColumnKind::Boolean: {
      unsigned char value = 0;
      return readFixed(connection, statement, number, SQL_C_BIT, value) ? Value::boolean(value != 0)
                                                                        : Value();
    }
    case ColumnKind::Float: {
      double value = 0;
      return readFixed(connection, statement, number, SQL_C_DOUBLE, value) ? Value::floating(value) : Value();
    }
    case ColumnKind::Decimal: {
      const Value text = readText(connection, statement, number);
      if (text.isNull()) return text;
      if (auto value = parseDecimal(text.asText())) return Value::floating(*value);
      connection.fail("Invalid decimal value '" + text.asText() + "' in column '" + column.name + "'");
    }
    case ColumnKind::DateTime: {
      SQL_TIMESTAMP_STRUCT t{};
      if (!readFixed(connection, statement, number, SQL_C_TYPE_TIMESTAMP, t)) return Value();
      return Value::dateTime(DateTime{t.year, t.month, t.day, t.hour, t.minute, t.second,
                                      static_cast<int>(t.fraction / 1000000u)});
    }
    case ColumnKind::Text:
    case ColumnKind::Untyped:
    case ColumnKind::Other:
      break;
  }
  return readText(connection, statement, number);
}

}  // namespace

ResultSet runStatement(const Connection& connection, const std::string& sql,
                       const std::vector<Value>& parameters) {
  odbc::Handle statement;
  if (!statement.allocate(SQL_HANDLE_STMT, connection.odbcConnection().get()))
    connection.fail(odbc::diagnostics(connection.odbcConnection()));
  SQLSetStmtAttr(statement.get(), SQL_ATTR_QUERY_TIMEOUT,
                 reinterpret_cast<SQLPOINTER>(SQLULEN{Connection::queryTimeoutSeconds}), 0);
  std::vector<BoundParameter> bound;
  bindParameters(connection, statement, parameters, bound);
  std::string text = sql;
  const SQLRETURN rc = SQLExecDirect(statement.get(), reinterpret_cast<SQLCHAR*>(text.data()),
                                     static_cast<SQLINTEGER>(text.size()));
  ResultSet result;
  if (rc == SQL_NO_DATA) return result;
  check(rc, connection, statement);

  SQLSMALLINT columnCount = 0;
  check(SQLNumResultCols(statement.get(), &columnCount), connection, statement);
  const bool sqlite = connection.serverKind() == ServerKind::Sqlite;
  for (SQLSMALLINT i = 1; i <= columnCount; ++i)
    result.columns.push_back(describeColumn(statement, static_cast<SQLUSMALLINT>(i), sqlite));
  if (columnCount == 0) return result;

  while (true) {
    const SQLRETURN fetched = SQLFetch(statement.get());
    if (fetched == SQL_NO_DATA) break;
    check(fetched, connection, statement);
    std::vector<Value> row;
    row.reserve(result.columns.size());
    for (std::size_t i = 0; i < result.columns.size(); ++i)
      row.push_back(readValue(connection, statement, static_cast<SQLUSMALLINT>(i + 1), result.columns[i]));
    result.rows.push_back(std::move(row));
  }
  return result;
}

}  // namespace korvel::db
