// Reading the current line and the pricing flags through the script host.
#include "report/script/line_fields.h"

namespace korvel::report::script {

double numberField(const engine::ScriptContext& context, std::string_view dataset, std::string_view field) {
  return context.field(dataset, field).toNumber();
}

namespace {

std::string textField(const engine::ScriptContext& context, std::string_view field) {
  Value value = context.field(kLineDataset, field);
  return value.type() == ValueType::Text ? value.asText() : std::string();
}

}  // namespace

LineFields readLineFields(const engine::ScriptContext& context, LinesQuery query) {
  const bool current = query == LinesQuery::Current;
  auto number = [&](std::string_view field) { return numberField(context, kLineDataset, field); };
  LineFields line;
  line.CenO = number("CenO");
  line.CenPriobr = number("CenPriobr");
  line.CenRoz = number("CenRoz");
  line.NacPosr = number("NacPosr");
  if (current) line.NalTrPost = number("NalTrPost");
  line.NalTr = number("NalTr");
  line.NacOpt = number("NacOpt");
  line.SkidPokup = number("SkidPokup");
  line.NacRozn = number("NacRozn");
  line.NacObpit = number("NacObpit");
  line.NDS = number("NDS");
  line.NalProd = number("NalProd");
  line.Usl = number("Usl");
  line.KolF = number("KolF");
  line.KolOv = number("KolOv");
  line.KolZ = number("KolZ");
  line.KolKzp = number("KolKzp");
  line.KolPor = number("KolPor");
  line.SkidOv = number("SkidOv");
  line.Ves = number("Ves");
  line.Fasov = number("Fasov");
  line.IdPrizLog = number("IdPrizLog");
  line.KodGr = number("KodGr");
  if (current) line.idcolor = number("idcolor");
  line.PrLogBKS = number("PrLogBKS");
  line.PrRazl = textField(context, "PrRazl");
  line.EdIz = textField(context, "EdIz");
  line.NameVidTov = textField(context, "NameVidTov");
  line.priznsyriaIsNull = context.fieldIsNull(kLineDataset, "priznsyria");
  return line;
}

Flag::Flag(const Value& value) {
  if (value.type() == ValueType::Text) {
    one_ = value.asText() == "1";
    zero_ = value.asText() == "0";
  } else if (value.isNumber()) {
    one_ = value.toNumber() == 1;
    zero_ = value.toNumber() == 0;
  }
}

Flag readFlag(const engine::ScriptContext& context, std::string_view variable) {
  return Flag(context.variable(variable));
}

}  // namespace korvel::report::script
