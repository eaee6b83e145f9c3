// One report page on a graphics scene: the paper, its bands one under the
// other with their captions, and every object of each band.
#pragma once

#include <QGraphicsScene>
#include <QGraphicsView>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "ui/designer/scene_items.h"

namespace korvel::designer {

class DesignerDocument;

class PageScene : public QGraphicsScene {
 public:
  PageScene(DesignerDocument& document, std::size_t page, ItemEvents events, QObject* parent);

  std::size_t page() const { return page_; }
  // Draws the page afresh from the report.
  void rebuild();
  ObjectItem* item(const std::string& name) const;
  BandItem* bandItem(std::size_t band) const;
  // Marks the object (or, with an empty name, the band; npos: nothing) as selected.
  void showSelection(const std::string& object, std::size_t band);
  // Takes one object's properties after a change.
  void syncObject(const std::string& oldName, const engine::BandObject& object);

 private:
  DesignerDocument& document_;
  std::size_t page_;
  ItemEvents events_;
  std::vector<BandItem*> bands_;
  std::vector<ObjectItem*> objects_;
};

// The view of a page: zoom, arrow keys and Delete go to the window.
class PageView : public QGraphicsView {
 public:
  struct Keys {
    std::function<void(double dxMm, double dyMm, bool resize)> step;
    std::function<void()> remove;
    std::function<void(int steps)> zoom;  // Ctrl + wheel
  };
  PageView(PageScene* scene, Keys keys, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  Keys keys_;
};

}  // namespace korvel::designer
