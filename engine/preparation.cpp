// Pagination and band printing of one preparation pass.
#include "engine/preparation.h"

#include <cctype>

#include "base/exception.h"
#include "base/number_text.h"
#include "engine/dataset.h"

namespace korvel::engine {
namespace {

constexpr double kFitTolerance = 1e-6;

std::string lowerCase(std::string_view s) {
  std::string lower(s);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

std::string sumKey(std::string_view band, const expr::Expression& argument) {
  return lowerCase(band) + '\x1f' + argument.source();
}

double bandWidth(const Page& page) { return page.width - page.marginLeft - page.marginRight; }

}  // namespace

PreparationPass::PreparationPass(Report& report, int totalPages, DateTime started, Script* script,
                                 TextMetrics& metrics)
    : report_(report), script_(script), metrics_(metrics), context_(report), handlers_(context_) {
  context_.totalPages = totalPages;
  context_.started = started;
  context_.sums = [this](const expr::Aggregate& aggregate) { return sumOf(aggregate); };
}

std::vector<PreparedPage> PreparationPass::run() {
  for (Page& page : report_.pages) {
    header_ = footer_ = nullptr;
    std::vector<Band*> titles, data, summaries;
    for (Band& band : page.bands) {
      switch (band.kind) {
        case BandKind::ReportTitle:
          titles.push_back(&band);
          break;
        case BandKind::PageHeader:
          header_ = header_ ? header_ : &band;
          break;
        case BandKind::PageFooter:
          footer_ = footer_ ? footer_ : &band;
          break;
        case BandKind::MasterData:
          data.push_back(&band);
          break;
        case BandKind::ReportSummary:
          summaries.push_back(&band);
          break;
      }
    }
    collectSums(page);
    startSheet(page, titles);
    for (Band* band : data) printRecords(page, *band);
    for (Band* band : summaries) printFitting(page, *band);
    endSheet(page);
  }
  return std::move(sheets_);
}

void PreparationPass::printRecords(const Page& page, Band& band) {
  if (band.dataset.empty()) {
    context_.line = 1;
    printFitting(page, band);
    return;
  }
  const DatasetEntry* entry = report_.findDataset(band.dataset);
  if (!entry || !entry->bound) throw EReportError(band.name + ": dataset '" + band.dataset + "' has no data");
  Dataset& records = *entry->bound;
  records.first();
  int line = 0;
  while (!records.eof()) {
    context_.line = ++line;
    printFitting(page, band);
    records.next();
  }
  // Leave the cursor where evaluations after the preparation expect it.
  records.first();
}

void PreparationPass::startSheet(const Page& page, const std::vector<Band*>& titles) {
  PreparedPage sheet;
  sheet.number = static_cast<int>(sheets_.size()) + 1;
  sheet.widthMm = page.width;
  sheet.heightMm = page.height;
  // Sheets of a page are alike: room for as many items as the last one had.
  if (!sheets_.empty()) sheet.items.reserve(sheets_.back().items.size() + 16);
  sheets_.push_back(std::move(sheet));
  context_.sheetNumber = sheets_.back().number;
  for (auto& [key, sum] : sums_) sum = 0;
  cursor_ = page.marginTop;
  sheetHasContent_ = false;
  for (Band* title : titles) {
    printOnce(page, *title, cursor_);
    sheetHasContent_ = true;
  }
  if (header_) printOnce(page, *header_, cursor_);
}

void PreparationPass::endSheet(const Page& page) {
  if (footer_) printOnce(page, *footer_, page.height - page.marginBottom - footer_->height);
}

void PreparationPass::printOnce(const Page& page, Band& band, double top) {
  RenderedBand rendered = render(page, band);
  place(rendered.layout, page, top);
  if (band.kind != BandKind::PageFooter) cursor_ = top + rendered.layout.height;
  accumulateSums(band);
  finish(rendered, band);
}

void PreparationPass::printFitting(const Page& page, Band& band) {
  RenderedBand rendered = render(page, band);
  double limit = page.height - page.marginBottom - (footer_ ? footer_->height : 0);
  if (sheetHasContent_ && cursor_ + rendered.layout.height > limit + kFitTolerance) {
    endSheet(page);
    startSheet(page, {});
  }
  place(rendered.layout, page, cursor_);
  cursor_ += rendered.layout.height;
  sheetHasContent_ = true;
  accumulateSums(band);
  finish(rendered, band);
}

PreparationPass::RenderedBand PreparationPass::render(const Page& page, Band& band) {
  RenderedBand rendered;
  std::vector<std::string> texts(band.objects.size());
  for (BandObject& object : band.objects)
    if (auto* text = std::get_if<TextObject>(&object))
      rendered.saved.push_back({text, text->lines, text->literal});
  for (std::size_t i = 0; i < band.objects.size(); ++i) {
    auto* text = std::get_if<TextObject>(&band.objects[i]);
    if (!text) continue;
    text->value.reset();
    if (!text->onBeforePrint.empty()) callHandler(text->onBeforePrint, *text);
    texts[i] = context_.evaluateText(*text, parts_);
  }
  rendered.layout = layoutBand(band, texts, bandWidth(page), metrics_);
  for (PreparedItem& item : rendered.layout.items) {
    item.page = page.name;
    item.band = band.name;
  }
  return rendered;
}

void PreparationPass::finish(RenderedBand& rendered, Band& band) {
  for (BandObject& object : band.objects) {
    auto* text = std::get_if<TextObject>(&object);
    if (text && !text->onAfterPrint.empty()) callHandler(text->onAfterPrint, *text);
  }
  for (SavedText& saved : rendered.saved) {
    saved.object->lines = std::move(saved.lines);
    saved.object->literal = saved.literal;
    saved.object->value.reset();
  }
}

void PreparationPass::place(LaidOutBand& layout, const Page& page, double top) {
  std::vector<PreparedItem>& items = sheets_.back().items;
  for (PreparedItem& item : layout.items) {
    item.leftMm += page.marginLeft;
    item.topMm += top;
    items.push_back(std::move(item));
  }
  layout.items.clear();
}

void PreparationPass::callHandler(const std::string& handler, const TextObject& object) {
  if (!script_) throw EReportError(object.name + ": the report has no script for handler '" + handler + "'");
  script_->call(handler, handlers_);
}

void PreparationPass::collectSums(const Page& page) {
  tracked_.clear();
  sums_.clear();
  for (const Band& band : page.bands) {
    for (const BandObject& object : band.objects) {
      auto* text = std::get_if<TextObject>(&object);
      if (!text || text->literal) continue;
      std::string source = text->text();
      if (source.find('[') == std::string::npos) continue;
      const std::vector<expr::TextPart>* parts = nullptr;
      try {
        parts = &parts_.parts(source);
      } catch (const EReportError& e) {
        throw EReportError(text->name + ": " + e.message());
      }
      for (const expr::TextPart& part : *parts) {
        if (!part.expression) continue;
        for (const expr::Aggregate& aggregate : part.expression->aggregates()) {
          std::string key = sumKey(aggregate.band, *aggregate.argument);
          if (sums_.emplace(key, 0.0).second)
            tracked_.push_back({lowerCase(aggregate.band), key, aggregate.argument});
        }
      }
    }
  }
}

void PreparationPass::accumulateSums(const Band& band) {
  if (tracked_.empty()) return;
  std::string name = lowerCase(band.name);
  for (const TrackedSum& tracked : tracked_) {
    if (tracked.band != name) continue;
    Value value;
    try {
      value = tracked.argument->evaluate(context_);
    } catch (const EReportError& e) {
      throw EReportError("SUM over " + band.name + ": " + e.message());
    }
    double& sum = sums_[tracked.key];
    if (value.isNumber()) {
      sum += value.toNumber();
    } else if (value.type() == ValueType::Text && !value.asText().empty()) {
      sum += StrToFloat(value.asText());
    }
  }
}

Value PreparationPass::sumOf(const expr::Aggregate& aggregate) const {
  auto it = sums_.find(sumKey(aggregate.band, *aggregate.argument));
  return Value::floating(it == sums_.end() ? 0.0 : it->second);
}

}  // namespace korvel::engine
