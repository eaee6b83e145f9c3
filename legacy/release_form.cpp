// Freeing the earlier revision's one form when the library is unloaded.
#include <QCoreApplication>

#include "legacy/earlier_form.h"
#include "library/module_state.h"

namespace korvel::library {

void releaseForm() {
  if (!legacy::EarlierFormInstance) return;
  legacy::TNaklForm* form = legacy::EarlierFormInstance;
  legacy::EarlierFormInstance = nullptr;
  // Widgets may only be freed while the host's Qt application exists.
  if (QCoreApplication::instance()) delete form;
}

}  // namespace korvel::library
