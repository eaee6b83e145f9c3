// What the designer's page scene is made of: one item per band (its area
// and captioned strip) and one per text or line object inside it, drawn
// from the template as written.
#pragma once

#include <QGraphicsItem>
#include <QRectF>
#include <functional>
#include <string>

#include "engine/model.h"

namespace korvel::designer {

class DesignerDocument;

// Callbacks of the scene's items into the window.
struct ItemEvents {
  std::function<void(const std::string& name)> objectPressed;
  std::function<void(std::size_t page, std::size_t band)> bandPressed;
};

class BandItem : public QGraphicsItem {
 public:
  static constexpr double kCaptionMm = 5;

  BandItem(const engine::Band& band, std::size_t page, std::size_t index, double widthMm,
           const ItemEvents& events);

  QRectF boundingRect() const override;
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
  std::size_t page() const { return page_; }
  std::size_t index() const { return index_; }
  void setCurrent(bool current);

 protected:
  void mousePressEvent(QGraphicsSceneMouseEvent* event) override;

 private:
  engine::Band band_;  // without objects
  std::size_t page_, index_;
  double width_, height_;  // scene units
  const ItemEvents& events_;
  bool current_ = false;
};

class ObjectItem : public QGraphicsItem {
 public:
  ObjectItem(DesignerDocument& document, const engine::BandObject& object, const ItemEvents& events,
             QGraphicsItem* band);

  const std::string& name() const { return engine::objectName(object_); }
  // Takes the object's properties after a change.
  void sync(const engine::BandObject& object);

  QRectF boundingRect() const override;
  QPainterPath shape() const override;
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

 protected:
  void hoverMoveEvent(QGraphicsSceneHoverEvent* event) override;
  void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
  void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
  void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

 private:
  // Which edges a press at `point` (item coordinates) grabs; none = move.
  enum Edge { Left = 1, Right = 2, Top = 4, Bottom = 8 };
  int edgesAt(QPointF point) const;
  double handleSize() const;  // scene units for a few screen pixels
  void placeAt(const QRectF& mm);
  void paintText(QPainter* painter, const engine::TextObject& text) const;
  void paintLine(QPainter* painter, const engine::LineObject& line) const;
  void paintHandles(QPainter* painter) const;

  DesignerDocument& document_;
  engine::BandObject object_;
  const ItemEvents& events_;
  QRectF size_;  // (0, 0, width, height) in scene units

  // The drag in progress.
  engine::BandObject pressed_;
  QPointF pressPoint_;
  int dragEdges_ = 0;
  bool dragging_ = false;
};

const char* bandKindCaption(engine::BandKind kind);

}  // namespace korvel::designer
