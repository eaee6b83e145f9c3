// ShowBegRepForm through the real libkorvel: the copies conversion, the
// one-form rule, adoption of the host's application object, the login
// line cut, errors that are not the library's own, and unloading.
#include <QPointer>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "tests/library/library_host.h"

namespace korvel::testing {
namespace {

const std::string trap = " ошибка с сообщением : ";

using EntryTest = LibraryTest;

TEST_F(EntryTest, CopiesThatAreNotAWholeNumberShowTheConversionErrorAndNoForm) {
  for (const char* copies : {"", "2x", "2.0", "99999999999"}) {
    host.messages.clear();
    arguments.Copies = copies;
    library.call(&host, arguments);
    ASSERT_EQ(host.messages.size(), 1u) << copies;
    EXPECT_EQ(host.messages[0], "EConvertError" + trap + "'" + copies + "' is not a valid integer value");
    EXPECT_TRUE(host.errors.empty());
    EXPECT_EQ(form(), nullptr) << copies;
  }
}

TEST_F(EntryTest, NullTextsAreEmptyTexts) {
  library.function()(&host, 0, nullptr, 0, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, 1, nullptr, nullptr, nullptr, nullptr,
                     0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], "EConvertError" + trap + "'' is not a valid integer value");
}

TEST_F(EntryTest, AdoptsTheHostsApplicationObjectOnTheFirstCallOnly) {
  QWidget otherMainForm;
  RecordingApplication other((folder / "other").string(), &otherMainForm);
  arguments.Copies = "x";
  library.call(&host, arguments);
  library.call(&other, arguments);
  EXPECT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(other.calls(), 0);

  // The form belongs to the first host's main form, and the ini is looked
  // for beside the first host's program.
  arguments.Copies = "1";
  library.call(&other, arguments);
  EXPECT_NE(form(), nullptr);
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_EQ(host.errors[0], "EInOutError: File not found");
}

TEST_F(EntryTest, OneFormAtATime) {
  library.call(&host, arguments);  // no MDBConnect.ini: the form opens all the same
  QPointer<QWidget> first = form();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(host.calls(), 1);

  arguments.Copies = "2x";
  library.call(&host, arguments);
  EXPECT_EQ(host.calls(), 1) << "a call while the form is open does nothing";

  closeForm();
  EXPECT_EQ(first, nullptr) << "closing the window frees the form";
  library.call(&host, arguments);
  EXPECT_EQ(host.messages.size(), 1u) << "after closing, calls work again";
  arguments.Copies = "1";
  library.call(&host, arguments);
  EXPECT_NE(form(), nullptr);
  EXPECT_EQ(host.errors.size(), 2u);
}

TEST_F(EntryTest, FormIsFreedWithItsOwner) {
  library.call(&host, arguments);
  ASSERT_NE(form(), nullptr);
  mainForm.reset();
  arguments.Copies = "2x";
  library.call(&host, arguments);
  EXPECT_EQ(host.messages.size(), 1u) << "the freed form no longer counts as open";
}

TEST_F(EntryTest, UnloadingFreesARemainingForm) {
  library.call(&host, arguments);
  QPointer<QWidget> window = form();
  ASSERT_NE(window, nullptr);
  const int before = host.calls();
  library.unload();
  EXPECT_EQ(window, nullptr);
  EXPECT_FALSE(LoadedLibrary::mapped());
  EXPECT_EQ(host.calls(), before) << "unloading shows nothing";
}

TEST_F(EntryTest, UnloadingWithoutAnyCallChangesNothing) {
  library.unload();
  EXPECT_FALSE(LoadedLibrary::mapped());
  EXPECT_EQ(host.calls(), 0);
  EXPECT_TRUE(mainForm->findChildren<QWidget*>().isEmpty());
}

// A host whose error report itself fails: nothing may escape into the host.
class ThrowingApplication : public RecordingApplication {
 public:
  using RecordingApplication::RecordingApplication;
  void showException(const std::string&, const std::string&) override {
    throw std::runtime_error("host error box failed");
  }
};

TEST_F(EntryTest, NoErrorEscapesIntoTheHost) {
  ThrowingApplication throwing((folder / "host").string(), mainForm.get());
  EXPECT_NO_THROW(library.call(&throwing, arguments));
  ASSERT_EQ(throwing.messages.size(), 1u);
  EXPECT_EQ(throwing.messages[0], "Exception" + trap + "host error box failed");
}

std::string readFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST_F(EntryTest, LoginLinesReachTheConnectionCutTo25Characters) {
  writeIni(sqliteConnection(emptyDatabase()));
  // 25 characters: "USER NAME=" and 15 of the name; Cyrillic letters count as one.
  arguments.DbParam1 = "USER NAME=АдминистраторСклада";
  arguments.DbParam2 = "PASSWORD=секрет1234567890XYZ";
  const auto trace = odbcFolder() / "trace.log";
  const auto before = readFile(trace).size();
  library.call(&host, arguments);
  const std::string traced = readFile(trace).substr(before);
  EXPECT_NE(traced.find("UID=АдминистраторСк;"), std::string::npos) << traced.substr(0, 4000);
  EXPECT_EQ(traced.find("АдминистраторСкл"), std::string::npos);
  EXPECT_EQ(traced.find("0XYZ"), std::string::npos);
}

}  // namespace
}  // namespace korvel::testing
