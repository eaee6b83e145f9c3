// Leading the preparation's names to the earlier revision's two reports.
#include "legacy/two_reports.h"

#include <variant>

namespace korvel::legacy {

namespace {

constexpr std::string_view kFirstPagePrefix = "cp_";

bool onFirstPage(std::string_view name) { return name.starts_with(kFirstPagePrefix); }

std::string_view withoutPrefix(std::string_view name) { return name.substr(kFirstPagePrefix.size()); }

bool holds(engine::Report& report, const engine::TextObject& object) {
  for (engine::Page& page : report.pages)
    for (engine::Band& band : page.bands)
      for (engine::BandObject& candidate : band.objects)
        if (std::get_if<engine::TextObject>(&candidate) == &object) return true;
  return false;
}

}  // namespace

void TwoReports::setVariable(std::string_view name, Value value) {
  if (onFirstPage(name))
    firstPage_.setVariable(withoutPrefix(name), std::move(value));
  else
    specification_.setVariable(name, std::move(value));
}

engine::TextObject& TwoReports::findText(std::string_view name) {
  return onFirstPage(name) ? firstPage_.findText(withoutPrefix(name)) : specification_.findText(name);
}

// An object of neither report (a working copy) is a first-page text: the
// preparation evaluates only the first page's totals and receiver.
void TwoReports::evaluate(engine::TextObject& object) {
  if (holds(specification_, object))
    specification_.evaluate(object);
  else
    firstPage_.evaluate(object);
}

void TwoReports::prepare() {
  (void)firstPage_.prepare();
  (void)specification_.prepare();
}

void TwoReports::setModified(bool modified) {
  firstPage_.setModified(modified);
  specification_.setModified(modified);
}

}  // namespace korvel::legacy
