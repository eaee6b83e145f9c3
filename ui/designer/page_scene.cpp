// Page scene layout: bands follow one another down the paper, each below
// its caption strip, so that every band and object can be reached.
#include "ui/designer/page_scene.h"

#include <QGraphicsRectItem>
#include <QKeyEvent>
#include <QWheelEvent>
#include <algorithm>

#include "ui/designer/designer_document.h"
#include "ui/designer/scene_units.h"

namespace korvel::designer {

namespace {

constexpr double kBandGapMm = 3;
constexpr double kShadow = 4;

}  // namespace

PageScene::PageScene(DesignerDocument& document, std::size_t page, ItemEvents events, QObject* parent)
    : QGraphicsScene(parent), document_(document), page_(page), events_(std::move(events)) {
  setBackgroundBrush(QColor(128, 134, 144));
  rebuild();
}

void PageScene::rebuild() {
  clear();
  bands_.clear();
  objects_.clear();
  const engine::Page& page = document_.report().pages.at(page_);
  const double bandWidth = page.width - page.marginLeft - page.marginRight;

  double y = page.marginTop;
  std::vector<std::pair<BandItem*, double>> placed;
  for (std::size_t b = 0; b < page.bands.size(); ++b) {
    const engine::Band& band = page.bands[b];
    y += BandItem::kCaptionMm;
    auto* item = new BandItem(band, page_, b, bandWidth, events_);
    placed.emplace_back(item, y);
    for (const auto& object : band.objects)
      objects_.push_back(new ObjectItem(document_, object, events_, item));
    y += band.height + kBandGapMm;
    bands_.push_back(item);
  }
  const double paperHeight = std::max(page.height, y + page.marginBottom);
  const QRectF paper(0, 0, sceneFromMm(page.width), sceneFromMm(paperHeight));
  addRect(paper.translated(kShadow, kShadow), Qt::NoPen, QColor(70, 74, 82))->setZValue(-2);
  addRect(paper, QPen(QColor(90, 90, 90)), Qt::white)->setZValue(-1);
  for (auto [item, top] : placed) {
    addItem(item);
    item->setPos(sceneFromMm(page.marginLeft), sceneFromMm(top));
  }
  setSceneRect(paper.adjusted(-20, -20, 20 + kShadow, 20 + kShadow));
}

ObjectItem* PageScene::item(const std::string& name) const {
  auto it = std::ranges::find_if(objects_, [&](ObjectItem* i) { return engine::sameName(i->name(), name); });
  return it == objects_.end() ? nullptr : *it;
}

BandItem* PageScene::bandItem(std::size_t band) const {
  return band < bands_.size() ? bands_[band] : nullptr;
}

void PageScene::showSelection(const std::string& object, std::size_t band) {
  for (ObjectItem* i : objects_) {
    const bool selected = !object.empty() && engine::sameName(i->name(), object);
    i->setSelected(selected);
    // Above its neighbours, so that its handles can be grabbed where objects touch.
    i->setZValue(selected ? 1 : 0);
  }
  for (BandItem* b : bands_) b->setCurrent(object.empty() && b->index() == band);
}

void PageScene::syncObject(const std::string& oldName, const engine::BandObject& object) {
  if (ObjectItem* i = item(oldName)) i->sync(object);
}

PageView::PageView(PageScene* scene, Keys keys, QWidget* parent)
    : QGraphicsView(scene, parent), keys_(std::move(keys)) {
  setRenderHint(QPainter::Antialiasing);
  setRenderHint(QPainter::TextAntialiasing);
  setDragMode(QGraphicsView::NoDrag);
  setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  setFocusPolicy(Qt::StrongFocus);
}

void PageView::keyPressEvent(QKeyEvent* event) {
  const bool resize = event->modifiers() & Qt::ShiftModifier;
  switch (event->key()) {
    case Qt::Key_Left:
      return keys_.step(-kStepMm, 0, resize);
    case Qt::Key_Right:
      return keys_.step(kStepMm, 0, resize);
    case Qt::Key_Up:
      return keys_.step(0, -kStepMm, resize);
    case Qt::Key_Down:
      return keys_.step(0, kStepMm, resize);
    case Qt::Key_Delete:
      return keys_.remove();
    default:
      QGraphicsView::keyPressEvent(event);
  }
}

void PageView::wheelEvent(QWheelEvent* event) {
  if (event->modifiers() & Qt::ControlModifier) {
    keys_.zoom(event->angleDelta().y() > 0 ? 1 : -1);
    event->accept();
  } else {
    QGraphicsView::wheelEvent(event);
  }
}

}  // namespace korvel::designer
