// An in-memory dataset for engine tests: named, typed columns and rows of
// values (null allowed).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "base/exception.h"
#include "engine/dataset.h"
#include "engine/model.h"

namespace korvel::engine::testing {

class VectorDataset : public Dataset {
 public:
  using Column = std::pair<std::string, ValueType>;
  VectorDataset(std::vector<Column> columns, std::vector<std::vector<Value>> rows)
      : columns_(std::move(columns)), rows_(std::move(rows)) {}

  void first() override { row_ = 0; }
  void next() override { ++row_; }
  bool eof() const override { return row_ >= rows_.size(); }
  int recordCount() const override { return static_cast<int>(rows_.size()); }
  bool hasField(std::string_view name) const override { return index(name) < columns_.size(); }
  ValueType fieldType(std::string_view name) const override { return columns_.at(checked(name)).second; }
  Value field(std::string_view name) const override { return rows_.at(row_).at(checked(name)); }

 private:
  std::size_t index(std::string_view name) const {
    for (std::size_t i = 0; i < columns_.size(); ++i)
      if (sameName(columns_[i].first, name)) return i;
    return columns_.size();
  }
  std::size_t checked(std::string_view name) const {
    std::size_t i = index(name);
    if (i == columns_.size()) throw EReportError("no field " + std::string(name));
    return i;
  }

  std::vector<Column> columns_;
  std::vector<std::vector<Value>> rows_;
  std::size_t row_ = 0;
};

}  // namespace korvel::engine::testing
