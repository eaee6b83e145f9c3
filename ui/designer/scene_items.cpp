// Drawing of bands and objects on the page scene, and dragging objects
// with the mouse to move them or, by an edge or corner, to resize them.
#include "ui/designer/scene_items.h"

#include <QCursor>
#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <algorithm>
#include <vector>

#include "engine/fonts.h"
#include "ui/designer/designer_document.h"
#include "ui/designer/scene_units.h"

namespace korvel::designer {

namespace {

const QColor kCaptionColour(222, 229, 238);
const QColor kCurrentCaptionColour(250, 214, 140);
const QColor kGuideColour(170, 178, 190);
const QColor kGridColour(205, 210, 218);
const QColor kHandleColour(30, 80, 170);
constexpr double kGridMm = 5;

QFont sceneFont(const engine::Font& font) {
  QFont qt = engine::qtFont(font);
  qt.setPixelSize(std::max(1, qRound(engine::effectiveSizePt(font) * 96.0 / 72.0)));
  return qt;
}

QRectF rectOf(const engine::BandObject& object) {
  return std::visit([](const auto& o) { return QRectF(o.left, o.top, o.width, o.height); }, object);
}

QString bandCaption(const engine::Band& band) {
  QString caption = QString::fromStdString(band.name) + QStringLiteral(": ") +
                    QString::fromUtf8(bandKindCaption(band.kind));
  if (!band.dataset.empty()) caption += QStringLiteral(" (%1)").arg(QString::fromStdString(band.dataset));
  if (band.grows) caption += QStringLiteral(", растягивается");
  return caption;
}

}  // namespace

const char* bandKindCaption(engine::BandKind kind) {
  switch (kind) {
    case engine::BandKind::ReportTitle:
      return "Заголовок отчёта";
    case engine::BandKind::PageHeader:
      return "Заголовок страницы";
    case engine::BandKind::MasterData:
      return "Данные";
    case engine::BandKind::PageFooter:
      return "Подвал страницы";
    case engine::BandKind::ReportSummary:
      return "Подвал отчёта";
  }
  return "";
}

BandItem::BandItem(const engine::Band& band, std::size_t page, std::size_t index, double widthMm,
                   const ItemEvents& events)
    : band_{band.name, band.kind, band.height, band.grows, band.dataset, {}, {}},
      page_(page),
      index_(index),
      width_(sceneFromMm(widthMm)),
      height_(sceneFromMm(band.height)),
      events_(events) {}

QRectF BandItem::boundingRect() const {
  const double caption = sceneFromMm(kCaptionMm);
  return QRectF(0, -caption, width_, caption + height_).adjusted(-1, -1, 1, 1);
}

void BandItem::setCurrent(bool current) {
  current_ = current;
  update();
}

void BandItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
  const double caption = sceneFromMm(kCaptionMm);
  const QRectF strip(0, -caption, width_, caption);
  painter->fillRect(strip, current_ ? kCurrentCaptionColour : kCaptionColour);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(11);
  painter->setFont(font);
  painter->setPen(QColor(40, 50, 70));
  painter->drawText(strip.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, bandCaption(band_));

  std::vector<QPointF> grid;
  const double step = sceneFromMm(kGridMm);
  for (double y = step; y < height_; y += step)
    for (double x = step; x < width_; x += step) grid.emplace_back(x, y);
  QPen dots(kGridColour, 1);
  dots.setCosmetic(true);
  painter->setPen(dots);
  painter->drawPoints(grid.data(), static_cast<int>(grid.size()));

  QPen guide(kGuideColour, 1, Qt::DashLine);
  guide.setCosmetic(true);
  painter->setPen(guide);
  painter->drawRect(QRectF(0, 0, width_, height_));
}

void BandItem::mousePressEvent(QGraphicsSceneMouseEvent* event) {
  if (events_.bandPressed) events_.bandPressed(page_, index_);
  event->accept();
}

ObjectItem::ObjectItem(DesignerDocument& document, const engine::BandObject& object, const ItemEvents& events,
                       QGraphicsItem* band)
    : QGraphicsItem(band), document_(document), events_(events) {
  setFlag(ItemIsSelectable);
  setAcceptHoverEvents(true);
  sync(object);
}

void ObjectItem::sync(const engine::BandObject& object) {
  object_ = object;
  std::visit(
      [this](const auto& o) {
        prepareGeometryChange();
        setPos(sceneFromMm(o.left), sceneFromMm(o.top));
        size_ = QRectF(0, 0, sceneFromMm(o.width), sceneFromMm(o.height));
      },
      object_);
  update();
}

void ObjectItem::placeAt(const QRectF& mm) {
  std::visit(
      [&](auto& o) {
        o.left = roundMm(mm.left());
        o.top = roundMm(mm.top());
        o.width = roundMm(mm.width());
        o.height = roundMm(mm.height());
      },
      object_);
  sync(engine::BandObject(object_));
}

double ObjectItem::handleSize() const {
  double zoom = 1;
  if (scene() && !scene()->views().isEmpty()) zoom = scene()->views().front()->transform().m11();
  return 6 / std::max(zoom, 0.05);
}

QRectF ObjectItem::boundingRect() const {
  const double pad = handleSize();
  return size_.adjusted(-pad, -pad, pad, pad);
}

QPainterPath ObjectItem::shape() const {
  QPainterPath path;
  // A selected object is grabbed by its handles too, which stick out.
  const bool grips = isSelected() || std::holds_alternative<engine::LineObject>(object_);
  const double pad = grips ? handleSize() / 2 : 0;
  path.addRect(size_.adjusted(-pad, -pad, pad, pad));
  return path;
}

void ObjectItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
  if (const auto* text = std::get_if<engine::TextObject>(&object_))
    paintText(painter, *text);
  else
    paintLine(painter, std::get<engine::LineObject>(object_));
  if (isSelected()) paintHandles(painter);
}

void ObjectItem::paintText(QPainter* painter, const engine::TextObject& text) const {
  painter->save();
  if (text.frame.any()) {
    QPen pen(Qt::black, text.frame.widthPx);
    if (text.frame.widthPx < 1) {
      pen.setWidth(0);
      pen.setCosmetic(true);
    }
    painter->setPen(pen);
    const QRectF r = size_;
    if (text.frame.left) painter->drawLine(r.topLeft(), r.bottomLeft());
    if (text.frame.right) painter->drawLine(r.topRight(), r.bottomRight());
    if (text.frame.top) painter->drawLine(r.topLeft(), r.topRight());
    if (text.frame.bottom) painter->drawLine(r.bottomLeft(), r.bottomRight());
  } else {
    QPen outline(kGuideColour, 1, Qt::DotLine);
    outline.setCosmetic(true);
    painter->setPen(outline);
    painter->drawRect(size_);
  }

  int flags = 0;
  flags |= text.halign == engine::HAlign::Center  ? Qt::AlignHCenter
           : text.halign == engine::HAlign::Right ? Qt::AlignRight
                                                  : Qt::AlignLeft;
  flags |= text.valign == engine::VAlign::Center   ? Qt::AlignVCenter
           : text.valign == engine::VAlign::Bottom ? Qt::AlignBottom
                                                   : Qt::AlignTop;
  if (text.wrap) flags |= Qt::TextWordWrap;
  const double gapX = sceneFromMm(engine::kTextGapXMm), gapY = sceneFromMm(engine::kTextGapYMm);
  const QRectF inner = size_.adjusted(gapX, gapY, -gapX, -gapY);
  painter->setClipRect(size_);
  painter->setFont(sceneFont(text.font));
  painter->setPen(text.literal ? QColor(20, 20, 20) : QColor(0, 0, 0));
  QString lines;
  for (std::size_t i = 0; i < text.lines.size(); ++i) {
    if (i) lines += QLatin1Char('\n');
    lines += QString::fromStdString(text.lines[i]);
  }
  painter->drawText(inner, flags, lines);
  painter->restore();
}

void ObjectItem::paintLine(QPainter* painter, const engine::LineObject& line) const {
  QPen pen(Qt::black, line.lineWidthPx);
  if (line.lineWidthPx < 1) {
    pen.setWidth(0);
    pen.setCosmetic(true);
  }
  painter->setPen(pen);
  if (line.direction == engine::LineDirection::Vertical)
    painter->drawLine(size_.topLeft(), size_.bottomLeft());
  else
    painter->drawLine(size_.topLeft(), size_.topRight());
}

void ObjectItem::paintHandles(QPainter* painter) const {
  painter->save();
  QPen outline(kHandleColour, 1, Qt::DashLine);
  outline.setCosmetic(true);
  painter->setPen(outline);
  painter->setBrush(Qt::NoBrush);
  painter->drawRect(size_);
  const double h = handleSize();
  const double xs[] = {size_.left(), size_.center().x(), size_.right()};
  const double ys[] = {size_.top(), size_.center().y(), size_.bottom()};
  painter->setPen(Qt::NoPen);
  painter->setBrush(kHandleColour);
  for (double x : xs)
    for (double y : ys)
      if (x != size_.center().x() || y != size_.center().y())
        painter->drawRect(QRectF(x - h / 2, y - h / 2, h, h));
  painter->restore();
}

int ObjectItem::edgesAt(QPointF point) const {
  const double grip = handleSize();
  int edges = 0;
  const auto* line = std::get_if<engine::LineObject>(&object_);
  const bool horizontalOnly = line && line->direction == engine::LineDirection::Horizontal;
  const bool verticalOnly = line && line->direction == engine::LineDirection::Vertical;
  if (!verticalOnly) {
    if (std::abs(point.x() - size_.left()) <= grip / 2)
      edges |= Left;
    else if (std::abs(point.x() - size_.right()) <= grip / 2)
      edges |= Right;
  }
  if (!horizontalOnly) {
    if (std::abs(point.y() - size_.top()) <= grip / 2)
      edges |= Top;
    else if (std::abs(point.y() - size_.bottom()) <= grip / 2)
      edges |= Bottom;
  }
  return isSelected() ? edges : 0;
}

void ObjectItem::hoverMoveEvent(QGraphicsSceneHoverEvent* event) {
  const int edges = edgesAt(event->pos());
  Qt::CursorShape shape = Qt::SizeAllCursor;
  if ((edges & (Left | Top)) == (Left | Top) || (edges & (Right | Bottom)) == (Right | Bottom))
    shape = Qt::SizeFDiagCursor;
  else if ((edges & (Right | Top)) == (Right | Top) || (edges & (Left | Bottom)) == (Left | Bottom))
    shape = Qt::SizeBDiagCursor;
  else if (edges & (Left | Right))
    shape = Qt::SizeHorCursor;
  else if (edges & (Top | Bottom))
    shape = Qt::SizeVerCursor;
  setCursor(shape);
}

void ObjectItem::mousePressEvent(QGraphicsSceneMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return event->ignore();
  dragEdges_ = edgesAt(event->pos());
  if (events_.objectPressed) events_.objectPressed(name());
  pressed_ = object_;
  pressPoint_ = event->scenePos();
  dragging_ = true;
  event->accept();
}

void ObjectItem::mouseMoveEvent(QGraphicsSceneMouseEvent* event) {
  if (!dragging_) return;
  const double dx = snapToStep(mmFromScene(event->scenePos().x() - pressPoint_.x()));
  const double dy = snapToStep(mmFromScene(event->scenePos().y() - pressPoint_.y()));
  const QRectF start = rectOf(pressed_);
  double left = start.left(), top = start.top(), right = start.right(), bottom = start.bottom();
  if (dragEdges_ == 0) {
    left += dx, right += dx, top += dy, bottom += dy;
  } else {
    if (dragEdges_ & Left) left = std::min(left + dx, right);
    if (dragEdges_ & Right) right = std::max(right + dx, left);
    if (dragEdges_ & Top) top = std::min(top + dy, bottom);
    if (dragEdges_ & Bottom) bottom = std::max(bottom + dy, top);
  }
  placeAt(QRectF(QPointF(left, top), QPointF(right, bottom)));
}

void ObjectItem::mouseReleaseEvent(QGraphicsSceneMouseEvent*) {
  if (!dragging_) return;
  dragging_ = false;
  const QString name = QString::fromStdString(this->name());
  const QString label = dragEdges_ == 0 ? QStringLiteral("Перемещение %1").arg(name)
                                        : QStringLiteral("Изменение размера %1").arg(name);
  document_.changeObject(pressed_, object_, label);
}

}  // namespace korvel::designer
