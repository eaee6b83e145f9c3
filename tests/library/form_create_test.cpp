// FormCreate through the real libkorvel: a failure at each step is
// reported once through the application's error report and the form still
// opens, at design size before the window is maximised and maximised after;
// MDBConnect.ini is read as the users' files are written.
#include <functional>

#include "tests/library/library_host.h"

namespace korvel::testing {
namespace {

using FormCreateTest = LibraryTest;

struct StepFailure {
  const char* step;
  std::function<void(FormCreateTest&)> arrange;
  const char* errorPrefix;
  bool maximised;
};

TEST_F(FormCreateTest, AFailureAtEachStepIsReportedAndTheFormStillOpens) {
  const std::vector<StepFailure> failures = {
      {"3: no MDBConnect.ini", [](FormCreateTest&) {}, "EInOutError: File not found", false},
      {"4: empty connection string", [](FormCreateTest& t) { t.writeIni("\r\n"); }, "EOleException: ", false},
      {"4: database file missing",
       [](FormCreateTest& t) { t.writeIni(t.sqliteConnection(t.folder / "absent.db")); },
       "EOleException: ", false},
      {"5: alias not defined",
       [](FormCreateTest& t) {
         t.writeIni(t.sqliteConnection(t.emptyDatabase()));
         t.arguments.AliasName = "NoSuchAlias";
       },
       "EDBEngineError: ", false},
      {"6: copies the report refuses",
       [](FormCreateTest& t) {
         t.writeIni(t.sqliteConnection(t.emptyDatabase()));
         t.arguments.Copies = "0";
       },
       "EReportError: ", false},
      {"8: the document's tables are missing",
       [](FormCreateTest& t) { t.writeIni(t.sqliteConnection(t.emptyDatabase())); }, "", true},
  };
  for (const auto& failure : failures) {
    SCOPED_TRACE(failure.step);
    std::filesystem::remove(folder / "MDBConnect.ini");
    arguments = CallArguments();
    host.errors.clear();
    failure.arrange(*this);

    library.call(&host, arguments);
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_TRUE(host.errors[0].starts_with(failure.errorPrefix)) << host.errors[0];
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(host.previews.empty());

    QWidget* window = form();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->isMaximized(), failure.maximised);
    if (!failure.maximised) {
      EXPECT_EQ(window->size(), QSize(532, 516));
    }

    arguments.Copies = "2x";
    library.call(&host, arguments);
    EXPECT_EQ(host.errors.size(), 1u);
    EXPECT_TRUE(host.messages.empty()) << "the open form keeps further calls out";
    closeForm();
    ASSERT_EQ(form(), nullptr);
  }
}

// MDBConnect.ini contents that must open the connection: the call then
// gets as far as the alias, which is left undefined to tell the two apart.
TEST_F(FormCreateTest, ConnectionStringIsTheWholeFirstLineInTheUsersEncodings) {
  const auto longFolder = folder / std::string(150, 'd') / std::string(150, 'e');
  std::filesystem::create_directories(longFolder);
  std::filesystem::create_directories(folder / "База");
  const auto longDb = emptyDatabase((longFolder / "long.db").lexically_relative(folder).string());
  const auto cyrillicDb = emptyDatabase("База/склад.db");
  const auto plainDb = emptyDatabase();
  const struct {
    const char* name;
    std::string ini;
  } cases[] = {
      {"longer than 255 characters", sqliteConnection(longDb) + "\n"},
      {"several lines", sqliteConnection(plainDb) + "\r\nProvider=Nothing\r\n"},
      {"UTF-8 with byte-order mark", "\xEF\xBB\xBF" + sqliteConnection(cyrillicDb)},
      {"Windows-1251",
       "Provider=SQLite;Data Source=" + folder.string() + "/\xC1\xE0\xE7\xE0/\xF1\xEA\xEB\xE0\xE4.db"},
      {"relative to the program's folder", "Provider=SQLite;Data Source=empty.db"},
  };
  ASSERT_GT(sqliteConnection(longDb).size(), 255u);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    writeIni(c.ini);
    host.errors.clear();
    arguments.AliasName = "NoSuchAlias";
    library.call(&host, arguments);
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_TRUE(host.errors[0].starts_with("EDBEngineError: ")) << host.errors[0];
    closeForm();
  }
}

TEST_F(FormCreateTest, OnlyTheFirstLineCounts) {
  writeIni("\n" + sqliteConnection(emptyDatabase()) + "\n");
  library.call(&host, arguments);
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_TRUE(host.errors[0].starts_with("EOleException: ")) << host.errors[0];
}

}  // namespace
}  // namespace korvel::testing
