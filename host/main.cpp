// korvel-host: a stand-in for the accounting program. It creates the
// application object, loads libkorvel and calls ShowBegRepForm, either
// from a small window or, without a display, straight away with the
// preview written to files.
#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>

#include "host/library_loader.h"
#include "host/main_window.h"
#include "host/options.h"
#include "ui/qt_application.h"

namespace {

bool haveDisplay() {
#if defined(_WIN32) || defined(__APPLE__)
  return true;
#else
  return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") ||
         (std::getenv("QT_QPA_PLATFORM") && std::string(std::getenv("QT_QPA_PLATFORM")) != "offscreen");
#endif
}

}  // namespace

int main(int argc, char** argv) {
  korvel::host::Options options;
  try {
    options = korvel::host::parseOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::invalid_argument& error) {
    std::fprintf(stderr, "korvel-host: %s\n\n%s", error.what(), korvel::host::usage().c_str());
    return 2;
  }
  if (options.help) {
    std::fputs(korvel::host::usage().c_str(), stdout);
    return 0;
  }

  const bool headless = options.headlessOutput() || !haveDisplay();
  if (headless && !std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Korvel host"));

  korvel::ui::QtApplication application("Korvel host", QCoreApplication::applicationFilePath().toStdString());
  if (headless) application.setHeadless({options.pdfPath, options.dumpPath, options.print});

  std::unique_ptr<korvel::host::LoadedLibrary> library;
  try {
    library = std::make_unique<korvel::host::LoadedLibrary>(
        options.libraryPath.empty()
            ? korvel::host::libraryBeside(QCoreApplication::applicationDirPath().toStdString())
            : options.libraryPath);
  } catch (const std::runtime_error& error) {
    std::fprintf(stderr, "error: %s\n", error.what());
    return 1;
  }

  auto call = [&](const korvel::host::Options& current) { library->showBegRepForm(application, current); };
  int status = 0;
  {
    korvel::host::MainWindow mainWindow(options, call);
    application.setMainForm(&mainWindow);
    if (headless) {
      call(options);
      const std::string failure = application.finishOutput();
      if (!failure.empty()) application.showException("EInOutError", failure);
    } else {
      mainWindow.show();
      if (options.idDocGiven) QTimer::singleShot(0, &mainWindow, [&] { mainWindow.callLibrary(); });
      status = qt.exec();
    }
    // Unloading frees a form the library still has open, as the real host
    // does when it unloads the library before its main form goes.
    library.reset();
    application.setMainForm(nullptr);
  }
  return status != 0 || application.reportsShown() > 0 ? 1 : 0;
}
