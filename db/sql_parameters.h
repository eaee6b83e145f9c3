// Named parameters (":name") of an SQL text turned into ODBC markers ('?'),
// so values are always bound and never pasted into the text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvel::db {

struct ParameterizedSql {
  std::string sql;                 // the text with every parameter replaced by '?'
  std::vector<std::string> names;  // parameter name of each marker, in order of the text
};

// A parameter is ':' followed by a letter or '_' and then letters, digits
// and '_', in code (not in literals or comments) and not preceded by a
// name character or another ':'.
ParameterizedSql parameterize(std::string_view sql);

}  // namespace korvel::db
