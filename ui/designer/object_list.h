// The list of all pages, bands and objects of the report, to find and
// select any of them by name.
#pragma once

#include <QTreeWidget>
#include <cstddef>
#include <functional>
#include <string>

namespace korvel::designer {

class DesignerDocument;

class ObjectList : public QTreeWidget {
 public:
  struct Events {
    std::function<void(const std::string& name)> objectChosen;
    std::function<void(std::size_t page, std::size_t band)> bandChosen;
  };
  ObjectList(DesignerDocument& document, Events events, QWidget* parent);

  void reload();
  // Marks the object (or with an empty name the band) as current.
  void showSelection(const std::string& object, std::size_t page, std::size_t band);

 private:
  void chosen(QTreeWidgetItem* item);

  DesignerDocument& document_;
  Events events_;
  bool loading_ = false;
};

}  // namespace korvel::designer
