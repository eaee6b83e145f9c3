// What the pricing scripts read of the current line: the line dataset's
// fields (nulls already converted to 0 or empty text, except the one null
// test of `priznsyria`), the header's bonus sums and the pricing flags.
#pragma once

#include <string>
#include <string_view>

#include "base/value.h"
#include "engine/script.h"

namespace korvel::report::script {

inline constexpr std::string_view kLineDataset = "frxDatasetPrStr";
inline constexpr std::string_view kHeaderDataset = "frxDatasetPrCap";

struct LineFields {
  double CenO = 0, CenPriobr = 0, CenRoz = 0;
  double NacPosr = 0, NalTrPost = 0, NalTr = 0, NacOpt = 0, SkidPokup = 0, NacRozn = 0, NacObpit = 0;
  double NDS = 0, NalProd = 0, Usl = 0;
  double KolF = 0, KolOv = 0, KolZ = 0, KolKzp = 0, KolPor = 0;
  double SkidOv = 0, Ves = 0, Fasov = 0;
  double IdPrizLog = 0, KodGr = 0, idcolor = 0, PrLogBKS = 0;
  std::string PrRazl, EdIz, NameVidTov;
  bool priznsyriaIsNull = true;
};

// The earlier lines query has no `NalTrPost` and no `idcolor`; they read 0.
enum class LinesQuery { Current, Earlier };
LineFields readLineFields(const engine::ScriptContext& context, LinesQuery query = LinesQuery::Current);

// A number field of a dataset's current record (0 for a text or null).
double numberField(const engine::ScriptContext& context, std::string_view dataset, std::string_view field);

// A report flag variable. The preparation stores the texts '1' and '0';
// the script compares them with "1" and "0", and a number compares alike.
// A flag that is neither (no value) is not "1" and not "0".
class Flag {
 public:
  explicit Flag(const Value& value);
  bool isOne() const { return one_; }
  bool isZero() const { return zero_; }

 private:
  bool one_ = false, zero_ = false;
};

Flag readFlag(const engine::ScriptContext& context, std::string_view variable);

}  // namespace korvel::report::script
