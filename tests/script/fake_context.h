// An in-memory script host for the script's tests: one line record, the
// header's bonus sums, the pricing flags and the texts and values of the
// objects the handlers fill. Unknown names fail loudly, so a misspelt field
// or object shows up as an error instead of a silent 0.
#pragma once

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/exception.h"
#include "base/number_text.h"
#include "engine/script.h"

namespace korvel::report::script::testing {

// A field setting for a test line: numbers, or a text.
struct Field {
  Field(std::string n, double number) : name(std::move(n)), value(Value::floating(number)) {}
  Field(std::string n, const char* text) : name(std::move(n)), value(Value::text(text)) {}
  std::string name;
  Value value;
};

inline std::string lower(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(),
                 [](unsigned char c) { return std::tolower(c); });
  return result;
}

// The entry of a name-keyed map; an unknown name is an error.
template <typename Map>
auto& at(Map& map, std::string_view name, const char* what) {
  auto it = map.find(lower(name));
  if (it == map.end()) throw EReportError(std::string("unknown ") + what + " " + std::string(name));
  return it->second;
}

class FakeContext : public engine::ScriptContext {
 public:
  FakeContext() {
    for (const char* name : {"CenO",      "CenPriobr", "CenRoz",   "NacPosr", "NalTrPost", "NalTr", "NacOpt",
                             "SkidPokup", "NacRozn",   "NacObpit", "NDS",     "NalProd",   "Usl",   "KolF",
                             "KolOv",     "KolZ",      "KolKzp",   "KolPor",  "SkidOv",    "Ves",   "Fasov"})
      line_[lower(name)] = Value::floating(0);
    for (const char* name : {"IdPrizLog", "KodGr", "idcolor", "PrLogBKS"})
      line_[lower(name)] = Value::integer(0);
    for (const char* name : {"PrRazl", "EdIz", "NameVidTov"}) line_[lower(name)] = Value::text("");
    line_["priznsyria"] = Value();  // null: priced by markups
    header_["sumbns"] = Value::floating(0);
    header_["sumndsbonus"] = Value::floating(0);
    for (const char* name : {"Pr_ONds", "Pr_CenRoz", "Pr_SchCenPriobr", "Pr_ProcTr", "Pr_CenOpt"})
      variables_[lower(name)] = Value::text("0");
    for (const char* name :
         {"Memo59", "Memo89", "Memo93", "Memo6_2", "Memo94", "Memo100", "Memo6_4", "Memo336", "SumNalTr",
          "Cen4_1", "Cen4_2", "Prim1", "Memo33", "Memo34", "SumSumNDS", "SumVsSNds", "Sum6"})
      objects_[lower(name)] = {};
  }

  // Sets line fields; the four codes arrive as whole numbers, as from the database.
  void setLine(const std::vector<Field>& fields) {
    for (const auto& f : fields) {
      auto& slot = at(line_, f.name, "field");
      bool code = slot.type() == ValueType::Integer;
      slot = code ? Value::integer(static_cast<std::int64_t>(f.value.toNumber())) : f.value;
    }
  }
  void setHeader(std::string_view field, double value) {
    at(header_, field, "header field") = Value::floating(value);
  }
  void setFlag(std::string_view variable, const char* text) {
    at(variables_, variable, "variable") = Value::text(text);
  }
  // What an object shows and holds after the engine evaluated it.
  void setObject(std::string_view object, std::string text, Value value = Value()) {
    at(objects_, object, "object") = {std::move(text), std::move(value)};
  }

  std::string text(std::string_view object) const override { return at(objects_, object, "object").text; }
  void setText(std::string_view object, std::string_view text) override {
    at(objects_, object, "object").text = std::string(text);
  }
  void setText(std::string_view object, double number) override { setText(object, FloatToStr(number)); }
  void setExpressionText(std::string_view object, std::string_view text) override { setText(object, text); }
  Value value(std::string_view object) const override { return at(objects_, object, "object").value; }

  Value field(std::string_view dataset, std::string_view name) const override {
    const Value& raw = at(records(dataset), name, "field");
    if (!raw.isNull()) return raw;
    return Value::text("");  // the only null field is the text priznsyria
  }
  bool fieldIsNull(std::string_view dataset, std::string_view name) const override {
    return at(records(dataset), name, "field").isNull();
  }
  Value variable(std::string_view name) const override { return at(variables_, name, "variable"); }

 private:
  struct Object {
    std::string text;
    Value value;
  };

  const std::map<std::string, Value>& records(std::string_view dataset) const {
    if (dataset == "frxDatasetPrStr") return line_;
    if (dataset == "frxDatasetPrCap") return header_;
    throw EReportError("unknown dataset " + std::string(dataset));
  }

  std::map<std::string, Value> line_, header_, variables_;
  std::map<std::string, Object> objects_;
};

// A fresh waybill script and the handler call by name.
class ScriptRun {
 public:
  explicit ScriptRun(const engine::ScriptFactory& factory) : script_(factory()) {}
  void operator()(std::string_view handler, FakeContext& context) { script_->call(handler, context); }

 private:
  std::unique_ptr<engine::Script> script_;
};

}  // namespace korvel::report::script::testing
