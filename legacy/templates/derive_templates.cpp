// The transformation of the current template into the earlier two.
#include "legacy/templates/derive_templates.h"

#include <algorithm>
#include <set>

#include "base/exception.h"
#include "engine/storage.h"

namespace korvel::legacy {

namespace {

using engine::Band;
using engine::BandObject;
using engine::Page;
using engine::Report;
using engine::TextObject;

constexpr std::string_view kPrefix = "cp_";

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

void useEarlierDatasets(Report& report) {
  report.datasets = {{"frxDatasetPrCap", "frxDatasetPrCap"},
                     {"frxDatasetPrStr", "frxDatasetPrStr"},
                     {"frxDBDataset1", "frxDBDataset1"}};
}

Page takePage(Report& report, std::string_view name) {
  auto page = std::find_if(report.pages.begin(), report.pages.end(),
                           [&](const Page& p) { return engine::sameName(p.name, name); });
  if (page == report.pages.end()) throw EReportError("The current template has no page " + std::string(name));
  Page kept = std::move(*page);
  report.pages.clear();
  return kept;
}

// The variables of one category, the category entry itself renamed.
void keepCategory(Report& report, std::string_view category, std::string_view newName) {
  std::vector<engine::VariableEntry> kept;
  bool inside = false;
  for (engine::VariableEntry& entry : report.variables) {
    if (entry.isCategory()) {
      inside = entry.name == category;
      if (inside) kept.push_back({std::string(newName), std::nullopt});
    } else if (inside) {
      kept.push_back(std::move(entry));
    }
  }
  report.variables = std::move(kept);
}

void dropCategory(Report& report, std::string_view category) {
  std::vector<engine::VariableEntry> kept;
  bool inside = false;
  for (engine::VariableEntry& entry : report.variables) {
    if (entry.isCategory()) inside = entry.name == category;
    if (!inside) kept.push_back(std::move(entry));
  }
  report.variables = std::move(kept);
}

std::string& nameOf(BandObject& object) {
  return std::visit([](auto& o) -> std::string& { return o.name; }, object);
}

TextObject& textNamed(Page& page, std::string_view name) {
  for (Band& band : page.bands)
    for (BandObject& object : band.objects)
      if (auto* text = std::get_if<TextObject>(&object); text && engine::sameName(text->name, name))
        return *text;
  throw EReportError("The current template has no text object " + std::string(name));
}

Band& bandNamed(Page& page, std::string_view name) {
  for (Band& band : page.bands)
    if (engine::sameName(band.name, name)) return band;
  throw EReportError("The current template has no band " + std::string(name));
}

void stripPrefixes(Page& page) {
  std::set<std::string> taken;
  for (Band& band : page.bands) {
    taken.insert(band.name);
    for (BandObject& object : band.objects) taken.insert(nameOf(object));
  }
  auto strip = [&](std::string& name) {
    if (!name.starts_with(kPrefix)) return;
    std::string stripped = name.substr(kPrefix.size());
    if (taken.contains(stripped)) return;
    taken.insert(stripped);
    name = std::move(stripped);
  };
  for (Band& band : page.bands) {
    strip(band.name);
    for (BandObject& object : band.objects) {
      strip(nameOf(object));
      if (auto* text = std::get_if<TextObject>(&object))
        for (std::string& line : text->lines) {
          replaceAll(line, "[cp_", "[");
          replaceAll(line, "<cp_", "<");
        }
    }
  }
}

TextObject caption(std::string name, double left, double top, double width, double height, std::string text) {
  TextObject object;
  object.name = std::move(name);
  object.left = left;
  object.top = top;
  object.width = width;
  object.height = height;
  object.font = {"Arial", 7, false};
  object.lines = {std::move(text)};
  return object;
}

TextObject box(std::string name, double left, double top, double width, double height,
               std::vector<std::string> lines, bool allSides) {
  TextObject object = caption(std::move(name), left, top, width, height, "");
  object.lines = std::move(lines);
  object.frame.bottom = true;
  if (allSides) object.frame.left = object.frame.right = object.frame.top = true;
  return object;
}

void addEarlierBoxes(Page& page) {
  Band& title = bandNamed(page, "ReportTitle1");
  title.objects.push_back(caption("Memo401", 60, 31, 27, 3.5, "Владелец автомобиля"));
  title.objects.push_back(box("Memo28", 87, 31, 58, 3.5, {"[frxDatasetPrCap.\"OwnAvto\"]"}, false));
  title.objects.push_back(caption("Memo402", 60, 36.5, 36, 3.5, "Количество ездок (заездов)"));
  title.objects.push_back(box("Memo403", 96, 36, 14, 4.5, {}, true));
  Band& summary = bandNamed(page, "ReportSummary1");
  summary.objects.push_back(caption("Memo404", 1, 34.5, 48, 3.5, "Штамп (печать) грузоотправителя"));
  summary.objects.push_back(caption("Memo405", 150, 35.5, 40, 3.5, "Штамп (печать) грузополучателя"));
}

}  // namespace

std::string deriveFirstPageTemplate(std::string_view currentTemplateXml) {
  Report report = engine::loadReport(currentTemplateXml);
  report.options.name = "frxReport1";
  useEarlierDatasets(report);
  Page page = takePage(report, "CapPage");
  stripPrefixes(page);
  keepCategory(report, " cpVariables", " Variables");
  std::erase_if(report.variables, [](const engine::VariableEntry& v) { return v.name == "cp_Agreement"; });
  for (engine::VariableEntry& variable : report.variables)
    if (variable.name.starts_with(kPrefix)) variable.name.erase(0, kPrefix.size());
  textNamed(page, "Memo39").lines = {"[frxDatasetPrCap.\"Dogovor\"]"};
  addEarlierBoxes(page);
  report.pages.push_back(std::move(page));
  return engine::saveReport(report);
}

std::string deriveSpecificationTemplate(std::string_view currentTemplateXml) {
  Report report = engine::loadReport(currentTemplateXml);
  report.options.name = "frxReport2";
  useEarlierDatasets(report);
  Page page = takePage(report, "SpecPage");
  dropCategory(report, " cpVariables");
  textNamed(page, "Memo388").lines = {"[Page]"};
  textNamed(page, "Memo391").lines = {"[<Page#>]"};
  textNamed(page, "Memo16").lines = {"Кол-во груз-х мест"};
  bandNamed(page, "MasterData1").height = 22;
  textNamed(page, "NamePredpr").height = 3.5;
  textNamed(page, "Memo92").lines.clear();
  engine::TextObject& vat = textNamed(page, "Memo93");
  vat.lines.clear();
  vat.decimalSeparator.reset();
  report.pages.push_back(std::move(page));
  return engine::saveReport(report);
}

}  // namespace korvel::legacy
