// The JSON dump of a prepared report. Written by hand: the shape is fixed
// and small, and the numbers must come out rounded to hundredths.
#include <cmath>
#include <cstdio>

#include "engine/output.h"

namespace korvel::engine {
namespace {

void putString(std::string& out, std::string_view s) {
  out += '"';
  std::size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      // Copy a well-formed UTF-8 sequence; anything else becomes U+FFFD.
      int extra = (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
      bool ok = extra > 0 && i + extra < s.size() + 1;
      for (int k = 1; ok && k <= extra; ++k) ok = (static_cast<unsigned char>(s[i + k]) >> 6) == 2;
      if (ok) {
        out.append(s.substr(i, extra + 1));
        i += extra + 1;
        continue;
      }
      out += "\xEF\xBF\xBD";
    }
    ++i;
  }
  out += '"';
}

void putNumber(std::string& out, double value) {
  double rounded = std::round(value * 100) / 100;
  if (rounded == 0) rounded = 0;  // no "-0"
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.2f", rounded);
  std::string text = buf;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  out += text;
}

void putValue(std::string& out, const std::optional<Value>& value) {
  if (!value || value->isNull()) {
    out += "null";
    return;
  }
  switch (value->type()) {
    case ValueType::Text:
      putString(out, value->asText());
      break;
    case ValueType::Integer:
      out += std::to_string(value->asInteger());
      break;
    case ValueType::Float: {
      char buf[64];
      std::snprintf(buf, sizeof buf, "%.17g", value->asFloat());
      out += std::isfinite(value->asFloat()) ? buf : "null";
      break;
    }
    case ValueType::Boolean:
      out += value->asBoolean() ? "true" : "false";
      break;
    case ValueType::DateTime:
    case ValueType::Null:
      out += "null";
      break;
  }
}

std::string frameCode(const Frame& frame) {
  if (!frame.any()) return "-";
  std::string code = frame.left && frame.right && frame.top && frame.bottom
                         ? "box"
                         : std::string(frame.left ? "L" : "") + (frame.right ? "R" : "") +
                               (frame.top ? "T" : "") + (frame.bottom ? "B" : "");
  if (frame.widthPx <= 0.1 + 1e-9) return code + " hair";
  if (frame.widthPx >= 3) return code + " thick";
  return code;
}

std::string alignCode(HAlign h, VAlign v) {
  std::string code(1, h == HAlign::Left ? 'L' : h == HAlign::Center ? 'C' : 'R');
  code += v == VAlign::Top ? 't' : v == VAlign::Center ? 'c' : 'b';
  return code;
}

void putItem(std::string& out, const PreparedItem& item) {
  out += item.kind == ItemKind::Text ? "{\"kind\":\"text\",\"name\":" : "{\"kind\":\"line\",\"name\":";
  putString(out, item.name);
  out += ",\"page\":";
  putString(out, item.page);
  out += ",\"band\":";
  putString(out, item.band);
  out += ",\"left_mm\":";
  putNumber(out, item.leftMm);
  out += ",\"top_mm\":";
  putNumber(out, item.topMm);
  out += ",\"width_mm\":";
  putNumber(out, item.widthMm);
  out += ",\"height_mm\":";
  putNumber(out, item.heightMm);
  if (item.kind == ItemKind::Text) {
    out += ",\"text\":";
    putString(out, item.text);
    out += ",\"font\":{\"family\":";
    putString(out, item.font.family);
    out += ",\"size_pt\":";
    putNumber(out, item.font.sizePt);
    out += item.font.bold ? ",\"bold\":true}" : ",\"bold\":false}";
    out += ",\"frame\":";
    putString(out, frameCode(item.frame));
    out += ",\"align\":";
    putString(out, alignCode(item.halign, item.valign));
  } else {
    out += item.vertical ? ",\"direction\":\"vertical\"" : ",\"direction\":\"horizontal\"";
    out += ",\"line_width_px\":";
    putNumber(out, item.lineWidthPx);
  }
  out += '}';
}

}  // namespace

std::string dumpJson(const PreparedReport& report) {
  std::string out = "{\"copies\":" + std::to_string(report.copies) + ",\"variables\":[";
  for (std::size_t i = 0; i < report.variables.size(); ++i) {
    const PreparedVariable& v = report.variables[i];
    out += i ? ",{\"name\":" : "{\"name\":";
    putString(out, v.name);
    out += ",\"category\":";
    putString(out, v.category);
    out += ",\"value\":";
    putValue(out, v.value);
    out += '}';
  }
  out += "],\"pages\":[";
  for (std::size_t p = 0; p < report.pages.size(); ++p) {
    const PreparedPage& page = report.pages[p];
    out += p ? ",{\"number\":" : "{\"number\":";
    out += std::to_string(page.number);
    out += ",\"width_mm\":";
    putNumber(out, page.widthMm);
    out += ",\"height_mm\":";
    putNumber(out, page.heightMm);
    out += ",\"items\":[";
    for (std::size_t i = 0; i < page.items.size(); ++i) {
      if (i) out += ',';
      putItem(out, page.items[i]);
    }
    out += "]}";
  }
  out += "]}";
  return out;
}

}  // namespace korvel::engine
