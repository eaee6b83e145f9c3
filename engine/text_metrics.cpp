// Measurement with Qt font metrics on a fixed-resolution image device.
#include "engine/text_metrics.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include "base/exception.h"
#include "engine/fonts.h"

namespace korvel::engine {
namespace {

// A whole multiple of 96 dpi, so that every template font size (whole pixels
// at 96 dpi) is a whole pixel size here too.
constexpr double kLogicalDpi = 1152;
constexpr double kMmPerLogicalPixel = 25.4 / kLogicalDpi;

const QImage& measuringDevice() {
  static const QImage device = [] {
    QImage image(1, 1, QImage::Format_ARGB32);
    int dotsPerMeter = static_cast<int>(kLogicalDpi / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
  }();
  return device;
}

std::string fontKey(const Font& font) {
  return font.family + '\x1f' + std::to_string(font.sizePt) + (font.bold ? "b" : "");
}

// Start of every character (code point) of the text, and its end.
std::vector<qsizetype> characterBounds(const QString& text) {
  std::vector<qsizetype> bounds;
  for (qsizetype i = 0; i < text.size(); ++i)
    if (!text[i].isLowSurrogate()) bounds.push_back(i);
  bounds.push_back(text.size());
  return bounds;
}

}  // namespace

struct TextMetrics::FontMetricsCache {
  explicit FontMetricsCache(const Font& font) : metrics(qtFont(font), &measuringDevice()) {}

  double width(const QString& text) {
    auto [it, inserted] = widths.try_emplace(text, 0.0);
    if (inserted) it->second = metrics.horizontalAdvance(text) * kMmPerLogicalPixel;
    return it->second;
  }

  QFontMetricsF metrics;
  std::unordered_map<QString, double> widths;
  std::unordered_map<std::string, std::vector<std::string>> wrapped;
};

TextMetrics::TextMetrics() {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    throw EReportError("Text measurement needs a running QGuiApplication");
}

TextMetrics::~TextMetrics() = default;

TextMetrics::FontMetricsCache& TextMetrics::fontCache(const Font& font) {
  std::string key = fontKey(font);
  auto it = fonts_.find(key);
  if (it == fonts_.end()) it = fonts_.emplace(key, std::make_unique<FontMetricsCache>(font)).first;
  return *it->second;
}

double TextMetrics::lineHeightMm(const Font& font) {
  return fontCache(font).metrics.height() * kMmPerLogicalPixel;
}

double TextMetrics::ascentMm(const Font& font) {
  return fontCache(font).metrics.ascent() * kMmPerLogicalPixel;
}

double TextMetrics::widthMm(std::string_view text, const Font& font) {
  return fontCache(font).width(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

const std::vector<std::string>& TextMetrics::wrap(std::string_view paragraph, const Font& font,
                                                  double widthMm) {
  FontMetricsCache& cache = fontCache(font);
  std::string key = std::to_string(widthMm) + '\x1f' + std::string(paragraph);
  auto found = cache.wrapped.find(key);
  if (found != cache.wrapped.end()) return found->second;

  std::vector<std::string> lines;
  QString text = QString::fromUtf8(paragraph.data(), static_cast<qsizetype>(paragraph.size()));
  auto fits = [&](const QString& s) { return cache.width(s) <= widthMm + 1e-9; };
  if (fits(text)) {
    lines.emplace_back(paragraph);
    return cache.wrapped.emplace(std::move(key), std::move(lines)).first->second;
  }

  QString line;
  auto endLine = [&] {
    lines.push_back(line.toStdString());
    line.clear();
  };
  // Words with the blanks before them; the blanks at a break are dropped.
  qsizetype pos = 0;
  bool first = true;
  while (pos < text.size()) {
    qsizetype wordStart = pos;
    while (wordStart < text.size() && text[wordStart] == ' ') ++wordStart;
    qsizetype wordEnd = wordStart;
    while (wordEnd < text.size() && text[wordEnd] != ' ') ++wordEnd;
    QString blanks = text.mid(pos, wordStart - pos);
    QString word = text.mid(wordStart, wordEnd - wordStart);
    pos = wordEnd;

    QString candidate = (line.isEmpty() && !first) ? word : line + blanks + word;
    first = false;
    if (fits(candidate)) {
      line = candidate;
      continue;
    }
    if (!line.isEmpty()) endLine();
    // The word alone: break it while it is too wide for a line.
    while (!word.isEmpty() && !fits(word)) {
      std::vector<qsizetype> bounds = characterBounds(word);
      std::size_t lo = 1, hi = bounds.size() - 1;  // characters that fit: at least one
      while (lo < hi) {
        std::size_t mid = (lo + hi + 1) / 2;
        if (fits(word.left(bounds[mid])))
          lo = mid;
        else
          hi = mid - 1;
      }
      line = word.left(bounds[lo]);
      endLine();
      word = word.mid(bounds[lo]);
    }
    line = word;
  }
  if (!line.isEmpty() || lines.empty()) endLine();
  return cache.wrapped.emplace(std::move(key), std::move(lines)).first->second;
}

}  // namespace korvel::engine
