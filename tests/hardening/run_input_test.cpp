// Faults of the document's data and odd option texts through the real
// libkorvel's preparation: a broken database gives the data layer's clear
// error and the form still opens; odd texts print exactly as given.
#include <functional>

#include "tests/hardening/hardening_host.h"

namespace korvel::testing {
namespace {

using RunInputTest = DemoDatabaseTest;

std::string joinedColumnsToNull(const std::filesystem::path& database, const std::string& table,
                                const std::string& key) {
  std::string assignments;
  for (const auto& column : columnsOf(database, table))
    if (column != key) assignments += (assignments.empty() ? "" : ", ") + column + " = NULL";
  return "UPDATE " + table + " SET " + assignments;
}

// Without spaces and line breaks, which wrapping may add or take.
std::string squeezed(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != ' ' && c != '\n' && c != '\r') out += c;
  return out;
}

bool printedSomewhere(const std::vector<std::string>& texts, std::string_view wanted) {
  const std::string needle = squeezed(wanted);
  for (const auto& text : texts)
    if (squeezed(text).find(needle) != std::string::npos) return true;
  return false;
}

struct DataFault {
  const char* name;
  std::function<void(RunInputTest&)> arrange;
  std::string expectedStart;
  std::string expectedPart;  // also somewhere in the message
};

TEST_F(RunInputTest, BrokenDatabasesGiveTheDataLayersErrorAndTheFormStillOpens) {
  const std::vector<DataFault> faults = {
      {"header view missing", [](RunInputTest& t) { execSql(t.database, "DROP VIEW PrintCaption"); },
       "EOleException: ", "PrintCaption"},
      {"header column missing",
       [](RunInputTest& t) { editView(t.database, "PrintCaption", "d.NameGrOper,", ""); },
       "EDatabaseError: PrCapQuery: Field 'NameGrOper' not found", ""},
      {"header column of the wrong type",
       [](RunInputTest& t) { editView(t.database, "PrintCaption", "d.Itogo,", "'много' AS Itogo,"); },
       "EDatabaseError: PrCapQuery: Type mismatch for field 'Itogo'", ""},
      {"lines table missing", [](RunInputTest& t) { execSql(t.database, "DROP TABLE PrintString"); }, "E",
       "PrintString"},
      {"lines column missing",
       [](RunInputTest& t) { execSql(t.database, "ALTER TABLE PrintString DROP COLUMN Sertif2"); }, "E",
       "Sertif2"},
  };
  const auto pristine = folder / "pristine.db";
  std::filesystem::copy_file(database, pristine);
  for (const auto& fault : faults) {
    SCOPED_TRACE(fault.name);
    std::filesystem::copy_file(pristine, database, std::filesystem::copy_options::overwrite_existing);
    host.errors.clear();
    fault.arrange(*this);
    library.call(&host, arguments);
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_TRUE(host.errors[0].starts_with(fault.expectedStart)) << host.errors[0];
    EXPECT_NE(host.errors[0].find(fault.expectedPart), std::string::npos) << host.errors[0];
    EXPECT_TRUE(host.previews.empty());
    EXPECT_NE(form(), nullptr);
    closeForm();
  }
}

TEST_F(RunInputTest, UnknownDocumentPrintsEmptyBoxes) {
  arguments.IdDoc = 999999;
  library.call(&host, arguments);
  const auto texts = printedTexts(onlyPreview().dump);
  EXPECT_FALSE(printedSomewhere(texts, "Ясюкевич")) << "nothing of another document";
}

TEST_F(RunInputTest, HeaderFieldsAllNullPrintEmptyBoxes) {
  execSql(database, joinedColumnsToNull(database, "tbDocPrint", "IdDoc") + " WHERE IdDoc = 101");
  execSql(database, joinedColumnsToNull(database, "DocCaption", "idDoc") + " WHERE idDoc = 101");
  library.call(&host, arguments);
  EXPECT_GT(onlyPreview().pages, 0);
}

TEST_F(RunInputTest, OptionTextsPrintExactlyAsGiven) {
  const struct {
    const char* name;
    std::string text;
  } cases[] = {
      {"quotes", "ООО \"Ромашка\" и O'Brien '' \"\""},
      {"brackets", "[1+1] [<Page>] [frxDatasetPrCap.\"NumDoc\"] [ ] ]["},
      {"10,000 characters", std::string(5000, 'A') + std::string(2500, 'Z') +
                                [] {
                                  std::string cyrillic;
                                  for (int i = 0; i < 2500; ++i) cyrillic += "Я";
                                  return cyrillic;
                                }()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    host.previews.clear();
    arguments.Prim = c.text;
    arguments.Agreement = c.text;
    callAndClose();
    const auto texts = printedTexts(onlyPreview().dump);
    EXPECT_TRUE(printedSomewhere(texts, c.text)) << "the note is printed whole";
  }
}

TEST_F(RunInputTest, InvalidUtf8OptionTextsPrintWithoutCrashing) {
  arguments.Prim = "до \xFF\xFE после \xC3";
  arguments.Agreement = "\xD0";
  library.call(&host, arguments);
  const auto texts = printedTexts(onlyPreview().dump);
  EXPECT_TRUE(printedSomewhere(texts, "после"));
}

TEST_F(RunInputTest, MassTextThatIsNotANumberGivesTheConversionError) {
  arguments.VesTr = "много";
  library.call(&host, arguments);
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_EQ(host.errors[0], "EConvertError: 'много' is not a valid floating point value");
  EXPECT_TRUE(host.previews.empty());
  EXPECT_NE(form(), nullptr);
}

// The sound reactions where the data cannot be printed: a clear error of
// the report or of a conversion, or a waybill; never a crash.
void expectPreviewOrClearError(const RecordingApplication& host) {
  EXPECT_TRUE(host.messages.empty());
  if (host.errors.empty()) {
    EXPECT_EQ(host.previews.size(), 1u);
    return;
  }
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_TRUE(host.errors[0].starts_with("EReportError: ") || host.errors[0].starts_with("EConvertError: "))
      << host.errors[0];
}

TEST_F(RunInputTest, PortionCountZeroGivesAClearErrorOrAWaybill) {
  execSql(database, "UPDATE PrintString SET KolPor = 0, CenPor = 1.5, PrRazl = '*' WHERE IdDoc = 106");
  arguments.IdDoc = 106;
  library.call(&host, arguments);
  expectPreviewOrClearError(host);
}

TEST_F(RunInputTest, AmountsAtTheLimitsOfTheWords) {
  const struct {
    const char* name;
    std::string update;
    const char* printed;  // a word the waybill must hold, or null for any sound reaction
  } cases[] = {
      {"largest money value", "Itogo = 922337203685, SumNDS = 922337203685, ItogoOO = 922337203685",
       "миллиард"},
      {"beyond money", "Itogo = 1e300, SumNDS = 1e300, ItogoOO = 1e300", nullptr},
      {"negative", "Itogo = -5, SumNDS = -5, ItogoOO = -5", nullptr},
      {"mass beyond whole numbers", "ItogoMas = 3e9", nullptr},
  };
  const auto pristine = folder / "pristine.db";
  std::filesystem::copy_file(database, pristine);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::copy_file(pristine, database, std::filesystem::copy_options::overwrite_existing);
    execSql(database, "UPDATE tbDocPrint SET " + c.update + " WHERE IdDoc = 101");
    host.errors.clear();
    host.previews.clear();
    callAndClose();
    if (c.printed)
      EXPECT_TRUE(printedSomewhere(printedTexts(onlyPreview().dump), c.printed));
    else
      expectPreviewOrClearError(host);
  }
}

}  // namespace
}  // namespace korvel::testing
