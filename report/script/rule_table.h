// The mechanism of the pricing tables: rows of (section, condition, outcome)
// walked in order, the first row that applies wins. A section is the pair of
// tests every pricing script makes first: `Usl` 0 or not, `CenPriobr` 0 or not.
#pragma once

#include <functional>
#include <vector>

namespace korvel::report::script {

enum class Section {
  UslZeroCenPriobrZero,
  UslZeroCenPriobrSet,
  UslSetCenPriobrZero,
  UslSetCenPriobrSet,
};

inline Section sectionOf(double Usl, double CenPriobr) {
  if (Usl == 0) return CenPriobr == 0 ? Section::UslZeroCenPriobrZero : Section::UslZeroCenPriobrSet;
  return CenPriobr == 0 ? Section::UslSetCenPriobrZero : Section::UslSetCenPriobrSet;
}

template <typename Input, typename Outcome>
struct Rule {
  int row;  // the row number the users' pricing tables give it
  Section section;
  std::function<bool(const Input&)> applies;
  Outcome outcome;
};

template <typename Input, typename Outcome>
using RuleTable = std::vector<Rule<Input, Outcome>>;

// The first rule of the input's section whose condition holds; nullptr when
// none does (the script then leaves its results as they were).
template <typename Input, typename Outcome>
const Rule<Input, Outcome>* findRule(const RuleTable<Input, Outcome>& table, Section section,
                                     const Input& input) {
  for (const auto& rule : table)
    if (rule.section == section && rule.applies(input)) return &rule;
  return nullptr;
}

}  // namespace korvel::report::script
