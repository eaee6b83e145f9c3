// Template files from the designer: saving writes the engine's storage
// format, opening replaces the report being designed and keeps what the
// caller bound to it; bad files are reported and change nothing.
#include <gtest/gtest.h>

#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QTemporaryDir>
#include <QUndoStack>
#include <fstream>
#include <sstream>

#include "designer_fixture.h"
#include "engine/storage.h"
#include "ui/designer/page_scene.h"
#include "ui/designer/property_panel.h"

namespace korvel::designer::testing {
namespace {

std::string contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

class DesignerFileTest : public DesignerTest {
 protected:
  std::string path(const char* name) const { return QDir(folder.path()).filePath(name).toStdString(); }
  QTemporaryDir folder;
};

TEST_F(DesignerFileTest, SavedTemplateOpensAgainAsTheSameReport) {
  window->selectObject("cp_Memo338");
  window->properties()->leftEdit()->setValue(4.5);
  const std::string file = path("waybill.xml");
  ASSERT_TRUE(window->saveTo(file));
  const std::string saved = contents(file);
  EXPECT_EQ(saved, engine::saveReport(report));
  EXPECT_TRUE(window->document().undoStack().isClean());
  // Run's fixed texts are saved as they are.
  EXPECT_EQ(engine::loadReport(saved).findText("cp_SumNDS_1").text(), kFixedAmount);

  // Change more, then open the saved file: the report is the saved one again.
  window->selectObject("cp_Memo338");
  window->properties()->widthEdit()->setValue(100);
  window->deleteSelected();
  report.setCopies(3);
  ASSERT_TRUE(window->openFrom(file));
  // The copies the caller set stay.
  engine::Report expected = engine::loadReport(saved);
  expected.options.copies = 3;
  EXPECT_EQ(engine::saveReport(report), engine::saveReport(expected));
  EXPECT_EQ(report.options.copies, 3);
  EXPECT_EQ(text("cp_Memo338").left, 4.5);
  EXPECT_EQ(window->document().undoStack().count(), 0);
  EXPECT_TRUE(window->selectedObject().empty());
  EXPECT_NE(window->pageScene(0)->item("cp_Memo338"), nullptr);

  // The sample document and the script are still bound: it prepares in full.
  const engine::PreparedReport prepared = report.prepare();
  ASSERT_EQ(prepared.pages.size(), 2u);
  const engine::PreparedItem* first = item(prepared, "cp_Memo338");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->text, "ОАО \"Молочный мир\"");
  EXPECT_TRUE(application.errors.empty());
}

TEST_F(DesignerFileTest, BadFilesAreReportedAndLeaveTheReportAlone) {
  const std::string before = engine::saveReport(report);
  const std::string notXml = path("not.xml"), unknown = path("unknown.xml");
  std::ofstream(notXml) << "это не шаблон";
  std::ofstream(unknown) << "<?xml version=\"1.0\"?><report name=\"r\"><picture/></report>";
  const struct {
    std::string file;
    const char* errorClass;
  } cases[] = {
      {path("missing.xml"), "EInOutError"},
      {notXml, "EReportError"},
      {unknown, "EReportError"},
  };
  for (const auto& c : cases) {
    application.errors.clear();
    EXPECT_FALSE(window->openFrom(c.file)) << c.file;
    ASSERT_EQ(application.errors.size(), 1u) << c.file;
    EXPECT_EQ(application.errors[0].rfind(std::string(c.errorClass) + ": ", 0), 0u) << application.errors[0];
    EXPECT_NE(application.errors[0].find(c.file), std::string::npos) << application.errors[0];
    EXPECT_EQ(engine::saveReport(report), before);
  }

  application.errors.clear();
  const std::string existing = path("kept.xml");
  std::ofstream(existing) << "old";
  EXPECT_FALSE(window->saveTo(path("no-such-folder/waybill.xml")));
  ASSERT_EQ(application.errors.size(), 1u);
  EXPECT_EQ(application.errors[0].rfind("EInOutError: ", 0), 0u);
  EXPECT_EQ(contents(existing), "old");
}

}  // namespace
}  // namespace korvel::designer::testing
