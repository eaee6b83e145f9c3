// The library's current application object: the host's once adopted, the
// library's own before that. Every window, message box and error report
// of the library goes through it.
#pragma once

#include "korvel/application.h"

namespace korvel::ui {

Application& currentApplication();
// Null goes back to the library's own application object.
void setCurrentApplication(Application* application);
Application& ownApplication();

}  // namespace korvel::ui
