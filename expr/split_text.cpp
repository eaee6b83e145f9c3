// Splitting a report text into literal runs and bracketed expressions.
#include <string>

#include "base/exception.h"
#include "base/number_text.h"
#include "expr/expression.h"
#include "expr/value_ops.h"

namespace korvel::expr {
namespace {

// Index of the "]" that closes the "[" at `open`, or npos. Quoted texts and
// double-quoted field names may hold brackets; other brackets must pair up.
std::size_t closingBracket(std::string_view text, std::size_t open) {
  int depth = 0;
  char quote = 0;  // the quote we are inside, if any
  for (std::size_t i = open; i < text.size(); ++i) {
    const char c = text[i];
    if (quote) {
      if (c == quote) quote = 0;  // a doubled '' leaves and re-enters at once
    } else if (c == '\'' || c == '"') {
      quote = c;
    } else if (c == '[') {
      ++depth;
    } else if (c == ']' && --depth == 0) {
      return i;
    }
  }
  return std::string_view::npos;
}

// Where a " #n" number format starts (at the '#'), outside quotes; npos when
// the expression has none.
std::size_t numberFormatTag(std::string_view content) {
  char quote = 0;
  std::size_t tag = std::string_view::npos;
  for (std::size_t i = 0; i < content.size(); ++i) {
    const char c = content[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '\'' || c == '"') {
      quote = c;
    } else if (c == '#' && i > 0 && content[i - 1] == ' ' && i + 1 < content.size() &&
               (content[i + 1] == 'n' || content[i + 1] == 'N')) {
      tag = i;
    }
  }
  return tag;
}

std::size_t characterNumber(std::string_view text, std::size_t position) {
  std::size_t character = 1;
  for (std::size_t i = 0; i < position; ++i)
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++character;
  return character;
}

TextPart expressionPart(std::string_view content) {
  TextPart part;
  const std::size_t tag = numberFormatTag(content);
  if (tag == std::string_view::npos) {
    part.expression = std::make_shared<const Expression>(Expression::parse(content));
    return part;
  }
  part.numberFormat = std::string(content.substr(tag + 2));
  std::string source(content.substr(0, tag - 1));  // without the blank before '#'
  // A formatted number is often a number written out by FloatToStr, so with
  // the user's decimal separator, which the language itself does not read.
  if (numberFromText(source))
    for (char& c : source)
      if (c == decimalSeparator()) c = '.';
  part.expression = std::make_shared<const Expression>(Expression::parse(source));
  return part;
}

}  // namespace

std::vector<TextPart> splitText(std::string_view text) {
  std::vector<TextPart> parts;
  std::size_t done = 0;
  while (done < text.size()) {
    const std::size_t open = text.find('[', done);
    if (open != done) {
      const std::size_t end = open == std::string_view::npos ? text.size() : open;
      parts.push_back({std::string(text.substr(done, end - done)), nullptr, {}});
      if (open == std::string_view::npos) break;
    }
    const std::size_t close = closingBracket(text, open);
    if (close == std::string_view::npos)
      throw EReportError("Text \"" + std::string(text) + "\": the \"[\" at character " +
                         std::to_string(characterNumber(text, open)) + " has no matching \"]\"");
    parts.push_back(expressionPart(text.substr(open + 1, close - open - 1)));
    done = close + 1;
  }
  return parts;
}

}  // namespace korvel::expr
