// The report the designer works on, with its undo stack. Every change of
// the designer goes through here as one undoable command; listeners hear
// what changed so that the views can follow.
#pragma once

#include <QString>
#include <QUndoStack>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "engine/report.h"

namespace korvel::designer {

// Where an object lies: page, band and index in the band's print order.
struct ObjectPlace {
  std::size_t page = 0, band = 0, index = 0;
};

struct Change {
  enum Kind {
    Object,     // one object's properties (name is its new name, oldName the one before)
    Page,       // objects added or removed, band properties: redraw the page
    Variables,  // the variable list
    Report,     // a whole new report
  };
  Kind kind = Object;
  std::size_t page = 0;
  std::string name, oldName;
};

class DesignerDocument {
 public:
  explicit DesignerDocument(engine::Report& report);

  engine::Report& report() { return report_; }
  const engine::Report& report() const { return report_; }
  QUndoStack& undoStack() { return undoStack_; }
  void setListener(std::function<void(const Change&)> listener) { listener_ = std::move(listener); }

  // Objects are found by name without regard to case.
  std::optional<ObjectPlace> find(std::string_view name) const;
  engine::BandObject& object(const ObjectPlace& place);
  // Pages, bands and objects share one name space; `except` is the name
  // being replaced, which does not count.
  bool nameInUse(std::string_view name, std::string_view except = {}) const;
  // The first free name stem1, stem2, ...
  std::string freeName(std::string_view stem) const;

  // The changes. Each one is one undoable command; a change that changes
  // nothing is dropped.
  void changeObject(const engine::BandObject& before, const engine::BandObject& after, const QString& label);
  void addObject(std::size_t page, std::size_t band, engine::BandObject object);
  void deleteObject(std::string_view name);
  void changeBand(std::size_t page, std::size_t band, double height, bool grows);
  void changeVariable(std::size_t index, std::optional<Value> value);
  // Takes the pages, variables, datasets and options of another report
  // (opened from a file). Dataset bindings of the same name, the script and
  // the number of copies the caller set stay; undo history starts afresh.
  void replaceReport(engine::Report other);

 private:
  void push(const QString& label, std::function<void()> redo, std::function<void()> undo);
  void notify(const Change& change) const;
  void setObject(std::string_view name, const engine::BandObject& object);

  engine::Report& report_;
  QUndoStack undoStack_;
  std::function<void(const Change&)> listener_;
};

// Two objects with the same properties (the run-time value aside).
bool sameObject(const engine::BandObject& a, const engine::BandObject& b);

}  // namespace korvel::designer
