// A prepared report: the positioned items of every sheet, as plain data.
// Positions are millimetres from the sheet's top-left corner (margins
// included). Outputs (screen, PDF, PNG, printer, JSON) draw only this.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/value.h"
#include "engine/style.h"

namespace korvel::engine {

struct PreparedVariable {
  std::string name;
  std::string category;  // without its leading blank; empty = none
  std::optional<Value> value;
};

enum class ItemKind { Text, Line };

struct PreparedItem {
  ItemKind kind = ItemKind::Text;
  std::string name, page, band;
  double leftMm = 0, topMm = 0, widthMm = 0, heightMm = 0;

  // Text boxes.
  std::string text;                // final text, lines joined by "\n"
  std::vector<std::string> lines;  // the lines as laid out (after word wrap)
  Font font;
  Frame frame;
  HAlign halign = HAlign::Left;
  VAlign valign = VAlign::Top;
  double lineSpacingPx = 2;

  // Lines: drawn along the top side, or the left side when vertical.
  bool vertical = false;
  double lineWidthPx = 1;
};

struct PreparedPage {
  int number = 1;
  double widthMm = 210, heightMm = 297;
  std::vector<PreparedItem> items;
};

struct PreparedReport {
  int copies = 1;
  std::vector<PreparedVariable> variables;
  std::vector<PreparedPage> pages;
};

}  // namespace korvel::engine
