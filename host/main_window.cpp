// Main form of the sample host.
#include "host/main_window.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <stdexcept>

namespace korvel::host {

MainWindow::MainWindow(Options options, Call call) : options_(std::move(options)), call_(std::move(call)) {
  setWindowTitle(QStringLiteral("Korvel: печать ТТН"));
  auto* fields = new QWidget;
  auto* form = new QFormLayout(fields);
  for (const auto& argument : options_.arguments) {
    const QString label = QString::fromStdString(argument.name);
    if (argument.kind == ArgumentKind::Boolean) {
      auto* box = new QCheckBox;
      box->setChecked(argument.value == "1");
      form->addRow(label, box);
      flags_[argument.name] = box;
    } else {
      auto* edit = new QLineEdit(QString::fromStdString(argument.value));
      form->addRow(label, edit);
      texts_[argument.name] = edit;
    }
  }
  auto* scroll = new QScrollArea;
  scroll->setWidget(fields);
  scroll->setWidgetResizable(true);

  auto* button = new QPushButton(QStringLiteral("Показать накладную"));
  button->setDefault(true);
  connect(button, &QPushButton::clicked, this, [this] { callLibrary(); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(scroll);
  layout->addWidget(button);
  resize(460, 640);
}

void MainWindow::callLibrary() {
  try {
    for (const auto& [name, box] : flags_) options_.set(name, box->isChecked() ? "1" : "0");
    for (const auto& [name, edit] : texts_) options_.set(name, edit->text().toStdString());
  } catch (const std::invalid_argument& error) {
    QMessageBox::warning(this, windowTitle(), QString::fromStdString(error.what()));
    return;
  }
  call_(options_);
}

}  // namespace korvel::host
