// An in-memory dataset for preparing the waybill template without a
// database: named, typed columns and rows of values.
#pragma once

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/exception.h"
#include "engine/dataset.h"

namespace korvel::report::testing {

class MemoryDataset : public engine::Dataset {
 public:
  struct Column {
    std::string name;
    ValueType type;
  };

  explicit MemoryDataset(std::vector<Column> columns) : columns_(std::move(columns)) {}

  // Adds a record: one value per column, in column order.
  void add(std::vector<Value> row) {
    if (row.size() != columns_.size()) throw EReportError("record does not match the columns");
    rows_.push_back(std::move(row));
  }

  void first() override { current_ = 0; }
  void next() override {
    if (current_ < rows_.size()) ++current_;
  }
  bool eof() const override { return current_ >= rows_.size(); }
  int recordCount() const override { return static_cast<int>(rows_.size()); }

  bool hasField(std::string_view name) const override { return find(name) != columns_.size(); }
  ValueType fieldType(std::string_view name) const override { return columns_[index(name)].type; }
  Value field(std::string_view name) const override {
    std::size_t column = index(name);
    if (eof()) throw EReportError(std::string(name) + ": no current record");
    return rows_[current_][column];
  }

 private:
  static bool sameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
  }
  std::size_t find(std::string_view name) const {
    auto it = std::ranges::find_if(columns_, [&](const Column& c) { return sameName(c.name, name); });
    return static_cast<std::size_t>(it - columns_.begin());
  }
  std::size_t index(std::string_view name) const {
    std::size_t column = find(name);
    if (column == columns_.size()) throw EReportError(std::string(name) + ": field not found");
    return column;
  }

  std::vector<Column> columns_;
  std::vector<std::vector<Value>> rows_;
  std::size_t current_ = 0;
};

}  // namespace korvel::report::testing
