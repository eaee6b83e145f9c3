// Clean-up when the host unloads the library. On Windows DllMain's process
// detach runs it; elsewhere the destructor of a static object, which runs
// at dlclose (or at exit when the host never unloads).
#include <QCoreApplication>

#include "form/nakl_form.h"
#include "library/module_state.h"
#include "ui/current_application.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace korvel::library {

Application* SavedApplication = nullptr;

void unloadLibrary() noexcept {
  try {
    if (form::NaklFormInstance) {
      form::TNaklForm* form = form::NaklFormInstance;
      form::NaklFormInstance = nullptr;
      // Widgets may only be freed while the host's Qt application exists;
      // after it is gone the window system has already taken the window.
      if (QCoreApplication::instance()) delete form;
    }
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
