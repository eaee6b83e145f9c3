// The sample host's command line: every ShowBegRepForm argument as an
// option named after its Settings field, plus where the library is and
// what a host without a display does with the preview.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace korvel::host {

enum class ArgumentKind { Boolean, Text, Integer };

struct Argument {
  std::string name;  // the Settings field
  ArgumentKind kind;
  std::string value;  // Booleans "0"/"1", IdDoc as decimal text
};

struct Options {
  std::vector<Argument> arguments;  // in the export's order, from parameter 2
  bool idDocGiven = false;
  std::string libraryPath;       // empty: libkorvel beside the executable
  bool earlierRevision = false;  // the library has the earlier 38-argument export
  std::string pdfPath, dumpPath;
  bool print = false;
  bool help = false;

  bool headlessOutput() const { return !pdfPath.empty() || !dumpPath.empty() || print; }
  const std::string& value(const std::string& name) const;
  void set(const std::string& name, const std::string& value);
};

// The arguments a typical host passes when nothing else is said.
Options defaultOptions();
// Raises std::invalid_argument with a message naming the bad option.
Options parseOptions(const std::vector<std::string>& args);
std::string usage();

}  // namespace korvel::host
