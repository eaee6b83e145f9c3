// Presentation properties shared by the template model and the prepared
// pages: fonts, frames and alignment of text boxes.
#pragma once

#include <string>

namespace korvel::engine {

enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Center, Bottom };

struct Font {
  std::string family = "Arial";
  double sizePt = 10;
  bool bold = false;
  friend bool operator==(const Font&, const Font&) = default;
};

// Sides of a text box that are drawn, and the line width in pixels at 96 dpi
// (1 = normal, 0.1 = the thinnest line the device draws, 3 = thick).
struct Frame {
  bool left = false, right = false, top = false, bottom = false;
  double widthPx = 1;
  bool any() const { return left || right || top || bottom; }
  friend bool operator==(const Frame&, const Frame&) = default;
};

// Template lengths are millimetres; widths of lines are pixels at 96 dpi.
inline constexpr double kMmPerPixel = 25.4 / 96.0;

// Inner margins of a text box between its edges and its text.
inline constexpr double kTextGapXMm = 2 * kMmPerPixel;
inline constexpr double kTextGapYMm = 1 * kMmPerPixel;

}  // namespace korvel::engine
