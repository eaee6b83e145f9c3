// Object list: page > band > object, with the kind of each object.
#include "ui/designer/object_list.h"

#include <QHeaderView>

#include "ui/designer/designer_document.h"
#include "ui/designer/scene_items.h"

namespace korvel::designer {

namespace {

constexpr int kNameRole = Qt::UserRole;
constexpr int kPageRole = Qt::UserRole + 1;
constexpr int kBandRole = Qt::UserRole + 2;

}  // namespace

ObjectList::ObjectList(DesignerDocument& document, Events events, QWidget* parent)
    : QTreeWidget(parent), document_(document), events_(std::move(events)) {
  setColumnCount(2);
  setHeaderLabels({QStringLiteral("Объект"), QStringLiteral("Вид")});
  header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  setAlternatingRowColors(true);
  connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (!loading_ && item) chosen(item);
  });
  reload();
}

void ObjectList::reload() {
  loading_ = true;
  clear();
  const auto& pages = document_.report().pages;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    auto* page =
        new QTreeWidgetItem(this, {QString::fromStdString(pages[p].name), QStringLiteral("Страница")});
    QFont bold = page->font(0);
    bold.setBold(true);
    page->setFont(0, bold);
    for (std::size_t b = 0; b < pages[p].bands.size(); ++b) {
      const engine::Band& band = pages[p].bands[b];
      auto* bandItem = new QTreeWidgetItem(
          page, {QString::fromStdString(band.name), QString::fromUtf8(bandKindCaption(band.kind))});
      bandItem->setData(0, kPageRole, static_cast<qulonglong>(p));
      bandItem->setData(0, kBandRole, static_cast<qulonglong>(b));
      for (const auto& object : band.objects) {
        const bool text = std::holds_alternative<engine::TextObject>(object);
        auto* item =
            new QTreeWidgetItem(bandItem, {QString::fromStdString(engine::objectName(object)),
                                           text ? QStringLiteral("Текст") : QStringLiteral("Линия")});
        item->setData(0, kNameRole, QString::fromStdString(engine::objectName(object)));
      }
    }
    page->setExpanded(true);
  }
  loading_ = false;
}

void ObjectList::showSelection(const std::string& object, std::size_t page, std::size_t band) {
  loading_ = true;
  QTreeWidgetItem* found = nullptr;
  for (QTreeWidgetItemIterator it(this); *it && !found; ++it) {
    QTreeWidgetItem* item = *it;
    if (!object.empty()) {
      if (engine::sameName(item->data(0, kNameRole).toString().toStdString(), object)) found = item;
    } else if (item->data(0, kBandRole).isValid() && item->data(0, kPageRole).toULongLong() == page &&
               item->data(0, kBandRole).toULongLong() == band) {
      found = item;
    }
  }
  setCurrentItem(found);
  if (found) scrollToItem(found);
  loading_ = false;
}

void ObjectList::chosen(QTreeWidgetItem* item) {
  const QString name = item->data(0, kNameRole).toString();
  if (!name.isEmpty()) {
    if (events_.objectChosen) events_.objectChosen(name.toStdString());
  } else if (item->data(0, kBandRole).isValid() && events_.bandChosen) {
    events_.bandChosen(item->data(0, kPageRole).toULongLong(), item->data(0, kBandRole).toULongLong());
  }
}

}  // namespace korvel::designer
