// The library's module state beside the form reference: the library's own
// application object, remembered when the host's is adopted.
#pragma once

#include "korvel/application.h"

namespace korvel::library {

// Null until the first call adopts the host's application object.
extern Application* SavedApplication;

// Frees the revision's form if one exists (release_form.cpp of each build).
void releaseForm();

// Frees a remaining form and gives the library its own application object
// back; run when the library is unloaded.
void unloadLibrary() noexcept;

}  // namespace korvel::library
