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

struct Field {
  const char* name;
  ValueType type;
  Value value;
};

// The fields of line i: what the template's expressions and the pricing
// script read.
std::vector<Field> lineFields(int i) {
  static constexpr std::array kGoods = {
      std::pair{"Молоко питьевое 2,5% 1 л", 1.03},    std::pair{"Кефир 3,2% 0,5 л", 0.52},
      std::pair{"Сметана 20% 400 г", 0.41},           std::pair{"Творог 9% 200 г", 0.21},
      std::pair{"Масло сливочное 82,5% 180 г", 0.19},
  };
  auto [name, weight] = kGoods[static_cast<std::size_t>(i) % kGoods.size()];
  return {
      {"NameVidTov", T::Text, text(name)},
      {"EdIz", T::Text, text("шт")},
      {"EdIzDop", T::Text, text("кг")},
      {"KolF", T::Float, number(10 + i)},
      {"KolM", T::Float, number(1)},
      {"MinUp", T::Float, number(i % 2 == 0 ? 10 : 0)},
      {"NDS", T::Float, number(20)},
      {"SumNDS", T::Float, number(2.92)},
      {"SumNDSR", T::Float, number(3.50)},
      {"Ves", T::Float, number(weight)},
      {"NamePredpr", T::Text, text("ОАО \"Молочный мир\"")},
      {"NameCountry", T::Text, text("Беларусь")},
      {"CenO", T::Float, number(1.20)},
      {"CenPriobr", T::Float, number(1.00)},
      {"CenRoz", T::Float, number(1.45)},
      {"NacPosr", T::Float, number(0)},
      {"NalTrPost", T::Float, number(0)},
      {"NalTr", T::Float, number(0)},
      {"NacOpt", T::Float, number(10)},
      {"SkidPokup", T::Float, number(0)},
      {"NacRozn", T::Float, number(15)},
      {"NacObpit", T::Float, number(0)},
      {"NalProd", T::Float, number(0)},
      {"Usl", T::Float, number(0)},
      {"KolOv", T::Float, number(0)},
      {"KolZ", T::Float, number(0)},
      {"KolKzp", T::Float, number(0)},
      {"KolPor", T::Float, number(0)},
      {"SkidOv", T::Float, number(0)},
      {"Fasov", T::Float, number(0)},
      {"IdPrizLog", T::Float, number(0)},
      {"KodGr", T::Float, number(0)},
      {"idcolor", T::Float, number(0)},
      {"PrLogBKS", T::Float, number(0)},
      {"PrRazl", T::Text, text("")},
      {"priznsyria", T::Float, Value()},
  };
}

std::vector<MemoryDataset::Column> columnsOf(const std::vector<Field>& record) {
  std::vector<MemoryDataset::Column> columns;
  for (const auto& field : record) columns.push_back({field.name, field.type});
  return columns;
}

MemoryDataset makeDataset(std::vector<std::vector<Field>> records) {
  MemoryDataset dataset(columnsOf(records.front()));
  for (auto& record : records) {
    std::vector<Value> row;
    for (auto& field : record) row.push_back(std::move(field.value));
    dataset.add(std::move(row));
  }
  return dataset;
}

MemoryDataset makeHeader(const std::string& consignor) {
  std::vector<Field> header = {
      {"NamePlatSkl", T::Text, Value::text(consignor.empty() ? "ОАО \"Молочный мир\"" : consignor)},
      {"OblPlatSkl", T::Text, text("Гродненская")},
      {"RaionPlatSkl", T::Text, text("Гродненский")},
      {"TownPlatSkl", T::Text, text("г. Гродно")},
      {"StHoFlPlatSkl", T::Text, text("ул. Озёрская, 21")},
      {"NameSkl", T::Text, text("склад готовой продукции №2")},
      {"UNNPlatSkl", T::Text, text("500036458")},
      {"NamePlatPredpr", T::Text, text("ЧТУП \"Лавка у дома\"")},
      {"NamePredpr", T::Text, text("Магазин №7")},
      {"OblPlat", T::Text, text("Гродненская")},
      {"RaionPlat", T::Text, text("Лидский")},
      {"TownPlatPredpr", T::Text, text("г. Лида")},
      {"StHoFlPlatPredpr", T::Text, text("ул. Советская, 12")},
      {"UNNPlatPredpr", T::Text, text("590718263")},
      {"DateDoc", T::DateTime, Value::dateTime({2024, 3, 14})},
      {"MarkAvto", T::Text, text("МАЗ-4371")},
      {"NomAvto", T::Text, text("АК 4521-4")},
      {"PutList", T::Text, text("001245")},
      {"Voditel", T::Text, text("Ковальчук Н. П.")},
      {"NameGrOper", T::Text, text("Отгрузка покупателю")},
      {"ProfMol", T::Text, text("кладовщик ")},
      {"FioMol", T::Text, text("Сидорова А. В.")},
      {"ProfMol1", T::Text, text("заведующая ")},
      {"Poluchat", T::Text, text("Жук Т. М.")},
      {"Dover", T::Text, text("12")},
      {"ItogoKolF", T::Float, number(160)},
      {"ItogoKolM", T::Float, number(16)},
      {"ItogoKolTov", T::Float, number(160)},
      {"ItogoMas", T::Float, number(172.4)},
      {"ItogoOO", T::Float, number(245.60)},
      {"ItogoTar", T::Float, number(12.00)},
      {"ItogoTarR", T::Float, number(14.40)},
      {"ItogoTov", T::Float, number(233.60)},
      {"ItogoTovR", T::Float, number(280.32)},
      {"StTara", T::Float, number(3.20)},
      {"SumIncNDS", T::Float, number(0)},
      {"SumNDS", T::Float, number(46.72)},
      {"SumNDSRozn", T::Float, number(56.06)},
      {"SumNacObpit", T::Float, number(18.90)},
      {"SumNacRozn", T::Float, number(35.04)},
      {"SumSkid", T::Float, number(0)},
      {"SumTrn", T::Float, number(4.50)},
      {"SumBns", T::Float, number(0)},
      {"SumNdsBonus", T::Float, number(0)},
      {"Tovar", T::Float, number(233.60)},
      {"TovarOO", T::Float, number(233.60)},
  };
  return makeDataset({std::move(header)});
}

MemoryDataset makeLines(int count) {
  std::vector<std::vector<Field>> records;
  for (int i = 0; i < count; ++i) records.push_back(lineFields(i));
  if (records.empty()) return MemoryDataset(columnsOf(lineFields(0)));
  return makeDataset(std::move(records));
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
