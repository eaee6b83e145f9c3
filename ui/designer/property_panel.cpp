// Property editors of objects and bands, loaded from the model and written
// back as one undoable change per edit.
#include "ui/designer/property_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "ui/current_application.h"
#include "ui/designer/designer_document.h"
#include "ui/designer/scene_items.h"
#include "ui/designer/scene_units.h"

namespace korvel::designer {

namespace {

QComboBox* choice(std::initializer_list<const char*> items) {
  auto* box = new QComboBox;
  for (const char* item : items) box->addItem(QString::fromUtf8(item));
  return box;
}

QGroupBox* group(const QString& title, QFormLayout*& form) {
  auto* box = new QGroupBox(title);
  form = new QFormLayout(box);
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  form->setLabelAlignment(Qt::AlignRight);
  return box;
}

QString joinedLines(const engine::TextObject& text) {
  QStringList lines;
  for (const auto& line : text.lines) lines << QString::fromStdString(line);
  return lines.join(QLatin1Char('\n'));
}

bool validName(const QString& name) {
  static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
  return identifier.match(name).hasMatch();
}

}  // namespace

PropertyPanel::PropertyPanel(DesignerDocument& document, QWidget* parent)
    : QWidget(parent), document_(document) {
  title_ = new QLabel;
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  stack_ = new QStackedWidget;
  emptyPage_ = new QLabel(QStringLiteral("Выберите объект или бэнд на странице или в списке объектов."));
  static_cast<QLabel*>(emptyPage_)->setWordWrap(true);
  static_cast<QLabel*>(emptyPage_)->setAlignment(Qt::AlignTop | Qt::AlignLeft);

  objectPage_ = new QWidget;
  auto* objectColumn = new QVBoxLayout(objectPage_);
  objectColumn->setContentsMargins(0, 0, 0, 0);
  objectColumn->addWidget(makeCommonPage());
  kindStack_ = new QStackedWidget;
  textPage_ = makeTextPage();
  linePage_ = makeLinePage();
  kindStack_->addWidget(textPage_);
  kindStack_->addWidget(linePage_);
  objectColumn->addWidget(kindStack_);
  objectColumn->addStretch();

  bandPage_ = makeBandPage();
  stack_->addWidget(emptyPage_);
  stack_->addWidget(objectPage_);
  stack_->addWidget(bandPage_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title_);
  layout->addWidget(stack_);
  showNothing();
}

QDoubleSpinBox* PropertyPanel::millimetres(double minimum) {
  auto* box = new QDoubleSpinBox;
  box->setRange(minimum, 2000);
  box->setDecimals(2);
  box->setSingleStep(kStepMm);
  box->setSuffix(QStringLiteral(" мм"));
  box->setKeyboardTracking(false);
  return box;
}

QWidget* PropertyPanel::makeCommonPage() {
  QFormLayout* form;
  QGroupBox* box = group(QStringLiteral("Объект"), form);
  name_ = new QLineEdit;
  left_ = millimetres(-2000);
  top_ = millimetres(-2000);
  width_ = millimetres(0);
  height_ = millimetres(0);
  shift_ = choice({"всегда", "при перекрытии", "не смещать"});
  form->addRow(QStringLiteral("Имя:"), name_);
  form->addRow(QStringLiteral("Слева:"), left_);
  form->addRow(QStringLiteral("Сверху:"), top_);
  form->addRow(QStringLiteral("Ширина:"), width_);
  form->addRow(QStringLiteral("Высота:"), height_);
  form->addRow(QStringLiteral("Смещение:"), shift_);

  connect(name_, &QLineEdit::editingFinished, this, [this] { rename(); });
  const auto geometry = [this](QDoubleSpinBox* spin, const QString& property,
                               double engine::TextObject::*text, double engine::LineObject::*line) {
    connect(spin, &QDoubleSpinBox::valueChanged, this, [=, this](double value) {
      change(property, [&](engine::BandObject& object) {
        if (auto* t = std::get_if<engine::TextObject>(&object))
          t->*text = roundMm(value);
        else
          std::get<engine::LineObject>(object).*line = roundMm(value);
      });
    });
  };
  geometry(left_, QStringLiteral("Слева"), &engine::TextObject::left, &engine::LineObject::left);
  geometry(top_, QStringLiteral("Сверху"), &engine::TextObject::top, &engine::LineObject::top);
  geometry(width_, QStringLiteral("Ширина"), &engine::TextObject::width, &engine::LineObject::width);
  geometry(height_, QStringLiteral("Высота"), &engine::TextObject::height, &engine::LineObject::height);
  connect(shift_, &QComboBox::currentIndexChanged, this, [this](int index) {
    change(QStringLiteral("Смещение"), [&](engine::BandObject& object) {
      std::visit([&](auto& o) { o.shift = static_cast<engine::ShiftMode>(index); }, object);
    });
  });
  return box;
}

QWidget* PropertyPanel::makeTextPage() {
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(0, 0, 0, 0);

  QFormLayout* textForm;
  QGroupBox* textBox = group(QStringLiteral("Текст"), textForm);
  text_ = new QPlainTextEdit;
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setMinimumHeight(90);
  text_->setFont(QFont(QStringLiteral("Liberation Mono"), 9));
  applyText_ = new QPushButton(QStringLiteral("Применить текст"));
  applyText_->setEnabled(false);
  literal_ = new QCheckBox(QStringLiteral("Печатать как есть (без выражений)"));
  textForm->addRow(text_);
  textForm->addRow(applyText_);
  textForm->addRow(literal_);
  connect(text_, &QPlainTextEdit::textChanged, this, [this] {
    if (!loading_) applyText_->setEnabled(true);
  });
  connect(applyText_, &QPushButton::clicked, this, [this] { applyText(); });
  connect(literal_, &QCheckBox::toggled, this, [this](bool on) {
    changeText(QStringLiteral("Печатать как есть"), [&](engine::TextObject& t) { t.literal = on; });
  });
  column->addWidget(textBox);

  QFormLayout* look;
  QGroupBox* lookBox = group(QStringLiteral("Оформление"), look);
  family_ = new QComboBox;
  family_->setEditable(true);
  family_->addItems({QStringLiteral("Arial"), QStringLiteral("Times New Roman")});
  size_ = new QDoubleSpinBox;
  size_->setRange(1, 72);
  size_->setDecimals(1);
  size_->setSuffix(QStringLiteral(" пт"));
  size_->setKeyboardTracking(false);
  bold_ = new QCheckBox(QStringLiteral("Жирный"));
  auto* fontRow = new QHBoxLayout;
  fontRow->addWidget(size_);
  fontRow->addWidget(bold_);
  look->addRow(QStringLiteral("Шрифт:"), family_);
  look->addRow(QStringLiteral("Размер:"), fontRow);
  connect(family_, &QComboBox::currentTextChanged, this, [this](const QString& family) {
    if (family.trimmed().isEmpty()) return;
    changeText(QStringLiteral("Шрифт"),
               [&](engine::TextObject& t) { t.font.family = family.trimmed().toStdString(); });
  });
  connect(size_, &QDoubleSpinBox::valueChanged, this, [this](double value) {
    changeText(QStringLiteral("Размер шрифта"), [&](engine::TextObject& t) { t.font.sizePt = value; });
  });
  connect(bold_, &QCheckBox::toggled, this, [this](bool on) {
    changeText(QStringLiteral("Жирный"), [&](engine::TextObject& t) { t.font.bold = on; });
  });

  frameLeft_ = new QCheckBox(QStringLiteral("Л"));
  frameRight_ = new QCheckBox(QStringLiteral("П"));
  frameTop_ = new QCheckBox(QStringLiteral("В"));
  frameBottom_ = new QCheckBox(QStringLiteral("Н"));
  frameLeft_->setToolTip(QStringLiteral("Левая сторона"));
  frameRight_->setToolTip(QStringLiteral("Правая сторона"));
  frameTop_->setToolTip(QStringLiteral("Верхняя сторона"));
  frameBottom_->setToolTip(QStringLiteral("Нижняя сторона"));
  auto* frameRow = new QHBoxLayout;
  for (QCheckBox* side : {frameLeft_, frameRight_, frameTop_, frameBottom_}) frameRow->addWidget(side);
  frameWidth_ = new QDoubleSpinBox;
  frameWidth_->setRange(0.1, 10);
  frameWidth_->setDecimals(1);
  frameWidth_->setSingleStep(0.5);
  frameWidth_->setSuffix(QStringLiteral(" пикс."));
  frameWidth_->setKeyboardTracking(false);
  look->addRow(QStringLiteral("Рамка:"), frameRow);
  look->addRow(QStringLiteral("Толщина рамки:"), frameWidth_);
  const auto side = [this](QCheckBox* box, bool engine::Frame::*member) {
    connect(box, &QCheckBox::toggled, this, [=, this](bool on) {
      changeText(QStringLiteral("Рамка"), [&](engine::TextObject& t) { t.frame.*member = on; });
    });
  };
  side(frameLeft_, &engine::Frame::left);
  side(frameRight_, &engine::Frame::right);
  side(frameTop_, &engine::Frame::top);
  side(frameBottom_, &engine::Frame::bottom);
  connect(frameWidth_, &QDoubleSpinBox::valueChanged, this, [this](double value) {
    changeText(QStringLiteral("Толщина рамки"), [&](engine::TextObject& t) { t.frame.widthPx = value; });
  });

  halign_ = choice({"по левому краю", "по центру", "по правому краю"});
  valign_ = choice({"по верху", "по центру", "по низу"});
  look->addRow(QStringLiteral("По горизонтали:"), halign_);
  look->addRow(QStringLiteral("По вертикали:"), valign_);
  connect(halign_, &QComboBox::currentIndexChanged, this, [this](int index) {
    changeText(QStringLiteral("Выравнивание"),
               [&](engine::TextObject& t) { t.halign = static_cast<engine::HAlign>(index); });
  });
  connect(valign_, &QComboBox::currentIndexChanged, this, [this](int index) {
    changeText(QStringLiteral("Выравнивание"),
               [&](engine::TextObject& t) { t.valign = static_cast<engine::VAlign>(index); });
  });
  wrap_ = new QCheckBox(QStringLiteral("Перенос по словам"));
  lineSpacing_ = new QDoubleSpinBox;
  lineSpacing_->setRange(0, 50);
  lineSpacing_->setDecimals(1);
  lineSpacing_->setSuffix(QStringLiteral(" пикс."));
  lineSpacing_->setKeyboardTracking(false);
  look->addRow(wrap_);
  look->addRow(QStringLiteral("Межстрочный интервал:"), lineSpacing_);
  connect(wrap_, &QCheckBox::toggled, this, [this](bool on) {
    changeText(QStringLiteral("Перенос по словам"), [&](engine::TextObject& t) { t.wrap = on; });
  });
  connect(lineSpacing_, &QDoubleSpinBox::valueChanged, this, [this](double value) {
    changeText(QStringLiteral("Межстрочный интервал"),
               [&](engine::TextObject& t) { t.lineSpacingPx = value; });
  });
  column->addWidget(lookBox);

  QFormLayout* values;
  QGroupBox* valueBox = group(QStringLiteral("Значения и размещение"), values);
  format_ = new QLineEdit;
  format_->setPlaceholderText(QStringLiteral("нет, например %2.2f"));
  separator_ = choice({"системный", "запятая (,)", "точка (.)"});
  hideZeros_ = new QCheckBox(QStringLiteral("Не печатать нули"));
  grow_ = new QCheckBox(QStringLiteral("Растягивать по тексту"));
  autoWidth_ = new QCheckBox(QStringLiteral("Автоширина"));
  neighbour_ = choice({"нет", "за левым соседом", "до правого соседа"});
  values->addRow(QStringLiteral("Формат:"), format_);
  values->addRow(QStringLiteral("Разделитель:"), separator_);
  values->addRow(hideZeros_);
  values->addRow(grow_);
  values->addRow(autoWidth_);
  values->addRow(QStringLiteral("По соседям:"), neighbour_);
  connect(format_, &QLineEdit::editingFinished, this, [this] {
    changeText(QStringLiteral("Формат"),
               [&](engine::TextObject& t) { t.format = format_->text().trimmed().toStdString(); });
  });
  connect(separator_, &QComboBox::currentIndexChanged, this, [this](int index) {
    changeText(QStringLiteral("Разделитель"), [&](engine::TextObject& t) {
      t.decimalSeparator = index == 1   ? std::optional<char>(',')
                           : index == 2 ? std::optional<char>('.')
                                        : std::nullopt;
    });
  });
  connect(hideZeros_, &QCheckBox::toggled, this, [this](bool on) {
    changeText(QStringLiteral("Не печатать нули"), [&](engine::TextObject& t) { t.hideZeros = on; });
  });
  connect(grow_, &QCheckBox::toggled, this, [this](bool on) {
    changeText(QStringLiteral("Растягивать"), [&](engine::TextObject& t) { t.grow = on; });
  });
  connect(autoWidth_, &QCheckBox::toggled, this, [this](bool on) {
    changeText(QStringLiteral("Автоширина"), [&](engine::TextObject& t) { t.autoWidth = on; });
  });
  connect(neighbour_, &QComboBox::currentIndexChanged, this, [this](int index) {
    changeText(QStringLiteral("По соседям"),
               [&](engine::TextObject& t) { t.neighbour = static_cast<engine::Neighbour>(index); });
  });
  column->addWidget(valueBox);

  QFormLayout* handlers;
  QGroupBox* handlerBox = group(QStringLiteral("Обработчики скрипта"), handlers);
  beforePrint_ = new QLineEdit;
  afterPrint_ = new QLineEdit;
  handlers->addRow(QStringLiteral("Перед печатью:"), beforePrint_);
  handlers->addRow(QStringLiteral("После печати:"), afterPrint_);
  connect(beforePrint_, &QLineEdit::editingFinished, this, [this] {
    changeText(QStringLiteral("Перед печатью"), [&](engine::TextObject& t) {
      t.onBeforePrint = beforePrint_->text().trimmed().toStdString();
    });
  });
  connect(afterPrint_, &QLineEdit::editingFinished, this, [this] {
    changeText(QStringLiteral("После печати"),
               [&](engine::TextObject& t) { t.onAfterPrint = afterPrint_->text().trimmed().toStdString(); });
  });
  column->addWidget(handlerBox);
  return page;
}

QWidget* PropertyPanel::makeLinePage() {
  QFormLayout* form;
  QGroupBox* box = group(QStringLiteral("Линия"), form);
  direction_ = choice({"горизонтальная", "вертикальная"});
  lineWidth_ = new QDoubleSpinBox;
  lineWidth_->setRange(0.1, 20);
  lineWidth_->setDecimals(1);
  lineWidth_->setSuffix(QStringLiteral(" пикс."));
  lineWidth_->setKeyboardTracking(false);
  form->addRow(QStringLiteral("Направление:"), direction_);
  form->addRow(QStringLiteral("Толщина:"), lineWidth_);
  connect(direction_, &QComboBox::currentIndexChanged, this, [this](int index) {
    changeLine(QStringLiteral("Направление"),
               [&](engine::LineObject& l) { l.direction = static_cast<engine::LineDirection>(index); });
  });
  connect(lineWidth_, &QDoubleSpinBox::valueChanged, this, [this](double value) {
    changeLine(QStringLiteral("Толщина"), [&](engine::LineObject& l) { l.lineWidthPx = value; });
  });
  return box;
}

QWidget* PropertyPanel::makeBandPage() {
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(0, 0, 0, 0);
  QFormLayout* form;
  QGroupBox* box = group(QStringLiteral("Бэнд"), form);
  bandName_ = new QLabel;
  bandKind_ = new QLabel;
  bandDataset_ = new QLabel;
  bandHeight_ = millimetres(0);
  bandGrows_ = new QCheckBox(QStringLiteral("Растягивается по объектам"));
  form->addRow(QStringLiteral("Имя:"), bandName_);
  form->addRow(QStringLiteral("Вид:"), bandKind_);
  form->addRow(QStringLiteral("Набор данных:"), bandDataset_);
  form->addRow(QStringLiteral("Высота:"), bandHeight_);
  form->addRow(bandGrows_);
  connect(bandHeight_, &QDoubleSpinBox::valueChanged, this, [this] { applyBand(); });
  connect(bandGrows_, &QCheckBox::toggled, this, [this] { applyBand(); });
  column->addWidget(box);
  column->addStretch();
  return page;
}

void PropertyPanel::showObject(const std::string& name) {
  object_ = name;
  bandShown_ = false;
  reload();
}

void PropertyPanel::showBand(std::size_t page, std::size_t band) {
  object_.clear();
  page_ = page;
  band_ = band;
  bandShown_ = true;
  reload();
}

void PropertyPanel::showNothing() {
  object_.clear();
  bandShown_ = false;
  reload();
}

void PropertyPanel::objectRenamed(const std::string& oldName, const std::string& newName) {
  if (!object_.empty() && engine::sameName(object_, oldName)) object_ = newName;
}

void PropertyPanel::reload() {
  loading_ = true;
  if (!object_.empty() && document_.find(object_)) {
    loadObject();
  } else if (bandShown_ && page_ < document_.report().pages.size() &&
             band_ < document_.report().pages[page_].bands.size()) {
    object_.clear();
    loadBand();
  } else {
    object_.clear();
    bandShown_ = false;
    title_->setText(QStringLiteral("Свойства"));
    stack_->setCurrentWidget(emptyPage_);
  }
  loading_ = false;
}

void PropertyPanel::loadObject() {
  const engine::BandObject& object = document_.object(*document_.find(object_));
  std::visit(
      [this](const auto& o) {
        name_->setText(QString::fromStdString(o.name));
        left_->setValue(o.left);
        top_->setValue(o.top);
        width_->setValue(o.width);
        height_->setValue(o.height);
        shift_->setCurrentIndex(static_cast<int>(o.shift));
      },
      object);
  stack_->setCurrentWidget(objectPage_);
  if (const auto* t = std::get_if<engine::TextObject>(&object)) {
    title_->setText(QStringLiteral("Текст %1").arg(QString::fromStdString(t->name)));
    kindStack_->setCurrentWidget(textPage_);
    if (text_->toPlainText() != joinedLines(*t)) text_->setPlainText(joinedLines(*t));
    applyText_->setEnabled(false);
    literal_->setChecked(t->literal);
    family_->setCurrentText(QString::fromStdString(t->font.family));
    size_->setValue(t->font.sizePt);
    bold_->setChecked(t->font.bold);
    frameLeft_->setChecked(t->frame.left);
    frameRight_->setChecked(t->frame.right);
    frameTop_->setChecked(t->frame.top);
    frameBottom_->setChecked(t->frame.bottom);
    frameWidth_->setValue(t->frame.widthPx);
    halign_->setCurrentIndex(static_cast<int>(t->halign));
    valign_->setCurrentIndex(static_cast<int>(t->valign));
    wrap_->setChecked(t->wrap);
    lineSpacing_->setValue(t->lineSpacingPx);
    format_->setText(QString::fromStdString(t->format));
    separator_->setCurrentIndex(!t->decimalSeparator ? 0 : *t->decimalSeparator == ',' ? 1 : 2);
    hideZeros_->setChecked(t->hideZeros);
    grow_->setChecked(t->grow);
    autoWidth_->setChecked(t->autoWidth);
    neighbour_->setCurrentIndex(static_cast<int>(t->neighbour));
    beforePrint_->setText(QString::fromStdString(t->onBeforePrint));
    afterPrint_->setText(QString::fromStdString(t->onAfterPrint));
  } else {
    const auto& l = std::get<engine::LineObject>(object);
    title_->setText(QStringLiteral("Линия %1").arg(QString::fromStdString(l.name)));
    kindStack_->setCurrentWidget(linePage_);
    direction_->setCurrentIndex(static_cast<int>(l.direction));
    lineWidth_->setValue(l.lineWidthPx);
  }
}

void PropertyPanel::loadBand() {
  const engine::Band& band = document_.report().pages[page_].bands[band_];
  title_->setText(QStringLiteral("Бэнд %1").arg(QString::fromStdString(band.name)));
  bandName_->setText(QString::fromStdString(band.name));
  bandKind_->setText(QString::fromUtf8(bandKindCaption(band.kind)));
  bandDataset_->setText(band.dataset.empty() ? QStringLiteral("—") : QString::fromStdString(band.dataset));
  bandHeight_->setValue(band.height);
  bandGrows_->setChecked(band.grows);
  stack_->setCurrentWidget(bandPage_);
}

void PropertyPanel::change(const QString& property, const std::function<void(engine::BandObject&)>& edit) {
  if (loading_ || object_.empty()) return;
  const auto place = document_.find(object_);
  if (!place) return;
  const engine::BandObject before = document_.object(*place);
  engine::BandObject after = before;
  edit(after);
  document_.changeObject(
      before, after,
      QStringLiteral("%1: %2").arg(QString::fromStdString(engine::objectName(before)), property));
}

void PropertyPanel::changeText(const QString& property,
                               const std::function<void(engine::TextObject&)>& edit) {
  change(property, [&](engine::BandObject& object) {
    if (auto* t = std::get_if<engine::TextObject>(&object)) edit(*t);
  });
}

void PropertyPanel::changeLine(const QString& property,
                               const std::function<void(engine::LineObject&)>& edit) {
  change(property, [&](engine::BandObject& object) {
    if (auto* l = std::get_if<engine::LineObject>(&object)) edit(*l);
  });
}

void PropertyPanel::rename() {
  if (loading_ || object_.empty()) return;
  const QString name = name_->text().trimmed();
  if (engine::sameName(name.toStdString(), object_) && name.toStdString() == object_) return;
  std::string problem;
  if (!validName(name))
    problem =
        "Имя объекта должно начинаться с латинской буквы или знака подчёркивания и состоять из латинских "
        "букв, цифр и знаков подчёркивания";
  else if (document_.nameInUse(name.toStdString(), object_))
    problem = "Имя «" + name.toStdString() + "» уже занято";
  if (!problem.empty()) {
    reload();
    ui::currentApplication().showException("EReportError", problem);
    return;
  }
  change(QStringLiteral("Имя"), [&](engine::BandObject& object) {
    std::visit([&](auto& o) { o.name = name.toStdString(); }, object);
  });
}

void PropertyPanel::applyText() {
  const std::string text = text_->toPlainText().toStdString();
  changeText(QStringLiteral("Текст"), [&](engine::TextObject& t) {
    const bool literal = t.literal;
    t.setText(text);
    t.literal = literal;
  });
  applyText_->setEnabled(false);
}

void PropertyPanel::applyBand() {
  if (loading_ || !bandShown_) return;
  document_.changeBand(page_, band_, roundMm(bandHeight_->value()), bandGrows_->isChecked());
}

}  // namespace korvel::designer
