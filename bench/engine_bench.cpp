// Engine benchmark: the waybill template with the pricing script over
// in-memory documents of 10 to 10,000 lines. For each size it prints the
// median time of the preparation (both passes), the PDF output and the
// JSON dump, and the peak resident memory of the process, as a table and
// as JSON (bench/run keeps the JSON).
#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <iostream>
#include <sys/resource.h>
#include <vector>

#include "engine/output.h"
#include "engine/storage.h"
#include "report/script/waybill_script.h"
#include "report/waybill_template.h"
#include "sample_waybill.h"

namespace {

double medianMs(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

long peakResidentMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;  // kilobytes on Linux
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  namespace engine = korvel::engine;
  const auto pdf = (std::filesystem::temp_directory_path() / "korvel-bench.pdf").string();
  std::printf("| lines | sheets | prepare ms | PDF ms | JSON ms | peak MB |\n|---|---|---|---|---|---|\n");
  std::string json = "[";
  for (int lines : {10, 100, 1000, 10000}) {
    engine::Report report = engine::loadReport(korvel::report::waybillTemplateXml());
    auto sample = korvel::report::testing::makeSampleWaybill(lines);
    sample->bindTo(report);
    korvel::report::testing::setProducerLine(report);
    report.setScript(korvel::report::script::waybillScript());
    const int runs = lines >= 10000 ? 3 : 5;
    engine::PreparedReport prepared;
    const double prepare = medianMs(runs, [&] { prepared = report.prepare(); });
    const double toPdf = medianMs(runs, [&] { engine::writePdf(prepared, pdf); });
    const double toJson = medianMs(runs, [&] { (void)engine::dumpJson(prepared); });
    const long peak = peakResidentMb();
    std::printf("| %d | %zu | %.1f | %.1f | %.1f | %ld |\n", lines, prepared.pages.size(), prepare, toPdf, toJson,
                peak);
    char row[256];
    std::snprintf(row, sizeof row,
                  "%s{\"lines\":%d,\"sheets\":%zu,\"prepare_ms\":%.1f,\"pdf_ms\":%.1f,\"json_ms\":%.1f,\"peak_mb\":%ld}",
                  json.size() > 1 ? "," : "", lines, prepared.pages.size(), prepare, toPdf, toJson, peak);
    json += row;
  }
  std::filesystem::remove(pdf);
  std::cerr << json << "]\n";
  return 0;
}
