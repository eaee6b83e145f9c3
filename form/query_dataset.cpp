// Query fields as the report engine sees them.
#include "form/query_dataset.h"

#include "base/exception.h"

namespace korvel::form {

bool QueryDataset::hasField(std::string_view name) const { return query_.active() && query_.hasField(name); }

void QueryDataset::requireField(std::string_view name) const {
  if (!hasField(name)) throw EReportError(query_.name() + ": Field '" + std::string(name) + "' not found");
}

ValueType QueryDataset::fieldType(std::string_view name) const {
  requireField(name);
  return db::valueTypeOf(query_.fieldType(name));
}

Value QueryDataset::field(std::string_view name) const {
  requireField(name);
  return query_.value(name);
}

}  // namespace korvel::form
