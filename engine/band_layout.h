// Placement of one band's objects once their texts are final: auto width,
// neighbour alignment, word wrap, growth, shifting by shift mode and the
// band's own growth. Positions come out band-relative, in millimetres.
#pragma once

#include <string>
#include <vector>

#include "engine/model.h"
#include "engine/prepared.h"
#include "engine/text_metrics.h"

namespace korvel::engine {

struct LaidOutBand {
  double height = 0;
  std::vector<PreparedItem> items;  // one per object, in the band's order
};

// finalTexts holds, for every object of the band in order, its printed
// text (CR LF between lines; ignored for lines).
LaidOutBand layoutBand(const Band& band, const std::vector<std::string>& finalTexts, double bandWidth,
                       TextMetrics& metrics);

// Height a text of the given laid-out line count needs in its box.
double textBlockHeight(std::size_t lineCount, double lineHeightMm, double lineSpacingPx);

}  // namespace korvel::engine
