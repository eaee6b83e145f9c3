// Texts Run writes into named objects: option texts printed exactly as
// given (brackets included), the number and caption by print mode, the
// receiver, the power of attorney, the customer and its taxpayer number,
// the loading points, the goods description and the bonus row.
#include <functional>
#include <utility>

#include "tests/run/run_fixture.h"

namespace korvel::testing {
namespace {

using TextsTest = RunTest;

struct TextCase {
  const char* what;
  std::function<void(form::Settings&)> options;
  std::string sql;
  std::vector<std::pair<std::string, std::string>> expected;  // object, printed text
};

void check(TextsTest& test, const std::vector<TextCase>& cases,
           const std::function<RunOutcome(const form::Settings&, const std::string&)>& run) {
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.what);
    form::Settings settings = typicalSettings();
    if (c.options) c.options(settings);
    const RunOutcome outcome = run(settings, c.sql);
    for (const auto& [object, text] : c.expected) EXPECT_EQ(outcome.text(object), text) << object;
  }
  (void)test;
}

#define RUN_CASES(cases) \
  check(*this, cases, [this](const form::Settings& s, const std::string& sql) { return runClean(s, sql); })

const std::string stamp = "Подлинность акцизной марки (специального знака) проверено комиссионно прибором ";

TEST_F(TextsTest, OptionTextsPrintExactlyAsGiven) {
  RUN_CASES((std::vector<TextCase>{
      {"brackets in option texts are no expressions",
       [](form::Settings& s) {
         s.OtpRaz = "Акт [5]";
         s.Prim = "[Акт №5]";
         s.SposPogr = "[";
         s.SposRazgr = "механизированный";
         s.VrPrib = "08:00";
         s.VrUb = "09:15";
         s.VrProst = "[1+1]";
         s.NomPric = "АВ 1234-5 ]";
         s.Seria = "[ВА]";
         s.VidPer = "[Спектр]";
         s.Pogr = "Склад [2]";
         s.Razg = "<frxDatasetPrCap.\"Itogo\">";
         s.TTN = "[0012345]";
       },
       "",
       {{"cp_Memo287", "Акт [5]"},
        {"cp_Primechanie", "[Акт №5]"},
        {"cp_Memo151", "["},
        {"cp_Memo161", "механизированный"},
        {"cp_Memo152", "08:00"},
        {"cp_Memo153", "09:15"},
        {"cp_Memo154", "[1+1]"},
        {"cp_Memo8", "АВ 1234-5 ]"},
        {"cp_Seria", "[ВА]"},
        {"SeriaSecondPage", "[ВА]"},
        {"cp_PriborMemo", stamp + "[Спектр]"},
        {"cp_Pogr", "Склад [2]"},
        {"cp_Razgr", "<frxDatasetPrCap.\"Itogo\">"},
        {"cp_NumberTTN", "[0012345]"},
        {"NumNakl", "[0012345]"}}},
      {"empty options: copied ones empty, the others keep the template's text",
       [](form::Settings& s) { s.OtpRaz = s.SposPogr = s.NomPric = s.Seria = s.VidPer = s.Prim = ""; },
       "",
       {{"cp_Memo287", ""},
        {"cp_Memo151", ""},
        {"cp_Memo8", ""},
        {"cp_Seria", ""},
        {"cp_PriborMemo", stamp + "ПЕЛЕНГОМ ВКО4"},
        {"cp_Primechanie", ""}}},
  }));
}

TEST_F(TextsTest, PrintModeChoosesNumberAndCaption) {
  const auto mode = [](std::string prAll) { return [prAll](form::Settings& s) { s.PRAll = prAll; }; };
  RUN_CASES((std::vector<TextCase>{
      {"one blank: document number",
       mode(" "),
       "",
       {{"cp_NumberTTN", "17"}, {"NumNakl", "17"}, {"cp_Itog", "Итого :"}}},
      {"empty: waybill number",
       mode(""),
       "",
       {{"cp_NumberTTN", "0012345"}, {"NumNakl", "0012345"}, {"cp_Itog", "Итого :"}}},
      {"two blanks: waybill number", mode("  "), "", {{"cp_NumberTTN", "0012345"}}},
      {"star",
       mode("*"),
       "",
       {{"cp_NumberTTN", "0012345"}, {"NumNakl", "0012345"}, {"cp_Itog", "Итого загружено :"}}},
      {"blank mode with an empty document number",
       [](form::Settings& s) {
         s.PRAll = " ";
         s.NumDoc = "";
       },
       "",
       {{"cp_NumberTTN", ""}, {"NumNakl", ""}}},
  }));
}

TEST_F(TextsTest, ReceiverAndPowerOfAttorney) {
  const std::string issued = " от 01.02.2026г. выданной ООО «Ромашка-Трейд»";
  RUN_CASES((std::vector<TextCase>{
      {"receiver given: profession directly followed by the text",
       [](form::Settings& s) { s.MOLGruzPoluch = "Сидоров [С.С.]"; },
       "",
       {{"cp_Memo291",
         "товаровед"
         "Сидоров [С.С.]"}}},
      {"receiver given, profession null",
       [](form::Settings& s) { s.MOLGruzPoluch = "Сидоров"; },
       "UPDATE tbDocPrint SET ProfMol1 = NULL WHERE IdDoc = 900",
       {{"cp_Memo291", "Сидоров"}}},
      {"no receiver given: the header's", nullptr, "", {{"cp_Memo291", "Петров П.П."}}},
      {"one holder of the enterprise",
       nullptr,
       "",
       {{"cp_Memo292", "№ 5"}, {"cp_Memo118", issued + "  Иванов И.И."}}},
      {"two holders: none named",
       nullptr,
       "INSERT INTO tbDover VALUES (901, 903, 'Петрова А.А.')",
       {{"cp_Memo292", "№ 5"}, {"cp_Memo118", issued}}},
      {"no holder of the enterprise: the payer's one",
       nullptr,
       "UPDATE tbDover SET idpredpr = 902 WHERE idDover = 900",
       {{"cp_Memo118", issued + "  Иванов И.И."}}},
      {"no holder at all", nullptr, "DELETE FROM tbDover WHERE idDover = 900", {{"cp_Memo118", issued}}},
      {"date with brackets prints as given",
       [](form::Settings& s) { s.DateDov = "[01.02]"; },
       "",
       {{"cp_Memo118", " от [01.02]г. выданной ООО «Ромашка-Трейд»  Иванов И.И."}}},
      {"holder name with brackets prints as given",
       nullptr,
       "UPDATE tbDover SET Fio = '[Иванов]' WHERE idDover = 900",
       {{"cp_Memo118", issued + "  [Иванов]"}}},
      {"no proxy number: both empty whatever the date",
       [](form::Settings& s) { s.DateDov = "01.02.2026"; },
       "UPDATE tbDocPrint SET Dover = NULL WHERE IdDoc = 900",
       {{"cp_Memo292", ""}, {"cp_Memo118", ""}}},
      {"empty proxy number is a number",
       nullptr,
       "UPDATE tbDocPrint SET Dover = '' WHERE IdDoc = 900",
       {{"cp_Memo292", ""}, {"cp_Memo118", issued + "  Иванов И.И."}}},
  }));
}

TEST_F(TextsTest, CustomerAndTaxpayerNumberTestTheFlagsInOppositeOrder) {
  const auto flags = [](bool tr, bool face3) {
    return [tr, face3](form::Settings& s) {
      s.Tr = tr;
      s.Face3 = face3;
    };
  };
  const std::string thirdParty = "ООО «Перевозчик», 220070 ул. Транспортная, д. 7 ;";
  RUN_CASES((std::vector<TextCase>{
      {"neither", flags(false, false), "", {{"cp_Zakazchik", "Грузоотправитель"}, {"cp_UNN_1", "100000900"}}},
      {"Tr", flags(true, false), "", {{"cp_Zakazchik", "Грузополучатель"}, {"cp_UNN_1", "400000902"}}},
      {"Face3", flags(false, true), "", {{"cp_Zakazchik", thirdParty}, {"cp_UNN_1", "500000904"}}},
      {"both", flags(true, true), "", {{"cp_Zakazchik", thirdParty}, {"cp_UNN_1", "400000902"}}},
      {"third party's data with brackets",
       flags(false, true),
       "UPDATE tbPredpr SET NamePredpr = '[ООО]' WHERE idPredpr = 904",
       {{"cp_Zakazchik", "[ООО], 220070 ул. Транспортная, д. 7 ;"}}},
      {"a null part leaves the join empty",
       flags(false, true),
       "UPDATE tbPredpr SET IndexPost = NULL, UNN = NULL WHERE idPredpr = 904",
       {{"cp_Zakazchik", ""}, {"cp_UNN_1", ""}}},
  }));
}

TEST_F(TextsTest, LoadingPointsOfUpToThreeBlanksComeFromTheHeader) {
  const auto points = [](std::string point) {
    return [point](form::Settings& s) { s.Pogr = s.Razg = point; };
  };
  const std::string loading = "Лида, ул. Машерова, д. 1", unloading = "Минск, пр. Победителей, д. 5";
  RUN_CASES((std::vector<TextCase>{
      {"empty", points(""), "", {{"cp_Pogr", loading}, {"cp_Razgr", unloading}}},
      {"one blank", points(" "), "", {{"cp_Pogr", loading}, {"cp_Razgr", unloading}}},
      {"three blanks", points("   "), "", {{"cp_Pogr", loading}, {"cp_Razgr", unloading}}},
      {"four blanks are a given point", points("    "), "", {{"cp_Pogr", "    "}, {"cp_Razgr", "    "}}},
      {"a given point", points(" Брест "), "", {{"cp_Pogr", " Брест "}, {"cp_Razgr", " Брест "}}},
      {"null street",
       points(""),
       "UPDATE tbPredpr SET StHoFl = NULL WHERE idPredpr IN (901, 903)",
       {{"cp_Pogr", ""}, {"cp_Razgr", ""}}},
  }));
}

std::string blanks(int n) { return std::string(n, ' '); }

// The blanks after the last given term: those of the head's remaining
// terms, then the middle's six and the end's four.
std::string tail(int headBlanks) { return blanks(headBlanks + 6 + 4); }

// Both lines of the document, in order.
std::vector<std::string> descriptions(const RunOutcome& outcome) { return outcome.texts("Memo300"); }

TEST_F(TextsTest, GoodsDescriptionHeadsMiddleAndEnd) {
  const std::string lineOne =
      "UPDATE PrintString SET Art = 'А-1', Sort = '1', Model = 'М7', Sizes = '42', Hight = '170', "
      "Sertif = 'С1', Sertif1 = 'С2', Sertif2 = 'С3', Protkl = 'Прот. 5' WHERE IdStr = 90001;";
  const auto wholesale = [](form::Settings& s) {
    s.VsegoSNDS_1 = false;
    s.Pr_CenTr = true;
  };
  const struct {
    const char* what;
    bool wholesale;
    std::string sql;
    std::string first, second;
  } rows[] = {
      {"plain lines", false, "", "А-1" + tail(4), "Б-2" + tail(4)},
      {"every term", false, lineOne,
       "А-1 СОРТ 1" + blanks(4) + " Модель М7" + blanks(2) + " Размер 42" + blanks(2) + " Рост 170" +
           blanks(2) + "С1  С2 С3  Обосн. цены Прот. 5",
       "Б-2" + tail(4)},
      {"portion price", false, "UPDATE PrintString SET CenPor = 1.5, KolPor = 4 WHERE IdStr = 90001",
       "А-1  ЦЕНА ЗА ПОРЦИЮ 1,5 КОЛ-ВО ПОРЦИЙ 4" + tail(2), "Б-2" + tail(4)},
      {"glass container price and set price", false,
       "UPDATE PrintString SET CenSt = 2.5, PNTTar1 = 7 WHERE IdStr = 90001;"
       "UPDATE PrintString SET CenSt = 3, PNTTar3 = 8 WHERE IdStr = 90002",
       "А-1   ЦЕНА СО СТЕКЛОТАРОЙ 2,5" + tail(2), "Б-2   ЦЕНА НАБОРА 3 *** " + tail(2)},
      {"wholesale: sort kept for group 15, dropped for 16", true,
       "UPDATE PrintString SET Sort = '2', CenSt = 1, KodGr = 15 WHERE IdStr = 90001;"
       "UPDATE PrintString SET Sort = '2', CenSt = 1, KodGr = 16 WHERE IdStr = 90002",
       "А-1 СОРТ 2" + tail(2), "Б-2" + tail(2)},
      {"wholesale: portion price", true,
       "UPDATE PrintString SET CenPor = 1.5, KolPor = 4 WHERE IdStr = 90001",
       "А-1ЦЕНА ЗА ПОРЦИЮ 1,5 КОЛ-ВО ПОРЦИЙ 4" + tail(2), "Б-2" + tail(2)},
      {"wholesale: every term", true, lineOne,
       "А-1 СОРТ 1" + blanks(2) + " Модель М7" + blanks(2) + " Размер 42" + blanks(2) + " Рост 170" +
           blanks(2) + "С1  С2 С3  Обосн. цены Прот. 5",
       "Б-2" + tail(2)},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    form::Settings settings = typicalSettings();
    if (row.wholesale) wholesale(settings);
    const auto printed = descriptions(runClean(settings, row.sql));
    ASSERT_EQ(printed.size(), 2u);
    EXPECT_EQ(printed[0], row.first);
    EXPECT_EQ(printed[1], row.second);
  }
}

TEST_F(TextsTest, SpecificationColumns) {
  const auto outcome =
      runClean(typicalSettings(),
               "UPDATE PrintString SET EdIzDop = 'кор', Kolm = 0, IdPredpr = 903 "
               "WHERE IdStr = 90001; UPDATE PrintString SET IdCountry = 1 WHERE IdStr = 90002");
  EXPECT_EQ(outcome.texts("Memo1"), (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(outcome.texts("Memo88"), (std::vector<std::string>{"шт", "шт"}));
  EXPECT_EQ(outcome.texts("Memo32"), (std::vector<std::string>{"кор", ""}));
  EXPECT_EQ(outcome.texts("Memo96"), (std::vector<std::string>{"", "1"}));
  const auto producers = outcome.texts("NamePredpr");
  ASSERT_EQ(producers.size(), 2u);
  EXPECT_EQ(producers[0], "");  // enterprise 903 has no short name
  EXPECT_FALSE(producers[1].empty()) << "the country of the second line";
}

TEST_F(TextsTest, BonusRowOnlyWithABonus) {
  const auto row = [](const RunOutcome& o) {
    return std::vector<std::string>{o.text("Memo3"), o.text("Memo4"), o.text("Memo5"), o.text("Memo6"),
                                    o.text("Memo7")};
  };
  const std::string bonus =
      "UPDATE DocCaption SET SumBns = 12.5, SumNdsBonus = 2.08 WHERE idDoc = 900;"
      "UPDATE tbDocPrint SET NdsBns = 20 WHERE IdDoc = 900";
  EXPECT_EQ(row(runClean(typicalSettings())), (std::vector<std::string>{"", "", "", "", ""}));
  EXPECT_EQ(row(runClean(typicalSettings(), bonus, ',')),
            (std::vector<std::string>{"Бонус", "12,5", "20", "2,08", "12,5"}));
  EXPECT_EQ(row(runClean(typicalSettings(), bonus, '.')),
            (std::vector<std::string>{"Бонус", "12.5", "20", "2.08", "12.5"}));
  EXPECT_EQ(row(runClean(typicalSettings(), "UPDATE DocCaption SET SumBns = NULL WHERE idDoc = 900")),
            (std::vector<std::string>{"", "", "", "", ""}));
}

}  // namespace
}  // namespace korvel::testing
