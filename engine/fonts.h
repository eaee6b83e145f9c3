// Qt fonts for template fonts. "Arial" and "Times New Roman" resolve to the
// metric-compatible Liberation faces where those are installed, so that
// every machine measures and draws the same glyph widths.
#pragma once

#include <QFont>

#include "engine/style.h"

namespace korvel::engine {

// Hinting is off so that widths scale exactly with the resolution. The
// point size is the template's; callers scale it to their device.
QFont qtFont(const Font& font);

}  // namespace korvel::engine
