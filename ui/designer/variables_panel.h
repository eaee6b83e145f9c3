// The report's variables by category, with their values (expressions as
// written), editable in place; each edit is one undoable change.
#pragma once

#include <QWidget>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace korvel::designer {

class DesignerDocument;

class VariablesPanel : public QWidget {
 public:
  VariablesPanel(DesignerDocument& document, QWidget* parent);

  // Reads the list again.
  void reload();
  QTreeWidget* tree() const { return tree_; }

 private:
  void valueEdited(QTreeWidgetItem* item, int column);
  void clearValue();

  DesignerDocument& document_;
  QTreeWidget* tree_;
  QPushButton* clear_;
  bool loading_ = false;
};

}  // namespace korvel::designer
