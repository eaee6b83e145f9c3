// Totals Run fixes on the first page: the cost sum and the total with VAT
// chosen by the price options, the VAT sum with the bonus VAT in figures
// and words, places and mass in words, and the star mode.
#include <functional>
#include <utility>

#include "base/money.h"
#include "tests/run/run_fixture.h"
#include "words/amount_words.h"
#include "words/proper.h"
#include "words/quantity_words.h"

namespace korvel::testing {
namespace {

using TotalsTest = RunTest;

struct TotalCase {
  const char* what;
  std::function<void(form::Settings&)> options;
  std::string sql;
  char separator;
  std::vector<std::pair<std::string, std::string>> expected;  // object, printed text
};

// The words Run must print for an amount: capitalised rubles, three blanks,
// the kopecks given.
std::string inWords(double rubles, const std::string& kopecks) {
  return words::PROPER(words::Propis(Money::fromDouble(rubles), 0)) + "   " + kopecks + " коп.";
}

std::string massInWords(int kilograms, int grams) {
  return words::NumToWords(kilograms, 0) + " кг " + words::NumToWords(grams, 0) + " г";
}

std::string header(const std::string& assignments) {
  return "UPDATE tbDocPrint SET " + assignments + " WHERE IdDoc = 900;";
}
std::string caption(const std::string& assignments) {
  return "UPDATE DocCaption SET " + assignments + " WHERE idDoc = 900;";
}

// Runs a table of cases inside a TEST_F body (runClean is the fixture's).
#define RUN_TOTALS(cases)                                                                          \
  for (const TotalCase& c : cases) {                                                               \
    SCOPED_TRACE(c.what);                                                                          \
    form::Settings settings = typicalSettings();                                                   \
    if (c.options) c.options(settings);                                                            \
    const RunOutcome outcome = runClean(settings, c.sql, c.separator);                             \
    for (const auto& [object, text] : c.expected) EXPECT_EQ(outcome.text(object), text) << object; \
  }

const auto star = [](form::Settings& s) { s.PRAll = "*"; };

TEST_F(TotalsTest, VatSumInFiguresAndWordsIncludesTheBonusVat) {
  RUN_TOTALS((std::vector<TotalCase>{
      {"1234.50 without bonus",
       nullptr,
       header("SumNDS = 1234.5"),
       ',',
       {{"cp_SumNDS_1", inWords(1234, "50")}, {"cp_SummNDS", "1234,50"}}},
      {"100.00 with a bonus VAT of 0.75: kopecks of the same sum",
       nullptr,
       caption("SumNdsBonus = 0.75"),
       ',',
       {{"cp_SumNDS_1", "  Сто  белорусских рублей   75 коп."}, {"cp_SummNDS", "100,75"}}},
      {"a bonus VAT that rounds to the next ruble",
       nullptr,
       caption("SumNdsBonus = 0.996"),
       ',',
       {{"cp_SumNDS_1", inWords(101, "00")}, {"cp_SummNDS", "101,00"}}},
      {"zero VAT is not emptied",
       nullptr,
       header("SumNDS = 0"),
       ',',
       {{"cp_SumNDS_1", inWords(0, "00")}, {"cp_SummNDS", "0,00"}}},
      {"null bonus VAT counts as 0",
       nullptr,
       caption("SumNdsBonus = NULL"),
       ',',
       {{"cp_SumNDS_1", inWords(100, "00")}, {"cp_SummNDS", "100,00"}}},
      {"included VAT is added",
       nullptr,
       header("SumIncNDS = 0.5"),
       '.',
       {{"cp_SumNDS_1", inWords(100, "50")}, {"cp_SummNDS", "100.50"}}},
      {"retail VAT without SumNDS_1",
       [](form::Settings& s) { s.SumNDS_1 = false; },
       "",
       ',',
       {{"cp_SumNDS_1", inWords(60, "00")}, {"cp_SummNDS", "60,00"}, {"cp_Memo51", "60.00"}}},
      {"star mode: VAT without the bonus VAT, in the display format",
       star,
       caption("SumNdsBonus = 0.75"),
       '.',
       {{"cp_SumNDS_1", inWords(100, "75")}, {"cp_SummNDS", "100,00"}}},
      {"VAT charged on top and discount",
       nullptr,
       header("SumSkid = 3.5"),
       ',',
       {{"cp_Memo51", "100.00"}, {"cp_Memo57", "3.50"}}},
  }));
}

TEST_F(TotalsTest, CostSumAndTotalWithVatFollowThePriceOptions) {
  const auto options = [](bool sumNds, bool stoimost2_1) {
    return [sumNds, stoimost2_1](form::Settings& s) {
      s.SumNDS_1 = sumNds;
      s.Stoimost2_1 = stoimost2_1;
    };
  };
  const std::string bonus = caption("SumBns = 7.25");
  RUN_TOTALS((std::vector<TotalCase>{
      {"own VAT, purchase prices",
       options(true, true),
       bonus,
       ',',
       {{"cp_Stoimost", "450,00"}, {"cp_VsSNDS", "550,00"}, {"cp_VsegoSNDS_1", inWords(550, "00")}}},
      {"own VAT, with the bonus",
       options(true, false),
       bonus,
       ',',
       {{"cp_Stoimost", "507,25"}, {"cp_VsSNDS", "607,25"}, {"cp_VsegoSNDS_1", inWords(607, "25")}}},
      {"retail, purchase prices",
       options(false, true),
       bonus,
       '.',
       {{"cp_Stoimost", "700.00"}, {"cp_VsSNDS", "700.00"}, {"cp_VsegoSNDS_1", inWords(700, "00")}}},
      {"retail",
       options(false, false),
       bonus,
       ',',
       {{"cp_Stoimost", "700,00"}, {"cp_VsSNDS", "700,00"}, {"cp_VsegoSNDS_1", inWords(700, "00")}}},
      {"three decimals",
       nullptr,
       header("Itogo = 1234467.891"),
       ',',
       {{"cp_Stoimost", "1234467,891"},
        {"cp_VsSNDS", "1234567,891"},
        {"cp_VsegoSNDS_1", inWords(1234567, "89")}}},
      {"retail column with own VAT",
       [](form::Settings& s) { s.Stoimost2_2 = true; },
       header("ItogoRoz = 700.125"),
       ',',
       {{"cp_Stoimost2", "700,13"}}},
      {"no retail column", nullptr, header("ItogoRoz = 700.125"), ',', {{"cp_Stoimost2", ""}}},
  }));
}

TEST_F(TotalsTest, GoodsAndPackagingSums) {
  const std::string tenFifty = header("Itogo = 10.5, ItogoTarR = 2");
  RUN_TOTALS((std::vector<TotalCase>{
      {"retail goods: the printed cost less retail packaging",
       nullptr,
       tenFifty,
       ',',
       {{"cp_Stoimost", "10,50"}, {"cp_SumTovRozn", "8,5"}, {"cp_SumTarRozn", "2.00"}}},
      {"the same with a point", nullptr, tenFifty, '.', {{"cp_Stoimost", "10.50"}, {"cp_SumTovRozn", "8.5"}}},
      {"null retail packaging counts as 0",
       nullptr,
       header("Itogo = 10.5, ItogoTarR = NULL"),
       ',',
       {{"cp_SumTovRozn", "10,5"}, {"cp_SumTarRozn", "0.00"}}},
      {"retail column: the evaluated sum",
       [](form::Settings& s) { s.Stoimost2_2 = true; },
       "",
       ',',
       {{"cp_SumTovRozn", "650.00"}}},
      {"zero sums are emptied",
       nullptr,
       header("ItogoTov = 0, ItogoTar = 0, ItogoTovR = 0, ItogoKolF = 0") + caption("StTara = 0"),
       ',',
       {{"cp_SumTov", ""},
        {"cp_SumTar", ""},
        {"cp_SumStTar", ""},
        {"cp_SumTovRozn", ""},
        {"cp_KolProd", ""}}},
      {"sums printed",
       nullptr,
       caption("StTara = 1.5"),
       ',',
       {{"cp_SumTov", "480.00"},
        {"cp_SumTar", "20.00"},
        {"cp_SumStTar", "1.50"},
        {"cp_KolProd", "12"},
        {"cp_KolGrMest", "3"},
        {"cp_MassBrutt", "25,5"}}},
      {"star mode",
       star,
       caption("StTara = 1.5"),
       ',',
       {{"cp_SumTov", ""},
        {"cp_SumTar", ""},
        {"cp_SumStTar", ""},
        {"cp_SumTarRozn", ""},
        {"cp_SumTovRozn", "498"}}},
      {"star mode with the retail column",
       [](form::Settings& s) { s.PRAll = "*", s.Stoimost2_2 = true; },
       "",
       ',',
       {{"cp_SumTovRozn", ""}}},
  }));
}

TEST_F(TotalsTest, PlacesAndMassInWords) {
  const auto extra = [](std::string prAll, std::string vesTr) {
    return [prAll, vesTr](form::Settings& s) {
      s.PRAll = prAll;
      s.VesTr = vesTr;
    };
  };
  const std::string noMass = header("ItogoMas = 0, ItogoKolTov = 0");
  RUN_TOTALS((std::vector<TotalCase>{
      {"twelve places: words alone",
       nullptr,
       header("ItogoKolM = 12"),
       ',',
       {{"cp_Mest", words::Propis(Money::fromDouble(12), 2)}, {"cp_KolGrMest", "12"}}},
      {"no places", nullptr, header("ItogoKolM = 0"), ',', {{"cp_Mest", ""}, {"cp_KolGrMest", ""}}},
      {"mass 25.5 kg", nullptr, "", ',', {{"cp_MassaBrutto", massInWords(25, 500)}}},
      {"mass 0.5 kg", nullptr, header("ItogoMas = 0.5"), '.', {{"cp_MassaBrutto", massInWords(0, 500)}}},
      {"mass from the quantity when there is none",
       nullptr,
       header("ItogoMas = 0, ItogoKolTov = 3.25"),
       ',',
       {{"cp_MassaBrutto", massInWords(3, 250)}}},
      {"extra weight does not change the words",
       extra("", "1,5"),
       "",
       ',',
       {{"cp_MassaBrutto", massInWords(25, 500)}}},
      {"no mass", nullptr, noMass, ',', {{"cp_MassaBrutto", ""}, {"cp_MassBrutt", ""}}},
      {"no mass, extra weight in star mode",
       extra("*", "150"),
       noMass,
       ',',
       {{"cp_MassaBrutto", massInWords(0, 0)}}},
      {"no mass, extra weight with a point",
       extra("", "0.25"),
       noMass,
       '.',
       {{"cp_MassaBrutto", massInWords(0, 0)}}},
      {"no mass, extra weight ignored in blank mode",
       extra(" ", "150"),
       noMass,
       ',',
       {{"cp_MassaBrutto", ""}}},
      {"warehouse payer named 0 is emptied",
       nullptr,
       "UPDATE tbPredpr SET NamePredpr = '0' WHERE idPredpr = 900",
       ',',
       {{"cp_Memo338", ""}}},
  }));
}

}  // namespace
}  // namespace korvel::testing
