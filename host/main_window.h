// The sample host's main form: the document's options and a button that
// calls the library, so everything can be tried by hand.
#pragma once

#include <QWidget>
#include <functional>
#include <map>

#include "host/options.h"

class QCheckBox;
class QLineEdit;

namespace korvel::host {

class MainWindow : public QWidget {
 public:
  using Call = std::function<void(const Options&)>;
  MainWindow(Options options, Call call);

  // Calls the library with the options as they are now on the form.
  void callLibrary();

 private:
  Options options_;
  Call call_;
  std::map<std::string, QCheckBox*> flags_;
  std::map<std::string, QLineEdit*> texts_;
};

}  // namespace korvel::host
