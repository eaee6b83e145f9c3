// A dataset link: the report engine reads a database query through it
// (the form's frxDatasetADOPrCap and frxDatasetADOPrSt).
#pragma once

#include "db/query.h"
#include "engine/dataset.h"

namespace korvel::form {

class QueryDataset : public engine::Dataset {
 public:
  explicit QueryDataset(db::Query& query) : query_(query) {}

  void first() override { query_.first(); }
  void next() override { query_.next(); }
  bool eof() const override { return !query_.active() || query_.eof(); }
  int recordCount() const override { return query_.active() ? query_.recordCount() : 0; }

  bool hasField(std::string_view name) const override;
  ValueType fieldType(std::string_view name) const override;
  Value field(std::string_view name) const override;

 private:
  void requireField(std::string_view name) const;
  db::Query& query_;
};

}  // namespace korvel::form
