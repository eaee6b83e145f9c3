// Freeing the current revision's one form when the library is unloaded.
#include <QCoreApplication>

#include "form/nakl_form.h"
#include "library/module_state.h"

namespace korvel::library {

void releaseForm() {
  if (!form::NaklFormInstance) return;
  form::TNaklForm* form = form::NaklFormInstance;
  form::NaklFormInstance = nullptr;
  // Widgets may only be freed while the host's Qt application exists;
  // after it is gone the window system has already taken the window.
  if (QCoreApplication::instance()) delete form;
}

}  // namespace korvel::library
