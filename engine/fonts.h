// Qt fonts for template fonts. "Arial" and "Times New Roman" resolve to the
// metric-compatible Liberation faces where those are installed, so that
// every machine measures and draws the same glyph widths.
#pragma once

#include <QFont>

#include "engine/style.h"

namespace korvel::engine {

// The size text really has: templates hold font heights in whole pixels at
// 96 dpi, so 7 pt prints as 9 px (6.75 pt), 8 pt as 11 px.
double effectiveSizePt(const Font& font);

// Hinting is off so that widths scale exactly with the resolution. The
// point size is the effective one; callers scale it to their device.
QFont qtFont(const Font& font);

}  // namespace korvel::engine
