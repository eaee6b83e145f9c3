// The property panel: every property of the selected text or line object,
// or the height and growth of the selected band. Each edit becomes one
// undoable change of the document.
#pragma once

#include <QWidget>
#include <cstddef>
#include <functional>
#include <string>

#include "engine/model.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

namespace korvel::designer {

class DesignerDocument;

class PropertyPanel : public QWidget {
 public:
  PropertyPanel(DesignerDocument& document, QWidget* parent);

  void showObject(const std::string& name);
  void showBand(std::size_t page, std::size_t band);
  void showNothing();
  // Reads the shown object or band again (after any change).
  void reload();
  // The object shown, empty when none; renaming follows the object.
  const std::string& objectName() const { return object_; }
  void objectRenamed(const std::string& oldName, const std::string& newName);

  // The editors, for the window's tests.
  QLineEdit* nameEdit() const { return name_; }
  QDoubleSpinBox* leftEdit() const { return left_; }
  QDoubleSpinBox* topEdit() const { return top_; }
  QDoubleSpinBox* widthEdit() const { return width_; }
  QDoubleSpinBox* heightEdit() const { return height_; }
  QPlainTextEdit* textEdit() const { return text_; }
  QPushButton* applyTextButton() const { return applyText_; }
  QCheckBox* literalBox() const { return literal_; }
  QComboBox* fontFamilyBox() const { return family_; }
  QDoubleSpinBox* fontSizeEdit() const { return size_; }
  QCheckBox* boldBox() const { return bold_; }
  QLineEdit* formatEdit() const { return format_; }
  QDoubleSpinBox* bandHeightEdit() const { return bandHeight_; }
  QCheckBox* bandGrowsBox() const { return bandGrows_; }

 private:
  QWidget* makeCommonPage();
  QWidget* makeTextPage();
  QWidget* makeLinePage();
  QWidget* makeBandPage();
  QDoubleSpinBox* millimetres(double minimum);
  void loadObject();
  void loadBand();
  // Applies `change` to a copy of the shown object and records it.
  void change(const QString& property, const std::function<void(engine::BandObject&)>& change);
  void changeText(const QString& property, const std::function<void(engine::TextObject&)>& change);
  void changeLine(const QString& property, const std::function<void(engine::LineObject&)>& change);
  void rename();
  void applyText();
  void applyBand();

  DesignerDocument& document_;
  std::string object_;
  std::size_t page_ = 0, band_ = 0;
  bool bandShown_ = false;
  bool loading_ = false;

  QLabel* title_;
  QStackedWidget* stack_;
  QWidget *emptyPage_, *objectPage_, *bandPage_;
  QStackedWidget* kindStack_;
  QWidget *textPage_, *linePage_;

  QLineEdit* name_;
  QDoubleSpinBox *left_, *top_, *width_, *height_;
  QComboBox* shift_;

  QPlainTextEdit* text_;
  QPushButton* applyText_;
  QCheckBox* literal_;
  QComboBox* family_;
  QDoubleSpinBox* size_;
  QCheckBox* bold_;
  QCheckBox *frameLeft_, *frameRight_, *frameTop_, *frameBottom_;
  QDoubleSpinBox* frameWidth_;
  QComboBox *halign_, *valign_;
  QCheckBox* wrap_;
  QDoubleSpinBox* lineSpacing_;
  QLineEdit* format_;
  QComboBox* separator_;
  QCheckBox* hideZeros_;
  QCheckBox* grow_;
  QCheckBox* autoWidth_;
  QComboBox* neighbour_;
  QLineEdit *beforePrint_, *afterPrint_;

  QComboBox* direction_;
  QDoubleSpinBox* lineWidth_;

  QLabel *bandName_, *bandKind_, *bandDataset_;
  QDoubleSpinBox* bandHeight_;
  QCheckBox* bandGrows_;
};

}  // namespace korvel::designer
