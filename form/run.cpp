// Run: opens the document's header and lines and previews the template.
#include "form/nakl_form.h"

namespace korvel::form {

void TNaklForm::Run() {
  PrCapQuery.setParam("IdDoc", Value::integer(Settings.IdDoc));
  PrCapQuery.open();
  ADOPrStrQuery.setParam("IdDoc", Value::integer(Settings.IdDoc));
  ADOPrStrQuery.open();
  showReport();
}

}  // namespace korvel::form
