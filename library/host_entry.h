// What the exports of both revisions share: adopting the host's application
// object once, and showing an error to the user the way the export does.
#pragma once

#include <functional>

#include "korvel/application.h"

namespace korvel::library {

// The first call with a host object makes it the library's application
// object and remembers the library's own (SavedApplication).
void adoptApplication(Application* host);

// Runs the body; any error that leaves it is shown in the simple message
// box as its class name, " ошибка с сообщением : " and its message.
void reportingErrors(const std::function<void()>& body) noexcept;

}  // namespace korvel::library
