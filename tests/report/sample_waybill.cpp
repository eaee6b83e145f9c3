// Sample document: a dairy's waybill to a retail shop.
#include "sample_waybill.h"

#include <array>
#include <string_view>
#include <utility>

namespace korvel::report::testing {
namespace {

using T = ValueType;

Value text(const char* s) { return Value::text(s); }
Value number(double d) { return Value::floating(d); }

MemoryDataset makeHeader(const std::string& consignor) {
  MemoryDataset header({
      {"NamePlatSkl", T::Text},
      {"OblPlatSkl", T::Text},
      {"RaionPlatSkl", T::Text},
      {"TownPlatSkl", T::Text},
      {"StHoFlPlatSkl", T::Text},
      {"NameSkl", T::Text},
      {"UNNPlatSkl", T::Text},
      {"NamePlatPredpr", T::Text},
      {"NamePredpr", T::Text},
      {"OblPlat", T::Text},
      {"RaionPlat", T::Text},
      {"TownPlatPredpr", T::Text},
      {"StHoFlPlatPredpr", T::Text},
      {"UNNPlatPredpr", T::Text},
      {"DateDoc", T::DateTime},
      {"MarkAvto", T::Text},
      {"NomAvto", T::Text},
      {"PutList", T::Text},
      {"Voditel", T::Text},
      {"NameGrOper", T::Text},
      {"ProfMol", T::Text},
      {"FioMol", T::Text},
      {"ProfMol1", T::Text},
      {"Poluchat", T::Text},
      {"Dover", T::Text},
      {"ItogoKolF", T::Float},
      {"ItogoKolM", T::Float},
      {"ItogoKolTov", T::Float},
      {"ItogoMas", T::Float},
      {"ItogoOO", T::Float},
      {"ItogoTar", T::Float},
      {"ItogoTarR", T::Float},
      {"ItogoTov", T::Float},
      {"ItogoTovR", T::Float},
      {"StTara", T::Float},
      {"SumIncNDS", T::Float},
      {"SumNDS", T::Float},
      {"SumNDSRozn", T::Float},
      {"SumNacObpit", T::Float},
      {"SumNacRozn", T::Float},
      {"SumSkid", T::Float},
      {"SumTrn", T::Float},
      {"SumBns", T::Float},
      {"Tovar", T::Float},
      {"TovarOO", T::Float},
  });
  header.add({
      Value::text(consignor.empty() ? "ОАО \"Молочный мир\"" : consignor),
      text("Гродненская"),
      text("Гродненский"),
      text("г. Гродно"),
      text("ул. Озёрская, 21"),
      text("склад готовой продукции №2"),
      text("500036458"),
      text("ЧТУП \"Лавка у дома\""),
      text("Магазин №7"),
      text("Гродненская"),
      text("Лидский"),
      text("г. Лида"),
      text("ул. Советская, 12"),
      text("590718263"),
      Value::dateTime({2024, 3, 14}),
      text("МАЗ-4371"),
      text("АК 4521-4"),
      text("001245"),
      text("Ковальчук Н. П."),
      text("Отгрузка покупателю"),
      text("кладовщик "),
      text("Сидорова А. В."),
      text("заведующая "),
      text("Жук Т. М."),
      text("12"),
      number(160),
      number(16),
      number(160),
      number(172.4),
      number(245.60),
      number(12.00),
      number(14.40),
      number(233.60),
      number(280.32),
      number(3.20),
      number(0),
      number(46.72),
      number(56.06),
      number(18.90),
      number(35.04),
      number(0),
      number(4.50),
      number(0),
      number(233.60),
      number(233.60),
  });
  return header;
}

MemoryDataset makeLines(int count) {
  MemoryDataset lines({
      {"NameTovar", T::Text},
      {"EdIz", T::Text},
      {"EdIzDop", T::Text},
      {"KolF", T::Float},
      {"KolM", T::Float},
      {"MinUp", T::Float},
      {"NDS", T::Float},
      {"SumNDS", T::Float},
      {"SumNDSR", T::Float},
      {"Ves", T::Float},
      {"NamePredpr", T::Text},
      {"NameCountry", T::Text},
  });
  static constexpr std::array kGoods = {
      std::pair{"Молоко питьевое 2,5% 1 л", 1.03},    std::pair{"Кефир 3,2% 0,5 л", 0.52},
      std::pair{"Сметана 20% 400 г", 0.41},           std::pair{"Творог 9% 200 г", 0.21},
      std::pair{"Масло сливочное 82,5% 180 г", 0.19},
  };
  for (int i = 0; i < count; ++i) {
    auto [name, weight] = kGoods[static_cast<std::size_t>(i) % kGoods.size()];
    lines.add({text(name), text("шт"), text("кг"), number(10 + i), number(1), number(i % 2 == 0 ? 10 : 0),
               number(20), number(2.92), number(3.50), number(weight), text("ОАО \"Молочный мир\""),
               text("Беларусь")});
  }
  return lines;
}

class SilentScript : public engine::Script {
 public:
  void call(std::string_view, engine::ScriptContext&) override {}
};

}  // namespace

engine::ScriptFactory silentScript() {
  return [] { return std::make_unique<SilentScript>(); };
}

void SampleWaybill::bindTo(engine::Report& report) {
  report.bindDataset("frxDatasetPrCap", &header);
  report.bindDataset("frxDatasetPrStr", &lines);
}

std::unique_ptr<SampleWaybill> makeSampleWaybill(int lineCount, const std::string& consignor) {
  return std::make_unique<SampleWaybill>(SampleWaybill{makeHeader(consignor), makeLines(lineCount)});
}

void setProducerLine(engine::Report& report) {
  report.findText("NamePredpr")
      .setText(
          "[IIF(<frxDatasetPrStr.\"NamePredpr\"><>'',<frxDatasetPrStr.\"NamePredpr\">,"
          "IIF(<frxDatasetPrStr.\"NameCountry\"><>'',<frxDatasetPrStr.\"NameCountry\">,''))]");
}

}  // namespace korvel::report::testing
