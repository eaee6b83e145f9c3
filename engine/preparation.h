// One pass of a preparation: the pages in order, each on new sheets;
// title, page header, master data per record, page footer at the bottom of
// every sheet, summary after the data; bands that do not fit move to a new
// sheet. Every band runs its handlers, evaluates its texts, is laid out and
// placed, runs its after-print handlers and gets its texts back.
#pragma once

#include <vector>

#include "engine/band_layout.h"
#include "engine/prepared.h"
#include "engine/report.h"
#include "engine/report_context.h"

namespace korvel::engine {

class PreparationPass {
 public:
  // totalPages is what TotalPages reads (0 when not yet known); script may
  // be null when the template calls no handler.
  PreparationPass(Report& report, int totalPages, DateTime started, Script* script, TextMetrics& metrics);

  std::vector<PreparedPage> run();

 private:
  struct SavedText {
    TextObject* object;
    std::vector<std::string> lines;
    bool literal;
  };
  struct RenderedBand {
    LaidOutBand layout;
    std::vector<SavedText> saved;
  };
  // A SUM(argument, band) of the current page's texts, added up over the
  // records of that band placed on the current sheet.
  struct TrackedSum {
    std::string band;  // lower case
    std::string key;
    const expr::Expression* argument;
  };

  RenderedBand render(const Page& page, Band& band);
  void finish(RenderedBand& rendered, Band& band);
  void place(LaidOutBand& layout, const Page& page, double top);
  void printOnce(const Page& page, Band& band, double top);
  void printFitting(const Page& page, Band& band);
  void startSheet(const Page& page, const std::vector<Band*>& titles);
  void endSheet(const Page& page);
  void printRecords(const Page& page, Band& band);
  void callHandler(const std::string& handler, const TextObject& object);
  void collectSums(const Page& page);
  void accumulateSums(const Band& band);
  Value sumOf(const expr::Aggregate& aggregate) const;

  Report& report_;
  Script* script_;
  TextMetrics& metrics_;
  ReportContext context_;
  HandlerContext handlers_;
  TextPartsCache parts_;

  std::vector<PreparedPage> sheets_;
  Band* header_ = nullptr;
  Band* footer_ = nullptr;
  double cursor_ = 0;             // mm from the sheet's top edge
  bool sheetHasContent_ = false;  // anything besides the page header is on the sheet
  std::vector<TrackedSum> tracked_;
  std::unordered_map<std::string, double> sums_;
};

}  // namespace korvel::engine
