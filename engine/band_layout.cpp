// Band layout rules. Which object lies left, right or above another is
// decided on the designed positions, so the result does not depend on the
// order in which objects are visited.
#include "engine/band_layout.h"

#include <algorithm>
#include <numeric>

namespace korvel::engine {
namespace {

constexpr double kEpsilon = 1e-6;

struct Box {
  double left, top, width, height;
  double right() const { return left + width; }
  double bottom() const { return top + height; }
};

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string current;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(current));
      current.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      current += c;
    }
  }
  lines.push_back(std::move(current));
  return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string joined;
  for (std::size_t i = 0; i < lines.size(); ++i) joined += (i ? "\n" : "") + lines[i];
  return joined;
}

bool overlapsVertically(const Box& a, const Box& b) {
  return a.top < b.bottom() - kEpsilon && b.top < a.bottom() - kEpsilon;
}
bool overlapsHorizontally(const Box& a, const Box& b) {
  return a.left < b.right() - kEpsilon && b.left < a.right() - kEpsilon;
}

Box designBox(const BandObject& object) {
  return std::visit([](const auto& o) { return Box{o.left, o.top, o.width, o.height}; }, object);
}

ShiftMode shiftOf(const BandObject& object) {
  return std::visit([](const auto& o) { return o.shift; }, object);
}

}  // namespace

double textBlockHeight(std::size_t lineCount, double lineHeightMm, double lineSpacingPx) {
  if (lineCount == 0) return 0;
  return static_cast<double>(lineCount) * lineHeightMm +
         static_cast<double>(lineCount - 1) * lineSpacingPx * kMmPerPixel;
}

LaidOutBand layoutBand(const Band& band, const std::vector<std::string>& finalTexts, double bandWidth,
                       TextMetrics& metrics) {
  const std::size_t n = band.objects.size();
  std::vector<Box> design(n), box(n);
  std::vector<std::vector<std::string>> paragraphs(n);
  for (std::size_t i = 0; i < n; ++i) {
    design[i] = box[i] = designBox(band.objects[i]);
    if (auto* t = std::get_if<TextObject>(&band.objects[i])) {
      paragraphs[i] = finalTexts[i].empty() ? std::vector<std::string>{} : splitLines(finalTexts[i]);
      if (t->autoWidth) {
        double widest = 0;
        for (const std::string& p : paragraphs[i]) widest = std::max(widest, metrics.widthMm(p, t->font));
        box[i].width = widest + 2 * kTextGapXMm;
      }
    }
  }

  // Neighbour alignment: followers left to right, right-aligned ones right to left.
  std::vector<std::size_t> order(n);
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](auto a, auto b) { return design[a].left < design[b].left; });
  auto neighbourOf = [&](std::size_t i) {
    auto* t = std::get_if<TextObject>(&band.objects[i]);
    return t ? t->neighbour : Neighbour::None;
  };
  for (std::size_t i : order) {
    if (neighbourOf(i) != Neighbour::FollowsLeft) continue;
    double edge = 0, nearest = -1e300;
    for (std::size_t j = 0; j < n; ++j) {
      if (j == i || !std::holds_alternative<TextObject>(band.objects[j])) continue;
      if (design[j].left < design[i].left && overlapsVertically(design[i], design[j]) &&
          design[j].right() > nearest) {
        nearest = design[j].right();
        edge = box[j].right();
      }
    }
    box[i].left = edge;
  }
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    std::size_t i = *it;
    if (neighbourOf(i) != Neighbour::EndsAtRight) continue;
    double edge = bandWidth, nearest = 1e300;
    for (std::size_t j = 0; j < n; ++j) {
      if (j == i || !std::holds_alternative<TextObject>(band.objects[j])) continue;
      if (design[j].left > design[i].left && overlapsVertically(design[i], design[j]) &&
          design[j].left < nearest) {
        nearest = design[j].left;
        edge = box[j].left;
      }
    }
    box[i].left = edge - box[i].width;
  }

  // Word wrap and growth.
  LaidOutBand out;
  out.items.resize(n);
  std::vector<double> growth(n, 0);
  for (std::size_t i = 0; i < n; ++i) {
    PreparedItem& item = out.items[i];
    if (auto* t = std::get_if<TextObject>(&band.objects[i])) {
      item.kind = ItemKind::Text;
      item.name = t->name;
      item.text = joinLines(paragraphs[i]);
      item.font = t->font;
      item.frame = t->frame;
      item.halign = t->halign;
      item.valign = t->valign;
      item.lineSpacingPx = t->lineSpacingPx;
      // The desktops the templates were designed on measure with hinted
      // fonts, which run narrower than exact outlines, and the boxes are
      // sized to that: a line may use the inner margins before it breaks.
      double inner = std::max(0.0, box[i].width);
      for (const std::string& p : paragraphs[i]) {
        if (t->wrap && !t->autoWidth) {
          const auto& wrapped = metrics.wrap(p, t->font, inner);
          item.lines.insert(item.lines.end(), wrapped.begin(), wrapped.end());
        } else {
          item.lines.push_back(p);
        }
      }
      if (t->grow) {
        double needed = textBlockHeight(item.lines.size(), metrics.lineHeightMm(t->font), t->lineSpacingPx) +
                        2 * kTextGapYMm;
        if (needed > box[i].height) {
          growth[i] = needed - box[i].height;
          box[i].height = needed;
        }
      }
    } else {
      const LineObject& line = std::get<LineObject>(band.objects[i]);
      item.kind = ItemKind::Line;
      item.name = line.name;
      item.vertical = line.direction == LineDirection::Vertical;
      item.lineWidthPx = line.lineWidthPx;
    }
  }

  // Shifting, only where the band grows: an object moves down by the
  // growth and shift of every object that lies wholly above it (that
  // also overlaps it horizontally, for shift if overlapped).
  if (band.grows) {
    std::vector<std::size_t> byTop(n);
    std::iota(byTop.begin(), byTop.end(), 0);
    std::stable_sort(byTop.begin(), byTop.end(), [&](auto a, auto b) {
      return design[a].top != design[b].top ? design[a].top < design[b].top
                                            : design[a].bottom() < design[b].bottom();
    });
    std::vector<double> shift(n, 0);
    for (std::size_t k = 0; k < n; ++k) {
      std::size_t i = byTop[k];
      ShiftMode mode = shiftOf(band.objects[i]);
      if (mode == ShiftMode::Fixed) continue;
      for (std::size_t m = 0; m < k; ++m) {
        std::size_t j = byTop[m];
        if (design[j].bottom() > design[i].top + kEpsilon) continue;
        if (mode == ShiftMode::Overlapped && !overlapsHorizontally(design[i], design[j])) continue;
        shift[i] = std::max(shift[i], shift[j] + growth[j]);
      }
    }
    for (std::size_t i = 0; i < n; ++i) box[i].top += shift[i];
  }

  // A growing band grows by as much as its contents reach further down
  // than designed, so the space below them stays.
  double designBottom = 0, bottom = 0;
  for (std::size_t i = 0; i < n; ++i) {
    PreparedItem& item = out.items[i];
    item.leftMm = box[i].left;
    item.topMm = box[i].top;
    item.widthMm = box[i].width;
    item.heightMm = box[i].height;
    designBottom = std::max(designBottom, design[i].bottom());
    bottom = std::max(bottom, box[i].bottom());
  }
  out.height = band.height;
  if (band.grows && bottom > designBottom)
    out.height = std::max(band.height, band.height + bottom - designBottom);
  return out;
}

}  // namespace korvel::engine
