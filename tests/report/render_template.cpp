// korvel-render-template: lays the stored waybill template out over a
// sample document, with the template's own expressions only (no form
// preparation; no pricing script unless --script), and writes what it printed:
//   korvel-render-template [--lines N] [--consignor TEXT] [--script] OUTPUT_DIR
// gives OUTPUT_DIR/waybill.pdf, waybill-<sheet>.png and waybill.json.
#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>

#include "base/exception.h"
#include "engine/output.h"
#include "engine/storage.h"
#include "report/script/waybill_script.h"
#include "report/waybill_template.h"
#include "sample_waybill.h"

namespace {

struct Options {
  int lines = 5;
  std::string consignor;
  bool script = false;
  std::filesystem::path output;
};

[[noreturn]] void usage() {
  std::cerr << "usage: korvel-render-template [--lines N] [--consignor TEXT] [--script] OUTPUT_DIR\n";
  std::exit(2);
}

Options parse(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "--lines" && i + 1 < argc) {
      options.lines = std::atoi(argv[++i]);
      if (options.lines < 0) usage();
    } else if (arg == "--consignor" && i + 1 < argc) {
      options.consignor = argv[++i];
    } else if (arg == "--script") {
      options.script = true;
    } else if (!arg.starts_with("--") && options.output.empty()) {
      options.output = arg;
    } else {
      usage();
    }
  }
  if (options.output.empty()) usage();
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  Options options = parse(argc, argv);
  QGuiApplication application(argc, argv);
  try {
    namespace engine = korvel::engine;
    engine::Report report = engine::loadReport(korvel::report::waybillTemplateXml());
    auto sample = korvel::report::testing::makeSampleWaybill(options.lines, options.consignor);
    sample->bindTo(report);
    report.setScript(options.script ? korvel::report::script::waybillScript()
                                    : korvel::report::testing::silentScript());
    engine::PreparedReport prepared = report.prepare();

    std::filesystem::create_directories(options.output);
    engine::writePdf(prepared, (options.output / "waybill.pdf").string());
    for (std::size_t i = 0; i < prepared.pages.size(); ++i)
      engine::writePng(prepared, i, (options.output / ("waybill-" + std::to_string(i + 1) + ".png")).string(),
                       150);
    std::ofstream json(options.output / "waybill.json", std::ios::binary);
    json << engine::dumpJson(prepared);
    if (!json) throw korvel::EInOutError("cannot write " + (options.output / "waybill.json").string());
    std::cout << prepared.pages.size() << " sheets written to " << options.output.string() << "\n";
  } catch (const korvel::Exception& e) {
    std::cerr << e.className() << ": " << e.message() << "\n";
    return 1;
  }
  return 0;
}
