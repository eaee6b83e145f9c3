// Clean-up when the host unloads the library. On Windows DllMain's process
// detach runs it; elsewhere the destructor of a static object, which runs
// at dlclose (or at exit when the host never unloads).
#include "library/module_state.h"
#include "ui/current_application.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace korvel::library {

Application* SavedApplication = nullptr;

void unloadLibrary() noexcept {
  try {
    releaseForm();
  } catch (...) {
    // Freeing the form must not keep the application object from coming back.
  }
  if (SavedApplication) ui::setCurrentApplication(SavedApplication);
}

}  // namespace korvel::library

#if defined(_WIN32)
BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_DETACH) korvel::library::unloadLibrary();
  return TRUE;
}
#else
namespace {
struct UnloadHandler {
  ~UnloadHandler() { korvel::library::unloadLibrary(); }
} unloadHandler;
}  // namespace
#endif
