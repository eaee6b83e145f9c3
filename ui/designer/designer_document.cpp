// Designer changes as undo commands over the in-memory report.
#include "ui/designer/designer_document.h"

#include <QUndoCommand>
#include <tuple>
#include <utility>

#include "base/exception.h"

namespace korvel::designer {

namespace {

// A change as two actions: doing it and taking it back.
class ActionCommand : public QUndoCommand {
 public:
  ActionCommand(const QString& label, std::function<void()> redo, std::function<void()> undo)
      : QUndoCommand(label), redo_(std::move(redo)), undo_(std::move(undo)) {}
  void redo() override { redo_(); }
  void undo() override { undo_(); }

 private:
  std::function<void()> redo_, undo_;
};

auto properties(const engine::TextObject& t) {
  return std::tie(t.name, t.left, t.top, t.width, t.height, t.lines, t.font, t.frame, t.halign, t.valign,
                  t.wrap, t.grow, t.autoWidth, t.shift, t.neighbour, t.format, t.decimalSeparator,
                  t.hideZeros, t.lineSpacingPx, t.onBeforePrint, t.onAfterPrint, t.literal);
}

auto properties(const engine::LineObject& l) {
  return std::tie(l.name, l.left, l.top, l.width, l.height, l.direction, l.lineWidthPx, l.shift);
}

}  // namespace

bool sameObject(const engine::BandObject& a, const engine::BandObject& b) {
  if (a.index() != b.index()) return false;
  if (const auto* text = std::get_if<engine::TextObject>(&a))
    return properties(*text) == properties(std::get<engine::TextObject>(b));
  return properties(std::get<engine::LineObject>(a)) == properties(std::get<engine::LineObject>(b));
}

DesignerDocument::DesignerDocument(engine::Report& report) : report_(report) {}

std::optional<ObjectPlace> DesignerDocument::find(std::string_view name) const {
  for (std::size_t p = 0; p < report_.pages.size(); ++p) {
    const auto& bands = report_.pages[p].bands;
    for (std::size_t b = 0; b < bands.size(); ++b)
      for (std::size_t i = 0; i < bands[b].objects.size(); ++i)
        if (engine::sameName(engine::objectName(bands[b].objects[i]), name)) return ObjectPlace{p, b, i};
  }
  return std::nullopt;
}

engine::BandObject& DesignerDocument::object(const ObjectPlace& place) {
  return report_.pages.at(place.page).bands.at(place.band).objects.at(place.index);
}

bool DesignerDocument::nameInUse(std::string_view name, std::string_view except) const {
  if (!except.empty() && engine::sameName(name, except)) return false;
  for (const auto& page : report_.pages) {
    if (engine::sameName(page.name, name)) return true;
    for (const auto& band : page.bands) {
      if (engine::sameName(band.name, name)) return true;
      for (const auto& object : band.objects)
        if (engine::sameName(engine::objectName(object), name)) return true;
    }
  }
  return false;
}

std::string DesignerDocument::freeName(std::string_view stem) const {
  for (int number = 1;; ++number) {
    std::string name = std::string(stem) + std::to_string(number);
    if (!nameInUse(name)) return name;
  }
}

void DesignerDocument::push(const QString& label, std::function<void()> redo, std::function<void()> undo) {
  undoStack_.push(new ActionCommand(label, std::move(redo), std::move(undo)));
}

void DesignerDocument::notify(const Change& change) const {
  if (listener_) listener_(change);
}

void DesignerDocument::setObject(std::string_view name, const engine::BandObject& object) {
  const auto place = find(name);
  if (!place) throw EReportError(std::string(name) + ": object not found");
  Change change{Change::Object, place->page, engine::objectName(object), std::string(name)};
  this->object(*place) = object;
  notify(change);
}

void DesignerDocument::changeObject(const engine::BandObject& before, const engine::BandObject& after,
                                    const QString& label) {
  if (sameObject(before, after)) return;
  const std::string oldName = engine::objectName(before), newName = engine::objectName(after);
  push(
      label, [=, this] { setObject(oldName, after); }, [=, this] { setObject(newName, before); });
}

void DesignerDocument::addObject(std::size_t page, std::size_t band, engine::BandObject object) {
  const std::string name = engine::objectName(object);
  push(
      QStringLiteral("Добавление объекта %1").arg(QString::fromStdString(name)),
      [=, this] {
        auto& objects = report_.pages.at(page).bands.at(band).objects;
        objects.push_back(object);
        notify({Change::Page, page, name, name});
      },
      [=, this] {
        auto& objects = report_.pages.at(page).bands.at(band).objects;
        objects.pop_back();
        notify({Change::Page, page, name, name});
      });
}

void DesignerDocument::deleteObject(std::string_view name) {
  const auto place = find(name);
  if (!place) return;
  const engine::BandObject object = this->object(*place);
  const ObjectPlace at = *place;
  const std::string objectName = engine::objectName(object);
  push(
      QStringLiteral("Удаление объекта %1").arg(QString::fromStdString(objectName)),
      [=, this] {
        auto& objects = report_.pages.at(at.page).bands.at(at.band).objects;
        objects.erase(objects.begin() + static_cast<std::ptrdiff_t>(at.index));
        notify({Change::Page, at.page, objectName, objectName});
      },
      [=, this] {
        auto& objects = report_.pages.at(at.page).bands.at(at.band).objects;
        objects.insert(objects.begin() + static_cast<std::ptrdiff_t>(at.index), object);
        notify({Change::Page, at.page, objectName, objectName});
      });
}

void DesignerDocument::changeBand(std::size_t page, std::size_t band, double height, bool grows) {
  engine::Band& target = report_.pages.at(page).bands.at(band);
  const double oldHeight = target.height;
  const bool oldGrows = target.grows;
  if (oldHeight == height && oldGrows == grows) return;
  const auto set = [=, this](double h, bool g) {
    engine::Band& b = report_.pages.at(page).bands.at(band);
    b.height = h;
    b.grows = g;
    notify({Change::Page, page, b.name, b.name});
  };
  push(
      QStringLiteral("Изменение бэнда %1").arg(QString::fromStdString(target.name)),
      [=] { set(height, grows); }, [=] { set(oldHeight, oldGrows); });
}

void DesignerDocument::changeVariable(std::size_t index, std::optional<Value> value) {
  const engine::VariableEntry& entry = report_.variables.at(index);
  const std::optional<Value> old = entry.value;
  if (old == value) return;
  const auto set = [=, this](const std::optional<Value>& v) {
    engine::VariableEntry& e = report_.variables.at(index);
    e.value = v;
    notify({Change::Variables, 0, e.name, e.name});
  };
  push(
      QStringLiteral("Изменение переменной %1").arg(QString::fromStdString(entry.name)), [=] { set(value); },
      [=] { set(old); });
}

void DesignerDocument::replaceReport(engine::Report other) {
  for (auto& entry : other.datasets)
    if (const engine::DatasetEntry* old = report_.findDataset(entry.name)) entry.bound = old->bound;
  const int copies = report_.options.copies;
  report_.options = std::move(other.options);
  report_.options.copies = copies;
  report_.datasets = std::move(other.datasets);
  report_.variables = std::move(other.variables);
  report_.pages = std::move(other.pages);
  undoStack_.clear();
  notify({Change::Report, 0, {}, {}});
}

}  // namespace korvel::designer
