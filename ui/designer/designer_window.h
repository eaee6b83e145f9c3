// The report designer: a modal window over the preview that edits the
// in-memory report in place. Pages as tabs, the object list and variables
// on the left, properties on the right; every change can be undone.
#pragma once

#include <QDialog>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/report.h"
#include "ui/designer/designer_document.h"

class QAction;
class QComboBox;
class QLabel;
class QTabWidget;

namespace korvel {
class PreviewDocument;
}

namespace korvel::designer {

class ObjectList;
class PageScene;
class PageView;
class PropertyPanel;
class VariablesPanel;

class DesignerWindow : public QDialog {
 public:
  // Shows a prepared report from the designer; by default the modal preview.
  using PreviewPresenter = std::function<void(PreviewDocument& document, QWidget* parent)>;

  DesignerWindow(engine::Report& report, QWidget* parent);
  ~DesignerWindow() override;

  DesignerDocument& document() { return document_; }
  void setPreviewPresenter(PreviewPresenter presenter) { presenter_ = std::move(presenter); }

  // Selection: one object, or one band (object name empty), or nothing.
  // reveal: scroll the page to the object (not when it was clicked there).
  void selectObject(const std::string& name, bool reveal = true);
  void selectBand(std::size_t page, std::size_t band);
  void clearSelection();
  const std::string& selectedObject() const { return selectedObject_; }

  // The commands of the toolbar and the keys.
  void addText();
  void addLine();
  void deleteSelected();
  void stepSelected(double dxMm, double dyMm, bool resize);
  void setZoom(double zoom);
  double zoom() const { return zoom_; }
  void preview();
  void print();
  // Template files in the engine's storage format; errors are reported and
  // give false.
  bool saveTo(const std::string& path);
  bool openFrom(const std::string& path);

  PropertyPanel* properties() const { return properties_; }
  VariablesPanel* variables() const { return variables_; }
  ObjectList* objectList() const { return objectList_; }
  QTabWidget* pageTabs() const { return pageTabs_; }
  PageScene* pageScene(std::size_t page) const { return scenes_.at(page); }
  PageView* pageView(std::size_t page) const { return views_.at(page); }

 private:
  void makeToolBar(QWidget* bar);
  void buildPages();
  void changed(const Change& change);
  void showSelection();
  void revealSelection();
  void updateStatus();
  void zoomStep(int steps);
  void openFile();
  void saveFile();
  void reportError(const std::exception& error);

  DesignerDocument document_;
  PreviewPresenter presenter_;
  std::string selectedObject_;
  std::size_t selectedPage_ = 0, selectedBand_ = 0;
  bool bandSelected_ = false;
  double zoom_ = 1;

  QTabWidget* pageTabs_;
  std::vector<PageScene*> scenes_;
  std::vector<PageView*> views_;
  ObjectList* objectList_;
  VariablesPanel* variables_;
  PropertyPanel* properties_;
  QComboBox* zoomBox_;
  QLabel* status_;
};

// Opens the designer on the report, modal over parent, and returns when the
// user closes it. The preview's Edit button runs this.
void openDesigner(engine::Report& report, QWidget* parent);

}  // namespace korvel::designer
