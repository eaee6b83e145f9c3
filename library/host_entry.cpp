// Adoption of the host's application object and the export's error box.
#include "library/host_entry.h"

#include <exception>
#include <new>
#include <string>

#include "base/exception.h"
#include "library/module_state.h"
#include "ui/current_application.h"

namespace korvel::library {

namespace {

void report(const std::string& className, const std::string& message) {
  try {
    ui::currentApplication().showMessage(className + " ошибка с сообщением : " + message);
  } catch (...) {
    // The host's own message box failed; there is nobody left to tell.
  }
}

}  // namespace

void adoptApplication(Application* host) {
  if (SavedApplication || !host) return;
  SavedApplication = &ui::currentApplication();
  ui::setCurrentApplication(host);
}

void reportingErrors(const std::function<void()>& body) noexcept {
  try {
    body();
  } catch (const Exception& error) {
    report(error.className(), error.message());
  } catch (const std::bad_alloc&) {
    report("EOutOfMemory", "Out of memory");
  } catch (const std::exception& error) {
    report("Exception", error.what());
  } catch (...) {
    report("Exception", "Unknown error");
  }
}

}  // namespace korvel::library
