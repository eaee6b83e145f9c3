// Variable list: categories as branches, variables with their values; a
// value typed in is stored as an expression text.
#include "ui/designer/variables_panel.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/number_text.h"
#include "ui/designer/designer_document.h"

namespace korvel::designer {

namespace {

constexpr int kIndexRole = Qt::UserRole;

QString valueText(const std::optional<Value>& value) {
  if (!value) return {};
  switch (value->type()) {
    case ValueType::Text:
      return QString::fromStdString(value->asText());
    case ValueType::Integer:
      return QString::number(value->asInteger());
    case ValueType::Float:
      return QString::fromStdString(FloatToStr(value->asFloat()));
    case ValueType::Boolean:
      return value->asBoolean() ? QStringLiteral("True") : QStringLiteral("False");
    case ValueType::Null:
    case ValueType::DateTime:
      break;
  }
  return {};
}

}  // namespace

VariablesPanel::VariablesPanel(DesignerDocument& document, QWidget* parent)
    : QWidget(parent), document_(document) {
  tree_ = new QTreeWidget;
  tree_->setColumnCount(2);
  tree_->setHeaderLabels({QStringLiteral("Переменная"), QStringLiteral("Значение")});
  tree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  tree_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                         QAbstractItemView::SelectedClicked);
  tree_->setAlternatingRowColors(true);
  clear_ = new QPushButton(QStringLiteral("Без значения"));
  clear_->setToolTip(QStringLiteral("Убрать значение выбранной переменной"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(tree_);
  layout->addWidget(clear_, 0, Qt::AlignRight);
  connect(tree_, &QTreeWidget::itemChanged, this,
          [this](QTreeWidgetItem* item, int column) { valueEdited(item, column); });
  connect(clear_, &QPushButton::clicked, this, [this] { clearValue(); });
  reload();
}

void VariablesPanel::reload() {
  loading_ = true;
  tree_->clear();
  QTreeWidgetItem* category = nullptr;
  const auto& variables = document_.report().variables;
  for (std::size_t i = 0; i < variables.size(); ++i) {
    const engine::VariableEntry& entry = variables[i];
    if (entry.isCategory()) {
      category = new QTreeWidgetItem(tree_, {QString::fromStdString(entry.name).trimmed()});
      QFont bold = category->font(0);
      bold.setBold(true);
      category->setFont(0, bold);
      category->setFirstColumnSpanned(true);
      category->setExpanded(true);
      continue;
    }
    // Entries before the first category belong to none.
    auto* item = category ? new QTreeWidgetItem(category) : new QTreeWidgetItem(tree_);
    item->setText(0, QString::fromStdString(entry.name));
    item->setText(1, valueText(entry.value));
    if (!entry.value) item->setToolTip(1, QStringLiteral("нет значения"));
    item->setData(0, kIndexRole, static_cast<qulonglong>(i));
    item->setFlags(item->flags() | Qt::ItemIsEditable);
  }
  tree_->expandAll();
  loading_ = false;
}

void VariablesPanel::valueEdited(QTreeWidgetItem* item, int column) {
  if (loading_ || column != 1 || !item->data(0, kIndexRole).isValid()) return;
  const auto index = static_cast<std::size_t>(item->data(0, kIndexRole).toULongLong());
  const auto& entry = document_.report().variables.at(index);
  const QString typed = item->text(1);
  // An untouched number stays a number; anything typed is an expression text.
  if (entry.value && typed == valueText(entry.value)) return;
  document_.changeVariable(index, Value::text(typed.toStdString()));
}

void VariablesPanel::clearValue() {
  QTreeWidgetItem* item = tree_->currentItem();
  if (!item || !item->data(0, kIndexRole).isValid()) return;
  document_.changeVariable(static_cast<std::size_t>(item->data(0, kIndexRole).toULongLong()), std::nullopt);
}

}  // namespace korvel::designer
