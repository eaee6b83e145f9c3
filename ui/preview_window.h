// The modal preview of a prepared report: the pages at 100 % one below the
// other, a Print button and an Edit button (enabled once an edit action is
// given).
// PgUp/PgDn step through the pages, Home/End go to the first/last one, the
// mouse wheel scrolls.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "engine/prepared.h"

class QPushButton;
class QScrollArea;

namespace korvel::ui {

class PreviewWindow : public QDialog {
 public:
  // print: prints every page; returns an error text, empty on success.
  PreviewWindow(const engine::PreparedReport& report, std::function<std::string()> print, QWidget* parent);

  // Enables Edit, which then runs the action.
  void setEditAction(std::function<void()> edit);
  // Shows another prepared report in place of the current one.
  void showReport(const engine::PreparedReport& report);

  QPushButton* printButton() const { return printButton_; }
  QPushButton* editButton() const { return editButton_; }
  QScrollArea* pageArea() const { return pageArea_; }
  // The page shown at the top of the view, from 0.
  int currentPage() const;
  void showPage(int index);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void printPressed();
  void buildSheets();

  const engine::PreparedReport* report_;
  std::function<std::string()> print_;
  std::function<void()> edit_;
  QPushButton* printButton_;
  QPushButton* editButton_;
  QScrollArea* pageArea_;
  std::vector<QWidget*> pages_;
};

}  // namespace korvel::ui
