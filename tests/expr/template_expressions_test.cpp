// The bracketed texts of the waybill template and of the texts the
// preparation writes, evaluated over one document's data.
#include <gtest/gtest.h>

#include "base/number_text.h"
#include "fake_context.h"

namespace korvel::expr::test {
namespace {

// Prints values plainly (the engine's display formats are not applied here).
std::string shown(const Value& value) {
  switch (value.type()) {
    case ValueType::Null:
      return "";
    case ValueType::Integer:
      return std::to_string(value.asInteger());
    case ValueType::Float:
      return FloatToStr(value.asFloat());
    case ValueType::Text:
      return value.asText();
    case ValueType::Boolean:
      return value.asBoolean() ? "True" : "False";
    case ValueType::DateTime:
      return "date";
  }
  return "";
}

std::string render(std::string_view text, Context& context) {
  std::string result;
  for (const TextPart& part : splitText(text))
    result += part.expression ? shown(part.expression->evaluate(context)) : part.literal;
  return result;
}

class WaybillTexts : public ::testing::Test {
 protected:
  void SetUp() override {
    setDecimalSeparator(',');
    const std::pair<const char*, Value> header[] = {{"NamePlatSkl", T("ОАО Склад")},
                                                    {"OblPlatSkl", T("Минская")},
                                                    {"RaionPlatSkl", T("Минский")},
                                                    {"TownPlatSkl", T("Минск")},
                                                    {"StHoFlPlatSkl", T("ул. Ленина, 1")},
                                                    {"NameSkl", T("Склад №2")},
                                                    {"UNNPlatSkl", T("190000001")},
                                                    {"MarkAvto", T("МАЗ")},
                                                    {"NomAvto", T("1234 АВ-7")},
                                                    {"NamePredpr", T("Магазин 5")},
                                                    {"NamePlatPredpr", T("ЧУП Торг")},
                                                    {"OblPlat", T("Гродненская")},
                                                    {"RaionPlat", T("Лидский")},
                                                    {"TownPlatPredpr", T("Лида")},
                                                    {"StHoFlPlatPredpr", T("ул. Мира, 3")},
                                                    {"ItogoKolF", F(12.5)},
                                                    {"SumIncNDS", F(100.5)},
                                                    {"SumNDS", F(20.1)},
                                                    {"ItogoKolM", I(0)},
                                                    {"ItogoMas", F(15.25)},
                                                    {"ItogoKolTov", I(7)},
                                                    {"TovarOO", F(110)},
                                                    {"Tovar", F(100)},
                                                    {"ProfMol", T("Кладовщик ")},
                                                    {"FioMol", T("Петров")},
                                                    {"ProfMol1", T("Директор ")},
                                                    {"ItogoOO", F(200)},
                                                    {"ItogoTov", F(1234.5)}};
    for (const auto& [name, value] : header) context.setField("frxDatasetPrCap", name, value);
    const std::pair<const char*, Value> line[] = {
        {"NDS", I(20)},  {"SumNDS", F(4.5)},    {"SumNDSR", F(3.75)},         {"KolM", I(0)},
        {"MinUp", I(6)}, {"NamePredpr", T("")}, {"NameCountry", T("Польша")}, {"EdIz", T("шт")}};
    for (const auto& [name, value] : line) context.setField("frxDatasetPrStr", name, value);
    context.setVariable("cp_RecCount", T("'3'"));
    context.setVariable("cp_Agreement", T("'Договор № 7 от ''01''.02.2024'"));
    context.setVariable("forSumNDS_1", T("'-1'"));
    context.setSystem(SystemValue::Page, I(2));
    context.setSystem(SystemValue::PageHash, I(2));
    context.setSystem(SystemValue::TotalPages, I(4));
    context.setSystem(SystemValue::Line, I(1));
    context.onSum = [](const Aggregate& aggregate) {
      return aggregate.band == "MasterData1" ? F(12.5) : Value();
    };
  }
  void TearDown() override { useLocaleDecimalSeparator(); }
  FakeContext context;
};

TEST_F(WaybillTexts, PrintAsIntended) {
  const std::pair<const char*, const char*> cases[] = {
      {"[frxDatasetPrCap.\"NamePlatSkl\"]", "ОАО Склад"},
      {"[frxDatasetPrCap.\"UNNPlatSkl\"]", "190000001"},
      {"[frxDatasetPrCap.\"MarkAvto\"], [frxDatasetPrCap.\"NomAvto\"]", "МАЗ, 1234 АВ-7"},
      {"[<frxDatasetPrCap.\"NamePlatSkl\">], [frxDatasetPrCap.\"OblPlatSkl\"] обл., "
       "[frxDatasetPrCap.\"RaionPlatSkl\"] р-н, [frxDatasetPrCap.\"TownPlatSkl\"], "
       "[<frxDatasetPrCap.\"StHoFlPlatSkl\">], [frxDatasetPrCap.\"NameSkl\"];",
       "ОАО Склад, Минская обл., Минский р-н, Минск, ул. Ленина, 1, Склад №2;"},
      {"[IIF(<frxDatasetPrCap.\"NamePredpr\"><><frxDatasetPrCap.\"NamePlatPredpr\">,<frxDatasetPrCap."
       "\"NamePlatPredpr\">+','+<frxDatasetPrCap.\"OblPlat\">+' обл.,'+<frxDatasetPrCap.\"RaionPlat\">+' "
       "р-н,'+<frxDatasetPrCap.\"TownPlatPredpr\">+','+<frxDatasetPrCap.\"StHoFlPlatPredpr\">+','+<"
       "frxDatasetPrCap.\"NamePredpr\">,<frxDatasetPrCap.\"NamePlatPredpr\">+','+<frxDatasetPrCap."
       "\"OblPlat\">"
       "+' обл.,'+<frxDatasetPrCap.\"RaionPlat\">+' р-н,'+<frxDatasetPrCap.\"TownPlatPredpr\">+','+<"
       "frxDatasetPrCap.\"StHoFlPlatPredpr\">)]",
       "ЧУП Торг,Гродненская обл.,Лидский р-н,Лида,ул. Мира, 3,Магазин 5"},
      {"[cp_Agreement]", "Договор № 7 от '01'.02.2024"},
      {"[cp_RecCount]", "3"},
      {"[frxDatasetPrCap.\"ItogoKolF\"]", "12,5"},
      {"[<frxDatasetPrCap.\"SumIncNDS\">+<frxDatasetPrCap.\"SumNDS\">]", "120,6"},
      {"[IIF(<frxDatasetPrCap.\"ItogoKolM\">=0,'',<frxDatasetPrCap.\"ItogoKolM\">)]", ""},
      {"[IIF(<frxDatasetPrCap.\"ItogoMas\">=0,'',<frxDatasetPrCap.\"ItogoMas\">)]", "15,25"},
      {"[<TotalPages>-1]", "3"},
      {"[<Page>-1]", "1"},
      {"[<Page#>-1]", "1"},
      {"[Page]", "2"},
      {"[<Page#>]", "2"},
      {"[Line]", "1"},
      {"[frxDatasetPrStr.\"EdIz\"]", "шт"},
      {"[IIF(<frxDatasetPrStr.\"KolM\"><>0,<frxDatasetPrStr.\"KolM\">,'')]", ""},
      {"[IIF(<frxDatasetPrStr.\"NamePredpr\"><>'',<frxDatasetPrStr.\"NamePredpr\">,IIF(<frxDatasetPrStr."
       "\"NameCountry\"><>'',<frxDatasetPrStr.\"NameCountry\">,''))]",
       "Польша"},
      {"[IIF(<frxDatasetPrStr.\"NDS\"><>0,<frxDatasetPrStr.\"NDS\">,'')]", "20"},
      {"[IIF(<forSumNDS_1>,<frxDatasetPrStr.\"SumNDS\">,<frxDatasetPrStr.\"SumNDSR\">)]", "4,5"},
      {"[IIF(<frxDatasetPrStr.\"MinUp\"><>0,'кол. в уп.','')]", "кол. в уп."},
      {"[IIF(<frxDatasetPrStr.\"MinUp\"><>0,<frxDatasetPrStr.\"MinUp\">,'')]", "6"},
      {"[SUM(<frxDatasetPrStr.\"KolF\">,MasterData1)]", "12,5"},
      {"[SUM(<frxDatasetPrStr.\"Ves\">*<frxDatasetPrStr.\"KolF\">,MasterData1)]", "12,5"},
      {"[<frxDatasetPrCap.\"ItogoOO\">+<frxDatasetPrCap.\"SumNDS\">]", "220,1"},
      {"[IIF(<frxDatasetPrCap.\"ItogoMas\"><>0,<frxDatasetPrCap.\"ItogoMas\">,<frxDatasetPrCap."
       "\"ItogoKolTov\">)]",
       "15,25"},
      {"[IIF((<frxDatasetPrCap.\"TovarOO\"> - <frxDatasetPrCap.\"Tovar\">)>0,(<frxDatasetPrCap.\"TovarOO\">-<"
       "frxDatasetPrCap.\"Tovar\">),'')]",
       "10"},
      {"[<frxDatasetPrCap.\"ProfMol\">+<frxDatasetPrCap.\"FioMol\">]", "Кладовщик Петров"},
      {"[frxDatasetPrCap.\"ProfMol1\"]Иванов А.", "Директор Иванов А."},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(render(text, context), expected) << text;
}

TEST_F(WaybillTexts, ReceiverWithoutSeparateEnterpriseOmitsTheShop) {
  context.setField("frxDatasetPrCap", "NamePredpr", T("ЧУП Торг"));
  EXPECT_EQ(
      render("[IIF(<frxDatasetPrCap.\"NamePredpr\"><><frxDatasetPrCap.\"NamePlatPredpr\">,'two','one')]",
             context),
      "one");
}

TEST_F(WaybillTexts, VatCellFollowsTheFlagVariable) {
  const char* text = "[IIF(<forSumNDS_1>,<frxDatasetPrStr.\"SumNDS\">,<frxDatasetPrStr.\"SumNDSR\">)]";
  context.setVariable("forSumNDS_1", T("'0'"));
  EXPECT_EQ(render(text, context), "3,75");
}

// The goods description (wholesale head, model, certificate) over three lines.
TEST_F(WaybillTexts, GoodsDescriptionJoinsItsTerms) {
  const std::string text =
      "[<frxDatasetPrStr.\"Art\">+IIF(<frxDatasetPrStr.\"CenPor\"><>0,'ЦЕНА ЗА ПОРЦИЮ '+FloatToStr(<"
      "frxDatasetPrStr.\"CenPor\">)+' КОЛ-ВО ПОРЦИЙ '+FloatToStr(<frxDatasetPrStr.\"KolPor\">),IIF((<"
      "frxDatasetPrStr.\"CenSt\"><>0) and "
      "(<frxDatasetPrStr.\"KodGr\"><>15),'',IIF(<frxDatasetPrStr.\"Sort\">='"
      "','',' СОРТ ')+<frxDatasetPrStr.\"Sort\">))+'  '+\r\n"
      "IIF(<frxDatasetPrStr.\"Model\"><>'',' Модель '+<frxDatasetPrStr.\"Model\">,'')+'  '+\r\n"
      "<frxDatasetPrStr.\"Sertif\">]";
  struct Line {
    double cenPor, kolPor, cenSt;
    int kodGr;
    const char *sort, *model, *expected;
  };
  const Line lines[] = {
      {2.5, 4, 0, 1, "1", "", "СокЦЕНА ЗА ПОРЦИЮ 2,5 КОЛ-ВО ПОРЦИЙ 4    С-1"},
      {0, 0, 1.2, 15, "1", "", "Сок СОРТ 1    С-1"},
      {0, 0, 1.2, 16, "1", "", "Сок    С-1"},
      {0, 0, 0, 16, "", "X1", "Сок   Модель X1  С-1"},
  };
  for (const Line& line : lines) {
    context.setField("frxDatasetPrStr", "Art", T("Сок"));
    context.setField("frxDatasetPrStr", "CenPor", F(line.cenPor));
    context.setField("frxDatasetPrStr", "KolPor", F(line.kolPor));
    context.setField("frxDatasetPrStr", "CenSt", F(line.cenSt));
    context.setField("frxDatasetPrStr", "KodGr", I(line.kodGr));
    context.setField("frxDatasetPrStr", "Sort", T(line.sort));
    context.setField("frxDatasetPrStr", "Model", T(line.model));
    context.setField("frxDatasetPrStr", "Sertif", T("С-1"));
    EXPECT_EQ(render(text, context), line.expected) << line.expected;
  }
}

}  // namespace
}  // namespace korvel::expr::test
