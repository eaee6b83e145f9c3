// Text measurement for layout, in millimetres, at one fixed logical
// resolution with hinting off: preview, PDF, PNG and printer all get the
// same line breaks. Results are cached per distinct text, font and width,
// so a report of many records measures each distinct text once.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/style.h"

namespace korvel::engine {

class TextMetrics {
 public:
  // Needs a QGuiApplication (EReportError when there is none).
  TextMetrics();
  ~TextMetrics();
  TextMetrics(const TextMetrics&) = delete;
  TextMetrics& operator=(const TextMetrics&) = delete;

  // Height of one line of the font (ascent plus descent plus leading).
  double lineHeightMm(const Font& font);
  double ascentMm(const Font& font);
  double widthMm(std::string_view text, const Font& font);
  // One paragraph broken into lines no wider than widthMm: at blanks, and
  // inside a word that alone is too wide. The blanks at a break are dropped.
  const std::vector<std::string>& wrap(std::string_view paragraph, const Font& font, double widthMm);

 private:
  struct FontMetricsCache;
  FontMetricsCache& fontCache(const Font& font);

  std::unordered_map<std::string, std::unique_ptr<FontMetricsCache>> fonts_;
};

}  // namespace korvel::engine
