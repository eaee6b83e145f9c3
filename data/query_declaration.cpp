// Building database queries from their declarations.
#include "data/query_declaration.h"

#include <string>
#include <vector>

namespace korvel::data {

db::Query makeQuery(const QueryDecl& decl, db::Connection& connection) {
  db::Query query(std::string(decl.name), &connection);
  query.setSql(std::vector<std::string>(decl.sql.begin(), decl.sql.end()));
  std::vector<db::ParamDef> params;
  for (const auto& param : decl.params) params.push_back(db::ParamDef{std::string(param.name), param.type});
  query.setParamDefs(std::move(params));
  std::vector<db::FieldDef> fields;
  for (const auto& field : decl.fields)
    fields.push_back(db::FieldDef{std::string(field.name), field.type, field.size, field.readOnly});
  query.setFieldDefs(std::move(fields));
  return query;
}

}  // namespace korvel::data
