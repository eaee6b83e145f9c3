// Handler lookup of HandlerTableScript; names match without regard to case.
#pragma once

#include <algorithm>
#include <cctype>
#include <vector>

#include "base/exception.h"

namespace korvel::engine {

template <typename State>
void HandlerTableScript<State>::call(std::string_view handler, ScriptContext& context) {
  auto sameName = [&](const auto& entry) {
    return std::equal(entry.first.begin(), entry.first.end(), handler.begin(), handler.end(),
                      [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); });
  };
  auto it = std::find_if(table_.begin(), table_.end(), sameName);
  if (it == table_.end()) throw EReportError("Unknown script handler '" + std::string(handler) + "'");
  it->second(state_, context);
}

}  // namespace korvel::engine
