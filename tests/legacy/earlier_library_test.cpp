// libkorvel-legacy through dlopen, as a host of the earlier interface loads
// it: 38 arguments, the one-form rule until unload, errors shown, the two
// previews in order, the appendix count, and the same document as the
// current library prints with the differences of the earlier revision.
#include <dlfcn.h>
#include <sqlite3.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "legacy/earlier_export.h"
#include "tests/library/library_host.h"

namespace korvel::testing {
namespace {

const std::string trap = " ошибка с сообщением : ";

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

// The demo documents, and document 5022 with 22 generated lines.
void writeDemoDatabase(const std::filesystem::path& file) {
  std::filesystem::copy_file(KORVEL_DEMO_DB, file, std::filesystem::copy_options::overwrite_existing);
  std::string sql = readFile(KORVEL_GENERATE_DOCUMENT);
  replaceAll(sql, "@iddoc", "5022");
  replaceAll(sql, "@lines", "22");
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
  char* error = nullptr;
  const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
  const std::string message = error ? error : "";
  sqlite3_free(error);
  sqlite3_close(db);
  ASSERT_EQ(rc, SQLITE_OK) << message;
}

void callEarlier(ShowBegRepFormFunction function, Application* application, const CallArguments& a) {
  const auto earlier =
      reinterpret_cast<ShowBegRepFormEarlierFunction>(reinterpret_cast<void (*)()>(function));
  earlier(application, a.ReturnTypeTrPredpr, a.OtpRaz.c_str(), a.Tr, a.SumNDS_1, a.VsegoSNDS_1,
          a.VesTr.c_str(), a.TTN.c_str(), a.NumDoc.c_str(), a.Seria.c_str(), a.Pogr.c_str(), a.Razg.c_str(),
          a.VidPer.c_str(), a.Prim.c_str(), a.Stoimost, a.Stoimost2_1, a.Stoimost2_2, a.CheckNastrGrTov,
          a.Pr_CenPriobr, a.Pr_CenTr, a.Pr_ProcTr, a.Pr_CenWNal, a.PRAll.c_str(), a.IdDoc,
          a.AliasName.c_str(), a.DbParam1.c_str(), a.DbParam2.c_str(), a.Copies.c_str(), a.Face3,
          a.DateDov.c_str(), a.VlTr.c_str(), a.SposPogr.c_str(), a.SposRazgr.c_str(), a.VrPrib.c_str(),
          a.VrUb.c_str(), a.VrProst.c_str(), a.MOLGruzPoluch.c_str(), a.NomPric.c_str());
}

// A preview's items as (name, occurrence) -> text, with the pages they were on.
struct Printed {
  std::map<std::pair<std::string, int>, std::string> texts;
  std::set<std::string> pages;
  int sheets = 0;
};

Printed printed(const RecordingApplication::Preview& preview) {
  Printed result;
  const QJsonObject dump = QJsonDocument::fromJson(QByteArray::fromStdString(preview.dump)).object();
  std::map<std::string, int> seen;
  for (const auto& page : dump["pages"].toArray()) {
    ++result.sheets;
    for (const auto& value : page.toObject()["items"].toArray()) {
      const QJsonObject item = value.toObject();
      const std::string name = item["name"].toString().toStdString();
      result.pages.insert(item["page"].toString().toStdString());
      result.texts[{name, seen[name]++}] = item["text"].toString().toStdString();
    }
  }
  return result;
}

std::string text(const Printed& p, const std::string& name, int occurrence = 0) {
  auto it = p.texts.find({name, occurrence});
  return it == p.texts.end() ? "<none>" : it->second;
}

class EarlierLibraryTest : public LibraryTest {
 public:
  EarlierLibraryTest() {
    writeDemoDatabase(odbcFolder() / "main.db");
    arguments.IdDoc = 102;
  }
  ~EarlierLibraryTest() override { std::ofstream(odbcFolder() / "main.db", std::ios::trunc); }

  void call() { callEarlier(library.function(), &host, arguments); }
};

TEST_F(EarlierLibraryTest, PreviewsTheFirstPageThenTheSpecification) {
  call();
  ASSERT_TRUE(host.messages.empty()) << host.messages[0];
  ASSERT_EQ(host.previews.size(), 2u);
  EXPECT_EQ(printed(host.previews[0]).pages, std::set<std::string>{"CapPage"});
  EXPECT_EQ(printed(host.previews[1]).pages, std::set<std::string>{"SpecPage"});
  // Never shown, and its options sit in hidden controls.
  QWidget* window = form();
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(window->isMaximized());
  auto* idDoc = window->findChild<QWidget*>("forIdDoc");
  ASSERT_NE(idDoc, nullptr);
  EXPECT_FALSE(idDoc->isVisible());
}

TEST_F(EarlierLibraryTest, ASecondCallDoesNothingUntilUnload) {
  call();
  call();
  EXPECT_EQ(host.previews.size(), 2u);
  library.unload();
  EXPECT_FALSE(LoadedLibrary::mapped());
  LoadedLibrary again;
  callEarlier(again.function(), &host, arguments);
  EXPECT_EQ(host.previews.size(), 4u);
}

TEST_F(EarlierLibraryTest, AppendixCountIsTheSheetsPrinted) {
  struct Case {
    std::int32_t document;
    int lines, sheets;
  };
  library.unload();  // each document with a library of its own
  for (const Case& c : {Case{103, 0, 0}, Case{5022, 22, 2}, Case{102, 25, 3}}) {
    LoadedLibrary fresh;
    host.previews.clear();
    arguments.IdDoc = c.document;
    callEarlier(fresh.function(), &host, arguments);
    ASSERT_EQ(host.previews.size(), 2u) << c.document << (host.messages.empty() ? "" : host.messages.back());
    const Printed first = printed(host.previews[0]);
    EXPECT_EQ(text(first, "Memo92"), std::to_string(c.lines)) << c.document;
    EXPECT_EQ(text(first, "Memo389"), std::to_string(c.sheets)) << c.document;
    if (c.lines > 0) {
      EXPECT_EQ(printed(host.previews[1]).sheets, c.sheets) << c.document;
    }
    fresh.unload();
  }
}

TEST_F(EarlierLibraryTest, ErrorsAreShownAndAFailedConnectionTriesAgain) {
  arguments.AliasName = "NoSuchAlias";
  call();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].starts_with("EDBEngineError" + trap)) << host.messages[0];
  EXPECT_EQ(form(), nullptr);

  arguments.AliasName = "MainDatabase";
  arguments.Copies = "two";
  call();
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[1], "EConvertError" + trap + "'two' is not a valid integer value");

  arguments.Copies = "1";
  call();
  EXPECT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.previews.size(), 2u);
}

// The same document through a host of each revision: the first page prints
// the same texts under names without the prefix, but for the boxes the
// earlier revision fills otherwise; the specification prints the same
// columns the script does not price.
TEST_F(EarlierLibraryTest, BothRevisionsPrintTheSameDocumentButForTheEarlierDifferences) {
  writeIni("Provider=SQLite;Data Source=" + (odbcFolder() / "main.db").string() + "\r\n");
  arguments.Agreement = "Договор № 1";
  arguments.Face3 = true;
  arguments.VlTr = "ООО Перевозчик";
  call();
  ASSERT_EQ(host.previews.size(), 2u);
  void* current = dlopen(KORVEL_CURRENT_LIBRARY_FILE, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(current, nullptr) << dlerror();
  RecordingApplication currentHost((folder / "host").string(), mainForm.get());
  reinterpret_cast<ShowBegRepFormFunction>(dlsym(current, "ShowBegRepForm"))(
      &currentHost, arguments.ReturnTypeTrPredpr, arguments.OtpRaz.c_str(), arguments.Tr, arguments.SumNDS_1,
      arguments.VsegoSNDS_1, arguments.VesTr.c_str(), arguments.TTN.c_str(), arguments.NumDoc.c_str(),
      arguments.Seria.c_str(), arguments.Pogr.c_str(), arguments.Razg.c_str(), arguments.VidPer.c_str(),
      arguments.Prim.c_str(), arguments.Stoimost, arguments.Stoimost2_1, arguments.Stoimost2_2,
      arguments.CheckNastrGrTov, arguments.Pr_CenPriobr, arguments.Pr_CenTr, arguments.Pr_ProcTr,
      arguments.Pr_CenWNal, arguments.PRAll.c_str(), arguments.IdDoc, arguments.AliasName.c_str(),
      arguments.DbParam1.c_str(), arguments.DbParam2.c_str(), arguments.Copies.c_str(), arguments.Face3,
      arguments.DateDov.c_str(), arguments.VlTr.c_str(), arguments.SposPogr.c_str(),
      arguments.SposRazgr.c_str(), arguments.VrPrib.c_str(), arguments.VrUb.c_str(),
      arguments.VrProst.c_str(), arguments.MOLGruzPoluch.c_str(), arguments.NomPric.c_str(),
      arguments.Agreement.c_str());
  ASSERT_TRUE(currentHost.errors.empty()) << currentHost.errors[0];
  ASSERT_EQ(currentHost.previews.size(), 1u);
  const Printed now = printed(currentHost.previews[0]);
  const Printed firstPage = printed(host.previews[0]);
  const Printed specification = printed(host.previews[1]);

  const std::set<std::string> different = {"Memo39",   "Zakazchik", "Memo389",
                                           "Stoimost", "Stoimost2", "Memo50"};  // the time of printing
  int compared = 0;
  for (const auto& [key, printedNow] : now.texts) {
    if (!key.first.starts_with("cp_")) continue;
    const std::string name = key.first.substr(3);
    if (different.contains(name) || name == "Memo35") continue;
    EXPECT_EQ(text(firstPage, name, key.second), printedNow) << name;
    ++compared;
  }
  EXPECT_GT(compared, 200);
  EXPECT_EQ(text(firstPage, "Memo39"), "Договор поставки № 57 от 12.01.2026");  // the header's Dogovor
  EXPECT_EQ(text(now, "cp_Memo39"), "Договор № 1");
  EXPECT_EQ(text(firstPage, "Memo28"), "ООО Перевозчик");
  EXPECT_EQ(text(firstPage, "Memo389"), "3");
  EXPECT_EQ(text(now, "cp_Stoimost"), "3982.30");
  EXPECT_EQ(text(firstPage, "Stoimost"), "3982,30");

  // Line columns the older script does not price, sheet by sheet alike.
  for (const char* name : {"Memo59", "Memo88", "Memo89", "Memo92", "Memo96", "Memo100", "Memo300",
                           "NamePredpr", "NumNakl", "Memo392", "Memo395"})
    for (int i = 0; i < 25; ++i) {
      if (!now.texts.contains({name, i})) break;
      EXPECT_EQ(text(specification, name, i), text(now, name, i)) << name << i;
    }
  EXPECT_EQ(text(now, "Memo388"), "1");  // [<Page>-1] on the second sheet of the current document
  EXPECT_EQ(text(specification, "Memo388"), "1");
  EXPECT_EQ(text(specification, "Memo16"), "Кол-во груз-х мест");
  EXPECT_EQ(text(now, "Memo16"), "Кол. груз-х мест");
  dlclose(current);
}

}  // namespace
}  // namespace korvel::testing
