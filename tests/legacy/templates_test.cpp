// The committed earlier templates are what the documented transformation
// makes of the current template, and they load.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "engine/storage.h"
#include "legacy/earlier_templates.h"
#include "legacy/templates/derive_templates.h"

namespace korvel::legacy {
namespace {

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(EarlierTemplates, CommittedFilesAreDerivedFromTheCurrentTemplate) {
  const std::string current = readFile(KORVEL_CURRENT_TEMPLATE);
  ASSERT_FALSE(current.empty());
  EXPECT_EQ(firstPageTemplateXml(), deriveFirstPageTemplate(current))
      << "run korvel-derive-legacy-templates to write legacy/frxReport1.xml again";
  EXPECT_EQ(specificationTemplateXml(), deriveSpecificationTemplate(current))
      << "run korvel-derive-legacy-templates to write legacy/frxReport2.xml again";
}

TEST(EarlierTemplates, FirstPageHasNoPrefixAndTheEarlierBoxes) {
  engine::Report first = engine::loadReport(firstPageTemplateXml());
  ASSERT_EQ(first.pages.size(), 1u);
  EXPECT_EQ(first.findText("Memo39").text(), "[frxDatasetPrCap.\"Dogovor\"]");
  EXPECT_EQ(first.findText("Memo28").text(), "[frxDatasetPrCap.\"OwnAvto\"]");
  EXPECT_EQ(first.findText("Zakazchik").text(), "");
  EXPECT_NE(first.findVariable("IdTrCheck"), nullptr);
  EXPECT_EQ(first.findVariable("Agreement"), nullptr);
  const std::string xml(firstPageTemplateXml());
  EXPECT_EQ(xml.find("cp_Memo3\""), std::string::npos);
  for (const char* text : {"Штамп (печать) грузоотправителя", "Штамп (печать) грузополучателя",
                           "Количество ездок (заездов)", "Владелец автомобиля"})
    EXPECT_NE(xml.find(text), std::string::npos) << text;
}

TEST(EarlierTemplates, SpecificationNumbersItsOwnSheets) {
  engine::Report spec = engine::loadReport(specificationTemplateXml());
  ASSERT_EQ(spec.pages.size(), 1u);
  EXPECT_EQ(spec.findText("Memo388").text(), "[Page]");
  EXPECT_EQ(spec.findText("Memo391").text(), "[<Page#>]");
  EXPECT_EQ(spec.findText("Memo16").text(), "Кол-во груз-х мест");
  EXPECT_EQ(spec.findText("Memo93").text(), "");
}

}  // namespace
}  // namespace korvel::legacy
