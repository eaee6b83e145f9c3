// Holder of the current application object.
#include "ui/current_application.h"

#include <QCoreApplication>

#include "ui/qt_application.h"

namespace korvel::ui {

namespace {
Application* current = nullptr;
}

Application& ownApplication() {
  static QtApplication own(
      QCoreApplication::instance() ? QCoreApplication::applicationName().toStdString() : "Korvel",
      QCoreApplication::instance() ? QCoreApplication::applicationFilePath().toStdString() : "");
  return own;
}

Application& currentApplication() { return current ? *current : ownApplication(); }

void setCurrentApplication(Application* application) { current = application; }

}  // namespace korvel::ui
