// Command-line parsing of the sample host.
#include "host/options.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <stdexcept>

namespace korvel::host {

namespace {

using K = ArgumentKind;

bool sameName(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

Argument* find(Options& options, const std::string& name) {
  for (auto& argument : options.arguments)
    if (sameName(argument.name, name)) return &argument;
  return nullptr;
}

}  // namespace

Options defaultOptions() {
  Options options;
  options.arguments = {
      {"ReturnTypeTrPredpr", K::Boolean, "0"},
      {"OtpRaz", K::Text, ""},
      {"Tr", K::Boolean, "0"},
      {"SumNDS_1", K::Boolean, "1"},
      {"VsegoSNDS_1", K::Boolean, "1"},
      {"VesTr", K::Text, "0"},
      {"TTN", K::Text, ""},
      {"NumDoc", K::Text, ""},
      {"Seria", K::Text, ""},
      {"Pogr", K::Text, ""},
      {"Razg", K::Text, ""},
      {"VidPer", K::Text, ""},
      {"Prim", K::Text, ""},
      {"Stoimost", K::Boolean, "1"},
      {"Stoimost2_1", K::Boolean, "0"},
      {"Stoimost2_2", K::Boolean, "0"},
      {"CheckNastrGrTov", K::Boolean, "0"},
      {"Pr_CenPriobr", K::Boolean, "0"},
      {"Pr_CenTr", K::Boolean, "0"},
      {"Pr_ProcTr", K::Boolean, "0"},
      {"Pr_CenWNal", K::Boolean, "0"},
      {"PRAll", K::Text, ""},
      {"IdDoc", K::Integer, "1"},
      {"AliasName", K::Text, "MainDatabase"},
      {"DbParam1", K::Text, "USER NAME=korvel"},
      {"DbParam2", K::Text, "PASSWORD="},
      {"Copies", K::Text, "1"},
      {"Face3", K::Boolean, "0"},
      {"DateDov", K::Text, ""},
      {"VlTr", K::Text, ""},
      {"SposPogr", K::Text, ""},
      {"SposRazgr", K::Text, ""},
      {"VrPrib", K::Text, ""},
      {"VrUb", K::Text, ""},
      {"VrProst", K::Text, ""},
      {"MOLGruzPoluch", K::Text, ""},
      {"NomPric", K::Text, ""},
      {"Agreement", K::Text, ""},
  };
  return options;
}

const std::string& Options::value(const std::string& name) const {
  for (const auto& argument : arguments)
    if (sameName(argument.name, name)) return argument.value;
  throw std::invalid_argument("unknown option --" + name);
}

void Options::set(const std::string& name, const std::string& text) {
  Argument* argument = find(*this, name);
  if (!argument) throw std::invalid_argument("unknown option --" + name);
  if (argument->kind == K::Boolean) {
    if (text != "0" && text != "1")
      throw std::invalid_argument("--" + argument->name + " takes 0 or 1, not '" + text + "'");
  } else if (argument->kind == K::Integer) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
      throw std::invalid_argument("--" + argument->name + " takes a 32-bit whole number, not '" + text + "'");
  }
  argument->value = text;
  if (argument->name == "IdDoc") idDocGiven = true;
}

Options parseOptions(const std::vector<std::string>& args) {
  Options options = defaultOptions();
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "-h" || arg == "--help") {
      options.help = true;
      continue;
    }
    if (!arg.starts_with("--")) throw std::invalid_argument("unexpected argument '" + arg + "'");
    const auto equals = arg.find('=');
    const std::string name = arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
    const bool hasValue = equals != std::string::npos;
    const std::string value = hasValue ? arg.substr(equals + 1) : std::string();

    auto pathValue = [&]() -> std::string {
      if (hasValue) return value;
      if (i + 1 >= args.size()) throw std::invalid_argument("--" + name + " needs a file name");
      return args[++i];
    };
    if (name == "library") {
      options.libraryPath = pathValue();
    } else if (name == "revision") {
      if (value != "earlier" && value != "current")
        throw std::invalid_argument("--revision needs earlier or current: --revision=earlier");
      options.earlierRevision = value == "earlier";
    } else if (name == "pdf") {
      options.pdfPath = pathValue();
    } else if (name == "dump") {
      options.dumpPath = pathValue();
    } else if (name == "print") {
      options.print = !hasValue || value != "0";
    } else {
      const Argument* argument = find(options, name);
      if (!argument) throw std::invalid_argument("unknown option --" + name);
      if (!hasValue && argument->kind != K::Boolean)
        throw std::invalid_argument("--" + argument->name + " needs a value: --" + argument->name + "=...");
      options.set(name, hasValue ? value : "1");
    }
  }
  return options;
}

std::string usage() {
  std::string text =
      "Usage: korvel-host [options]\n"
      "Calls ShowBegRepForm of libkorvel for one warehouse document.\n\n"
      "  --library PATH   the library (default: libkorvel.so beside this program)\n"
      "  --revision=earlier  the library is the earlier revision (38 arguments, no\n"
      "                   Agreement); default current\n"
      "  --pdf FILE       write the previewed pages to FILE instead of opening a window\n"
      "  --dump FILE      write the prepared reports as JSON: {\"previews\":[...]}\n"
      "  --print          press Print in the preview (default printer)\n\n"
      "ShowBegRepForm arguments (Booleans alone mean 1; =0 or =1 set them):\n";
  for (const auto& argument : defaultOptions().arguments) {
    text += "  --" + argument.name;
    text += argument.kind == K::Boolean ? "[=0|1]" : "=VALUE";
    text += "   (default: \"" + argument.value + "\")\n";
  }
  text +=
      "\nWithout a display, or with --pdf, --dump or --print, nothing is shown: messages\n"
      "go to standard error as \"message: ...\" or \"error: ...\" lines and the exit\n"
      "status is 1 when there was any. MDBConnect.ini is read beside this program.\n";
  return text;
}

}  // namespace korvel::host
