// Loading libkorvel at run time, the way the accounting program does, and
// calling its export with the host's options.
#pragma once

#include <string>

#include "host/options.h"
#include "korvel/korvel.h"

namespace korvel::host {

class LoadedLibrary {
 public:
  // Raises std::runtime_error with the loader's message when the library or
  // its export cannot be found.
  explicit LoadedLibrary(const std::string& path);
  ~LoadedLibrary();
  LoadedLibrary(const LoadedLibrary&) = delete;
  LoadedLibrary& operator=(const LoadedLibrary&) = delete;

  // With options.earlierRevision the export is called with the earlier
  // revision's 38 arguments.
  void showBegRepForm(Application& application, const Options& options) const;

 private:
  void close();

  void* handle_ = nullptr;
  ShowBegRepFormFunction function_ = nullptr;
};

// libkorvel's file name in the given folder.
std::string libraryBeside(const std::string& folder);

}  // namespace korvel::host
