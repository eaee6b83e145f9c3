// Template XML reader and writer. The reader checks everything: the loader
// sees stored templates and designer output alike and must never accept a
// document it cannot lay out, nor crash on one.
#include "engine/storage.h"

#include <charconv>
#include <cmath>
#include <pugixml.hpp>
#include <set>

#include "base/exception.h"

namespace korvel::engine {
namespace {

[[noreturn]] void fail(const std::string& where, const std::string& what) {
  throw EReportError("Report template: " + where + ": " + what);
}

bool validUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (extra < 0 || i + extra >= s.size() + (extra == 0)) return false;
    std::uint32_t cp = extra == 0 ? c : c & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
      unsigned char d = static_cast<unsigned char>(s[i + k]);
      if ((d >> 6) != 2) return false;
      cp = (cp << 6) | (d & 0x3F);
    }
    static constexpr std::uint32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += extra + 1;
  }
  return true;
}

std::string numberText(double d) {
  char buf[32];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, d);
  return std::string(buf, ec == std::errc() ? end : buf);
}

std::string quoted(std::string_view s) { return "\"" + std::string(s) + "\""; }

// Reads the attributes of one element; every attribute must be consumed.
class Attributes {
 public:
  Attributes(pugi::xml_node node, std::string where) : node_(node), where_(std::move(where)) {}

  const std::string& where() const { return where_; }

  std::optional<std::string> take(const char* name) {
    pugi::xml_attribute a = node_.attribute(name);
    if (!a) return std::nullopt;
    taken_.insert(name);
    std::string value = a.value();
    if (!validUtf8(value)) fail(where_, std::string("attribute ") + name + " is not UTF-8 text");
    return value;
  }

  std::string text(const char* name, std::string fallback = {}) { return take(name).value_or(fallback); }

  std::string required(const char* name) {
    auto v = take(name);
    if (!v || v->empty()) fail(where_, std::string("attribute ") + name + " is missing");
    return *v;
  }

  double number(const char* name, double fallback, double min, double max) {
    auto v = take(name);
    if (!v) return fallback;
    double d = 0;
    auto [end, ec] = std::from_chars(v->data(), v->data() + v->size(), d);
    if (v->empty() || ec != std::errc() || end != v->data() + v->size() || !std::isfinite(d) || d < min ||
        d > max)
      fail(where_, std::string("attribute ") + name + "=" + quoted(*v) + " is not a number from " +
                       numberText(min) + " to " + numberText(max));
    return d;
  }

  int integer(const char* name, int fallback, int min, int max) {
    auto v = take(name);
    if (!v) return fallback;
    int i = 0;
    auto [end, ec] = std::from_chars(v->data(), v->data() + v->size(), i);
    if (v->empty() || ec != std::errc() || end != v->data() + v->size() || i < min || i > max)
      fail(where_, std::string("attribute ") + name + "=" + quoted(*v) + " is not a whole number from " +
                       std::to_string(min) + " to " + std::to_string(max));
    return i;
  }

  bool boolean(const char* name, bool fallback) {
    auto v = take(name);
    if (!v) return fallback;
    if (*v == "true") return true;
    if (*v == "false") return false;
    fail(where_, std::string("attribute ") + name + "=" + quoted(*v) + " is not true or false");
  }

  template <typename E>
  E choice(const char* name, E fallback, std::initializer_list<std::pair<const char*, E>> table) {
    auto v = take(name);
    if (!v) return fallback;
    std::string allowed;
    for (const auto& [word, value] : table) {
      if (*v == word) return value;
      allowed += allowed.empty() ? word : std::string(", ") + word;
    }
    fail(where_, std::string("attribute ") + name + "=" + quoted(*v) + " is not one of " + allowed);
  }

  void finish() const {
    for (pugi::xml_attribute a : node_.attributes())
      if (!taken_.count(a.name())) fail(where_, std::string("unknown attribute ") + a.name());
  }

  ExplicitAttributes present() const {
    ExplicitAttributes names;
    for (pugi::xml_attribute a : node_.attributes()) names.insert(a.name());
    return names;
  }

 private:
  pugi::xml_node node_;
  std::string where_;
  std::set<std::string> taken_;
};

constexpr double kMaxLength = 10000;  // mm; far beyond any paper
constexpr double kMaxPixels = 100;

void checkChildren(pugi::xml_node node, const std::string& where,
                   std::initializer_list<const char*> allowed) {
  for (pugi::xml_node child : node.children()) {
    if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
      std::string_view v = child.value();
      if (v.find_first_not_of(" \t\r\n") != std::string_view::npos) fail(where, "unexpected text content");
      continue;
    }
    if (child.type() != pugi::node_element) continue;
    bool known = false;
    for (const char* name : allowed) known = known || std::string_view(child.name()) == name;
    if (!known) fail(where, std::string("unexpected element <") + child.name() + ">");
  }
}

constexpr std::initializer_list<std::pair<const char*, ShiftMode>> kShiftModes = {
    {"always", ShiftMode::Always}, {"overlapped", ShiftMode::Overlapped}, {"fixed", ShiftMode::Fixed}};

void readBox(Attributes& a, double& left, double& top, double& width, double& height) {
  left = a.number("left", 0, -kMaxLength, kMaxLength);
  top = a.number("top", 0, -kMaxLength, kMaxLength);
  width = a.number("width", 0, 0, kMaxLength);
  height = a.number("height", 0, 0, kMaxLength);
}

Frame readFrame(Attributes& a) {
  Frame frame;
  std::string sides = a.text("frame");
  if (sides == "box") {
    frame.left = frame.right = frame.top = frame.bottom = true;
  } else {
    for (char c : sides) {
      bool* side = c == 'L'   ? &frame.left
                   : c == 'R' ? &frame.right
                   : c == 'T' ? &frame.top
                   : c == 'B' ? &frame.bottom
                              : nullptr;
      if (!side || *side)
        fail(a.where(), "attribute frame=" + quoted(sides) + " is not box or letters L, R, T, B");
      *side = true;
    }
  }
  frame.widthPx = a.number("frameWidth", 1, 0.01, kMaxPixels);
  return frame;
}

bool validDisplayFormat(std::string_view f) {
  // %[width][.precision]f
  if (f.size() < 2 || f.front() != '%' || f.back() != 'f') return false;
  std::string_view body = f.substr(1, f.size() - 2);
  std::size_t dot = body.find('.');
  auto digits = [](std::string_view s, bool required) {
    if (s.empty()) return !required;
    return s.size() <= 2 && s.find_first_not_of("0123456789") == std::string_view::npos;
  };
  if (dot == std::string_view::npos) return digits(body, false);
  return digits(body.substr(0, dot), false) && digits(body.substr(dot + 1), true);
}

TextObject readText(pugi::xml_node node, const std::string& bandWhere) {
  TextObject t;
  Attributes a(node, bandWhere + ", <text>");
  t.name = a.required("name");
  a = Attributes(node, "text " + quoted(t.name));
  a.take("name");
  readBox(a, t.left, t.top, t.width, t.height);
  t.font.family = a.text("font", "Arial");
  if (t.font.family.empty()) fail(a.where(), "attribute font is empty");
  t.font.sizePt = a.number("size", 10, 1, 200);
  t.font.bold = a.boolean("bold", false);
  t.frame = readFrame(a);
  t.halign = a.choice("halign", HAlign::Left,
                      {{"left", HAlign::Left}, {"center", HAlign::Center}, {"right", HAlign::Right}});
  t.valign = a.choice("valign", VAlign::Top,
                      {{"top", VAlign::Top}, {"center", VAlign::Center}, {"bottom", VAlign::Bottom}});
  t.wrap = a.boolean("wrap", true);
  t.grow = a.boolean("grow", false);
  t.autoWidth = a.boolean("autoWidth", false);
  t.shift = a.choice("shift", ShiftMode::Always, kShiftModes);
  t.neighbour = a.choice("neighbour", Neighbour::None,
                         {{"followsLeft", Neighbour::FollowsLeft}, {"endsAtRight", Neighbour::EndsAtRight}});
  t.format = a.text("format");
  if (!t.format.empty() && !validDisplayFormat(t.format))
    fail(a.where(), "attribute format=" + quoted(t.format) + " is not a pattern such as %2.2f");
  if (auto sep = a.take("decimalSeparator")) {
    if (*sep != "," && *sep != ".") fail(a.where(), "attribute decimalSeparator must be \",\" or \".\"");
    t.decimalSeparator = sep->front();
  }
  t.hideZeros = a.boolean("hideZeros", false);
  t.lineSpacingPx = a.number("lineSpacing", 2, 0, kMaxPixels);
  t.onBeforePrint = a.text("onBeforePrint");
  t.onAfterPrint = a.text("onAfterPrint");
  t.literal = a.boolean("literal", false);
  a.finish();
  t.explicitAttributes = a.present();

  checkChildren(node, a.where(), {"l"});
  for (pugi::xml_node l : node.children("l")) {
    std::string line;
    for (pugi::xml_node part : l.children()) {
      if (part.type() == pugi::node_pcdata || part.type() == pugi::node_cdata)
        line += part.value();
      else if (part.type() == pugi::node_element)
        fail(a.where(), "a line <l> holds an element");
    }
    if (l.first_attribute()) fail(a.where(), "a line <l> has attributes");
    if (!validUtf8(line)) fail(a.where(), "a line is not UTF-8 text");
    if (line.find_first_of("\r\n") != std::string::npos) fail(a.where(), "a line <l> holds a line break");
    t.lines.push_back(std::move(line));
  }
  return t;
}

LineObject readLine(pugi::xml_node node, const std::string& bandWhere) {
  LineObject line;
  Attributes a(node, bandWhere + ", <line>");
  line.name = a.required("name");
  a = Attributes(node, "line " + quoted(line.name));
  a.take("name");
  readBox(a, line.left, line.top, line.width, line.height);
  line.direction =
      a.choice("direction", LineDirection::Horizontal,
               {{"horizontal", LineDirection::Horizontal}, {"vertical", LineDirection::Vertical}});
  line.lineWidthPx = a.number("lineWidth", 1, 0.01, kMaxPixels);
  line.shift = a.choice("shift", ShiftMode::Always, kShiftModes);
  a.finish();
  line.explicitAttributes = a.present();
  checkChildren(node, a.where(), {});
  return line;
}

class Loader {
 public:
  Report load(std::string_view xml) {
    pugi::xml_document doc;
    pugi::xml_parse_result parsed = doc.load_buffer(
        xml.data(), xml.size(), pugi::parse_default | pugi::parse_ws_pcdata_single, pugi::encoding_utf8);
    if (!parsed)
      throw EReportError(std::string("Report template: not a valid XML document: ") + parsed.description() +
                         " at offset " + std::to_string(parsed.offset));
    pugi::xml_node root = doc.document_element();
    if (std::string_view(root.name()) != "report") fail("document", "the root element is not <report>");
    for (pugi::xml_node n : doc.children())
      if (n.type() == pugi::node_element && n != root) fail("document", "more than one root element");

    Report report;
    readOptions(root, report.options);
    checkChildren(root, "<report>", {"datasets", "variables", "page"});
    if (std::distance(root.children("datasets").begin(), root.children("datasets").end()) > 1 ||
        std::distance(root.children("variables").begin(), root.children("variables").end()) > 1)
      fail("<report>", "more than one <datasets> or <variables> element");
    readDatasets(root.child("datasets"), report);
    readVariables(root.child("variables"), report);
    for (pugi::xml_node page : root.children("page")) report.pages.push_back(readPage(page, report));
    return report;
  }

 private:
  void readOptions(pugi::xml_node root, ReportOptions& o) {
    Attributes a(root, "<report>");
    o.name = a.text("name");
    o.scriptLanguage = a.text("scriptLanguage");
    o.doublePass = a.boolean("doublePass", false);
    if (auto buttons = a.take("previewButtons")) {
      o.previewPrint = o.previewEdit = false;
      std::size_t start = 0;
      std::string_view all = *buttons;
      while (start <= all.size()) {
        std::size_t end = std::min(all.find(' ', start), all.size());
        std::string_view word = all.substr(start, end - start);
        if (word == "print")
          o.previewPrint = true;
        else if (word == "edit")
          o.previewEdit = true;
        else if (!word.empty())
          fail(a.where(), "previewButtons holds " + quoted(word) + ", not print or edit");
        start = end + 1;
      }
    }
    o.previewZoom = a.number("previewZoom", 1, 0.01, 100);
    o.printer = a.text("printer", "Default");
    o.collate = a.boolean("collate", false);
    o.copies = a.integer("copies", 1, 1, 9999);
    o.dotMatrix = a.boolean("dotMatrix", false);
    a.finish();
    o.explicitAttributes = a.present();
  }

  void claim(const std::string& name, const std::string& where) {
    std::string key;
    for (unsigned char c : name) key += static_cast<char>(std::tolower(c));
    if (!names_.insert(key).second) fail(where, "the name " + quoted(name) + " is used twice");
  }

  void readDatasets(pugi::xml_node list, Report& report) {
    if (!list) return;
    checkChildren(list, "<datasets>", {"dataset"});
    if (list.first_attribute())
      fail("<datasets>", "unknown attribute " + std::string(list.first_attribute().name()));
    for (pugi::xml_node node : list.children("dataset")) {
      Attributes a(node, "<dataset>");
      DatasetEntry d;
      d.name = a.required("name");
      d.link = a.text("link");
      a.finish();
      checkChildren(node, "dataset " + quoted(d.name), {});
      if (report.findDataset(d.name)) fail("dataset " + quoted(d.name), "listed twice");
      report.datasets.push_back(std::move(d));
    }
  }

  void readVariables(pugi::xml_node list, Report& report) {
    if (!list) return;
    checkChildren(list, "<variables>", {"category", "variable"});
    if (list.first_attribute())
      fail("<variables>", "unknown attribute " + std::string(list.first_attribute().name()));
    std::set<std::string> seen;
    for (pugi::xml_node node : list.children()) {
      if (node.type() != pugi::node_element) continue;
      bool category = std::string_view(node.name()) == "category";
      Attributes a(node, category ? "<category>" : "<variable>");
      VariableEntry v;
      v.name = a.required("name");
      std::string where = (category ? "category " : "variable ") + quoted(v.name);
      if (category != v.isCategory())
        fail(where,
             category ? "a category name begins with a blank" : "a variable name cannot begin with a blank");
      if (!category) {
        if (auto value = a.take("value")) v.value = Value::text(*value);
        if (report.findVariable(v.name)) fail(where, "declared twice");
      }
      a.finish();
      checkChildren(node, where, {});
      report.variables.push_back(std::move(v));
    }
  }

  Page readPage(pugi::xml_node node, const Report& report) {
    Page p;
    Attributes a(node, "<page>");
    p.name = a.required("name");
    std::string where = "page " + quoted(p.name);
    a = Attributes(node, where);
    a.take("name");
    claim(p.name, where);
    p.paper = a.integer("paper", 9, 0, 10000);
    p.width = a.number("width", 210, 1, kMaxLength);
    p.height = a.number("height", 297, 1, kMaxLength);
    p.orientation = a.choice("orientation", Orientation::Portrait,
                             {{"portrait", Orientation::Portrait}, {"landscape", Orientation::Landscape}});
    p.marginLeft = a.number("marginLeft", 10, 0, kMaxLength);
    p.marginTop = a.number("marginTop", 10, 0, kMaxLength);
    p.marginRight = a.number("marginRight", 10, 0, kMaxLength);
    p.marginBottom = a.number("marginBottom", 10, 0, kMaxLength);
    a.finish();
    p.explicitAttributes = a.present();
    if (p.marginLeft + p.marginRight >= p.width || p.marginTop + p.marginBottom >= p.height)
      fail(where, "the margins leave no printable area");
    checkChildren(node, where, {"band"});
    for (pugi::xml_node band : node.children("band")) p.bands.push_back(readBand(band, report, where));
    return p;
  }

  Band readBand(pugi::xml_node node, const Report& report, const std::string& pageWhere) {
    Band b;
    Attributes a(node, pageWhere + ", <band>");
    b.name = a.required("name");
    std::string where = "band " + quoted(b.name);
    a = Attributes(node, where);
    a.take("name");
    claim(b.name, where);
    b.kind = a.choice("kind", BandKind::MasterData,
                      {{"reportTitle", BandKind::ReportTitle},
                       {"pageHeader", BandKind::PageHeader},
                       {"masterData", BandKind::MasterData},
                       {"pageFooter", BandKind::PageFooter},
                       {"reportSummary", BandKind::ReportSummary}});
    if (!node.attribute("kind")) fail(where, "attribute kind is missing");
    b.height = a.number("height", 0, 0, kMaxLength);
    b.grows = a.boolean("grows", false);
    b.dataset = a.text("dataset");
    a.finish();
    b.explicitAttributes = a.present();
    if (!b.dataset.empty()) {
      if (b.kind != BandKind::MasterData) fail(where, "only a masterData band has a dataset");
      if (!report.findDataset(b.dataset))
        fail(where, "dataset " + quoted(b.dataset) + " is not in the dataset list");
    }
    checkChildren(node, where, {"text", "line"});
    for (pugi::xml_node child : node.children()) {
      if (child.type() != pugi::node_element) continue;
      if (std::string_view(child.name()) == "text") {
        b.objects.emplace_back(readText(child, where));
      } else {
        b.objects.emplace_back(readLine(child, where));
      }
      const std::string& name = objectName(b.objects.back());
      claim(name, where + ", object " + quoted(name));
    }
    return b;
  }

  std::set<std::string> names_;
};

// ---- writing ----

void escapeInto(std::string& out, std::string_view text, bool attribute) {
  for (char c : text) {
    unsigned char u = static_cast<unsigned char>(c);
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '"' && attribute)
      out += "&quot;";
    else if (u < 0x20 && (attribute || (c != '\t')))
      out += "&#" + std::to_string(u) + ";";
    else
      out += c;
  }
}

// One element's attributes in writing order; a default value is written
// only when the loaded document had written it.
class Element {
 public:
  Element(const char* name, const ExplicitAttributes* stored = nullptr) : name_(name), stored_(stored) {}

  Element& add(const char* attribute, std::string_view value, bool isDefault = false) {
    if (isDefault && !(stored_ && stored_->count(attribute))) return *this;
    attributes_ += ' ';
    attributes_ += attribute;
    attributes_ += "=\"";
    escapeInto(attributes_, value, true);
    attributes_ += '"';
    return *this;
  }
  Element& number(const char* attribute, double value, std::optional<double> fallback = std::nullopt) {
    return add(attribute, numberText(value), fallback && value == *fallback);
  }
  Element& flag(const char* attribute, bool value, bool fallback) {
    return add(attribute, value ? "true" : "false", value == fallback);
  }

  std::string start(int depth, bool empty) const {
    return std::string(2 * depth, ' ') + "<" + name_ + attributes_ + (empty ? "/>\n" : ">\n");
  }
  std::string end(int depth) const { return std::string(2 * depth, ' ') + "</" + name_ + ">\n"; }

 private:
  std::string name_;
  const ExplicitAttributes* stored_;
  std::string attributes_;
};

const char* shiftWord(ShiftMode s) {
  return s == ShiftMode::Always ? "always" : s == ShiftMode::Overlapped ? "overlapped" : "fixed";
}

const char* kindWord(BandKind k) {
  switch (k) {
    case BandKind::ReportTitle:
      return "reportTitle";
    case BandKind::PageHeader:
      return "pageHeader";
    case BandKind::MasterData:
      return "masterData";
    case BandKind::PageFooter:
      return "pageFooter";
    case BandKind::ReportSummary:
      return "reportSummary";
  }
  return "masterData";
}

std::string frameWord(const Frame& f) {
  if (f.left && f.right && f.top && f.bottom) return "box";
  return std::string(f.left ? "L" : "") + (f.right ? "R" : "") + (f.top ? "T" : "") + (f.bottom ? "B" : "");
}

void writeText(std::string& out, const TextObject& t) {
  Element e("text", &t.explicitAttributes);
  e.add("name", t.name)
      .number("left", t.left)
      .number("top", t.top)
      .number("width", t.width)
      .number("height", t.height);
  e.add("font", t.font.family, t.font.family == "Arial")
      .number("size", t.font.sizePt, 10)
      .flag("bold", t.font.bold, false);
  e.add("frame", frameWord(t.frame), !t.frame.any()).number("frameWidth", t.frame.widthPx, 1);
  e.add("halign",
        t.halign == HAlign::Left     ? "left"
        : t.halign == HAlign::Center ? "center"
                                     : "right",
        t.halign == HAlign::Left);
  e.add("valign",
        t.valign == VAlign::Top      ? "top"
        : t.valign == VAlign::Center ? "center"
                                     : "bottom",
        t.valign == VAlign::Top);
  e.flag("wrap", t.wrap, true).flag("grow", t.grow, false).flag("autoWidth", t.autoWidth, false);
  e.add("shift", shiftWord(t.shift), t.shift == ShiftMode::Always);
  if (t.neighbour != Neighbour::None)
    e.add("neighbour", t.neighbour == Neighbour::FollowsLeft ? "followsLeft" : "endsAtRight");
  e.add("format", t.format, t.format.empty());
  if (t.decimalSeparator) e.add("decimalSeparator", std::string(1, *t.decimalSeparator));
  e.flag("hideZeros", t.hideZeros, false).number("lineSpacing", t.lineSpacingPx, 2);
  e.add("onBeforePrint", t.onBeforePrint, t.onBeforePrint.empty());
  e.add("onAfterPrint", t.onAfterPrint, t.onAfterPrint.empty());
  e.flag("literal", t.literal, false);
  out += e.start(3, t.lines.empty());
  if (t.lines.empty()) return;
  for (const std::string& line : t.lines) {
    if (line.empty()) {
      out += "        <l/>\n";
      continue;
    }
    out += "        <l>";
    escapeInto(out, line, false);
    out += "</l>\n";
  }
  out += e.end(3);
}

void writeLine(std::string& out, const LineObject& line) {
  Element e("line", &line.explicitAttributes);
  e.add("name", line.name)
      .number("left", line.left)
      .number("top", line.top)
      .number("width", line.width)
      .number("height", line.height);
  e.add("direction", line.direction == LineDirection::Horizontal ? "horizontal" : "vertical",
        line.direction == LineDirection::Horizontal);
  e.number("lineWidth", line.lineWidthPx, 1)
      .add("shift", shiftWord(line.shift), line.shift == ShiftMode::Always);
  out += e.start(3, true);
}

std::string variableValueText(const Value& value) {
  switch (value.type()) {
    case ValueType::Text:
      return value.asText();
    case ValueType::Integer:
      return std::to_string(value.asInteger());
    case ValueType::Float:
      return numberText(value.asFloat());
    case ValueType::Boolean:
      return value.asBoolean() ? "True" : "False";
    case ValueType::Null:
    case ValueType::DateTime:
      break;
  }
  return {};
}

}  // namespace

Report loadReport(std::string_view xml) { return Loader().load(xml); }

std::string saveReport(const Report& report) {
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  const ReportOptions& o = report.options;
  Element root("report", &o.explicitAttributes);
  root.add("name", o.name, o.name.empty()).add("scriptLanguage", o.scriptLanguage, o.scriptLanguage.empty());
  root.flag("doublePass", o.doublePass, false);
  std::string buttons = std::string(o.previewPrint ? "print" : "") +
                        (o.previewPrint && o.previewEdit ? " " : "") + (o.previewEdit ? "edit" : "");
  root.add("previewButtons", buttons, o.previewPrint && o.previewEdit)
      .number("previewZoom", o.previewZoom, 1);
  root.add("printer", o.printer, o.printer == "Default").flag("collate", o.collate, false);
  root.add("copies", std::to_string(o.copies), o.copies == 1).flag("dotMatrix", o.dotMatrix, false);
  bool empty = report.datasets.empty() && report.variables.empty() && report.pages.empty();
  out += root.start(0, empty);
  if (empty) return out;

  if (!report.datasets.empty()) {
    out += "  <datasets>\n";
    for (const DatasetEntry& d : report.datasets)
      out += Element("dataset").add("name", d.name).add("link", d.link, d.link.empty()).start(2, true);
    out += "  </datasets>\n";
  }
  if (!report.variables.empty()) {
    out += "  <variables>\n";
    for (const VariableEntry& v : report.variables) {
      Element e(v.isCategory() ? "category" : "variable");
      e.add("name", v.name);
      if (!v.isCategory() && v.value) e.add("value", variableValueText(*v.value));
      out += e.start(2, true);
    }
    out += "  </variables>\n";
  }
  for (const Page& p : report.pages) {
    Element e("page", &p.explicitAttributes);
    e.add("name", p.name).add("paper", std::to_string(p.paper), p.paper == 9);
    e.number("width", p.width, 210).number("height", p.height, 297);
    e.add("orientation", p.orientation == Orientation::Portrait ? "portrait" : "landscape",
          p.orientation == Orientation::Portrait);
    e.number("marginLeft", p.marginLeft, 10).number("marginTop", p.marginTop, 10);
    e.number("marginRight", p.marginRight, 10).number("marginBottom", p.marginBottom, 10);
    out += e.start(1, p.bands.empty());
    if (p.bands.empty()) continue;
    for (const Band& b : p.bands) {
      Element be("band", &b.explicitAttributes);
      be.add("name", b.name)
          .add("kind", kindWord(b.kind))
          .number("height", b.height)
          .flag("grows", b.grows, false);
      be.add("dataset", b.dataset, b.dataset.empty());
      out += be.start(2, b.objects.empty());
      if (b.objects.empty()) continue;
      for (const BandObject& object : b.objects) {
        if (auto* t = std::get_if<TextObject>(&object))
          writeText(out, *t);
        else
          writeLine(out, std::get<LineObject>(object));
      }
      out += be.end(2);
    }
    out += e.end(1);
  }
  out += root.end(0);
  return out;
}

}  // namespace korvel::engine
