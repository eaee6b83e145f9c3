// The parts of a report template: options, dataset list, variable list,
// pages, bands and their text and line objects, with every property the
// storage format holds. The Report that ties them together and offers the
// operations on them is in engine/report.h.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/value.h"
#include "engine/style.h"

namespace korvel::engine {

class Dataset;

// Attributes the stored document wrote out although they held their
// default, so that saving gives the document back as it was.
using ExplicitAttributes = std::set<std::string, std::less<>>;

enum class ShiftMode { Always, Overlapped, Fixed };
enum class Neighbour { None, FollowsLeft, EndsAtRight };
enum class LineDirection { Horizontal, Vertical };
enum class BandKind { ReportTitle, PageHeader, MasterData, PageFooter, ReportSummary };

class TextObject {
 public:
  std::string name;
  double left = 0, top = 0, width = 0, height = 0;  // mm, band-relative
  std::vector<std::string> lines;
  Font font;
  Frame frame;
  HAlign halign = HAlign::Left;
  VAlign valign = VAlign::Top;
  bool wrap = true;
  bool grow = false;
  bool autoWidth = false;
  ShiftMode shift = ShiftMode::Always;
  Neighbour neighbour = Neighbour::None;
  std::string format;                    // printf pattern such as "%2.2f"; empty = none
  std::optional<char> decimalSeparator;  // of the format; none = the system's
  bool hideZeros = false;
  double lineSpacingPx = 2;
  std::string onBeforePrint, onAfterPrint;
  // The text prints exactly as held; its square brackets are not expressions.
  bool literal = false;
  // Value of the last bracketed expression of the latest evaluation.
  std::optional<Value> value;
  ExplicitAttributes explicitAttributes;

  // Lines joined by CR LF, none after the last; no lines = empty text.
  std::string text() const;
  // Replaces all lines; CR LF, LF and CR all end a line. The text is an
  // expression text again.
  void setText(std::string_view text);
  // As setText, but the text prints exactly as given.
  void setLiteralText(std::string_view text);
};

struct LineObject {
  std::string name;
  double left = 0, top = 0, width = 0, height = 0;
  LineDirection direction = LineDirection::Horizontal;
  double lineWidthPx = 1;
  ShiftMode shift = ShiftMode::Always;
  ExplicitAttributes explicitAttributes;
};

// The objects of a band, in print order.
using BandObject = std::variant<TextObject, LineObject>;
const std::string& objectName(const BandObject& object);

struct Band {
  std::string name;
  BandKind kind = BandKind::MasterData;
  double height = 0;
  bool grows = false;
  std::string dataset;  // masterData: name from the dataset list
  std::vector<BandObject> objects;
  ExplicitAttributes explicitAttributes;
};

enum class Orientation { Portrait, Landscape };

struct Page {
  std::string name;
  int paper = 9;
  double width = 210, height = 297;
  Orientation orientation = Orientation::Portrait;
  double marginLeft = 10, marginTop = 10, marginRight = 10, marginBottom = 10;
  std::vector<Band> bands;
  ExplicitAttributes explicitAttributes;
};

struct DatasetEntry {
  std::string name;  // as used in expressions
  std::string link;  // the form's dataset link that supplies it
  Dataset* bound = nullptr;
};

// An entry of the variable list; a name beginning with a blank starts a
// category. The value is an expression (usually a text holding one).
struct VariableEntry {
  std::string name;
  std::optional<Value> value;
  bool isCategory() const { return !name.empty() && name.front() == ' '; }
};

struct ReportOptions {
  std::string name;
  std::string scriptLanguage;
  bool doublePass = false;
  bool previewPrint = true, previewEdit = true;
  double previewZoom = 1;
  std::string printer = "Default";
  bool collate = false;
  int copies = 1;
  bool dotMatrix = false;
  ExplicitAttributes explicitAttributes;
};

// Names compare without regard to case (ASCII letters).
bool sameName(std::string_view a, std::string_view b);

}  // namespace korvel::engine
