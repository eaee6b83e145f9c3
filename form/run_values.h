// Conventions shared by the steps of Run: how variables hold texts and
// flags, how header fields and object values become texts, numbers and
// money values.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/money.h"
#include "base/value.h"
#include "db/query.h"
#include "form/settings.h"

namespace korvel::form::run {

// The text in single quotes with every inner quote doubled, so that the
// variable's expression yields the text itself.
std::string quoted(std::string_view text);
Value quotedText(std::string_view text);
// '1' or '0'.
Value flag(bool on);

// Wholesale price with the document's own VAT and the carriage price, and
// none of the other price columns.
bool wholesaleOnly(const korvel::form::Settings& settings);

// PRAll exactly "*" (star mode) or exactly one blank (blank mode).
bool starMode(const korvel::form::Settings& settings);
bool blankMode(const korvel::form::Settings& settings);

// A value as printed text: null gives "", numbers the general format,
// dates the short date format.
std::string valueText(const Value& value);

// An object's value or a field as a number: none or null gives 0; a text
// is read in the system's format (EConvertError when it is no number).
double numberOf(const std::optional<Value>& value);
bool isZero(const std::optional<Value>& value);
Money moneyOf(const std::optional<Value>& value);

// A header value as money, null counting as 0.
Money headerMoney(const db::Query& header, std::string_view field);

// The two kopeck digits of the amount rounded to hundredths, halves away
// from zero: the rounding Propis applies to the rubles.
std::string kopecks(Money amount);

}  // namespace korvel::form::run
