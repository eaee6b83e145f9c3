// The test host: library loading, the recording application object, the
// program folder and the ODBC set-up.
#include "tests/library/library_host.h"

#include <dlfcn.h>
#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <cstdlib>
#include <fstream>

namespace korvel::testing {

namespace {

void ensureQtApplication() {
  static int argc = 1;
  static char name[] = "korvel_library_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* application = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  (void)application;
}

// unixODBC reads its driver list and data sources from here for the whole
// test program: the SQLite3 driver, the DSN MainDatabase, and a trace of
// every call so tests can see what reached the driver.
void ensureOdbcSetup() {
  static bool done = [] {
    const auto dir = odbcFolder();
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "main.db", std::ios::binary);
    std::ofstream(dir / "odbcinst.ini") << "[ODBC]\nTrace=Yes\nTraceFile=" << (dir / "trace.log").string()
                                        << "\n\n[SQLite3]\nDriver=libsqlite3odbc.so\n";
    std::ofstream(dir / "odbc.ini") << "[MainDatabase]\nDriver=SQLite3\nDatabase="
                                    << (dir / "main.db").string() << "\n";
    setenv("ODBCSYSINI", dir.c_str(), 1);
    setenv("ODBCINI", (dir / "odbc.ini").c_str(), 1);
    return true;
  }();
  (void)done;
}

std::filesystem::path makeFolder() {
  ensureQtApplication();
  ensureOdbcSetup();
  static int counter = 0;
  const auto path = std::filesystem::temp_directory_path() /
                    ("korvel_library_" + std::to_string(getpid()) + "_" + std::to_string(++counter));
  std::filesystem::remove_all(path);
  std::filesystem::create_directories(path);
  return path;
}

}  // namespace

std::filesystem::path odbcFolder() {
  return std::filesystem::temp_directory_path() / ("korvel_odbc_" + std::to_string(getpid()));
}

LoadedLibrary::LoadedLibrary() {
  handle_ = dlopen(KORVEL_LIBRARY_FILE, RTLD_NOW | RTLD_LOCAL);
  if (!handle_) throw std::runtime_error(dlerror());
  function_ = reinterpret_cast<ShowBegRepFormFunction>(dlsym(handle_, "ShowBegRepForm"));
  if (!function_) throw std::runtime_error("no ShowBegRepForm");
}

void LoadedLibrary::unload() {
  if (handle_) dlclose(handle_);
  handle_ = nullptr;
}

bool LoadedLibrary::mapped() {
  void* handle = dlopen(KORVEL_LIBRARY_FILE, RTLD_NOW | RTLD_NOLOAD);
  if (handle) dlclose(handle);
  return handle != nullptr;
}

void LoadedLibrary::call(Application* application, const CallArguments& a) const {
  function_(application, a.ReturnTypeTrPredpr, a.OtpRaz.c_str(), a.Tr, a.SumNDS_1, a.VsegoSNDS_1,
            a.VesTr.c_str(), a.TTN.c_str(), a.NumDoc.c_str(), a.Seria.c_str(), a.Pogr.c_str(), a.Razg.c_str(),
            a.VidPer.c_str(), a.Prim.c_str(), a.Stoimost, a.Stoimost2_1, a.Stoimost2_2, a.CheckNastrGrTov,
            a.Pr_CenPriobr, a.Pr_CenTr, a.Pr_ProcTr, a.Pr_CenWNal, a.PRAll.c_str(), a.IdDoc,
            a.AliasName.c_str(), a.DbParam1.c_str(), a.DbParam2.c_str(), a.Copies.c_str(), a.Face3,
            a.DateDov.c_str(), a.VlTr.c_str(), a.SposPogr.c_str(), a.SposRazgr.c_str(), a.VrPrib.c_str(),
            a.VrUb.c_str(), a.VrProst.c_str(), a.MOLGruzPoluch.c_str(), a.NomPric.c_str(),
            a.Agreement.c_str());
}

LibraryTest::LibraryTest()
    : folder(makeFolder()),
      mainForm(std::make_unique<QWidget>()),
      host((folder / "host").string(), mainForm.get()) {}

LibraryTest::~LibraryTest() {
  library.unload();
  mainForm.reset();
  std::filesystem::remove_all(folder);
}

void LibraryTest::writeIni(const std::string& bytes) {
  std::ofstream(folder / "MDBConnect.ini", std::ios::binary) << bytes;
}

std::filesystem::path LibraryTest::emptyDatabase(const std::string& name) {
  const auto path = folder / name;
  std::ofstream(path, std::ios::binary);
  return path;
}

QWidget* LibraryTest::form() const {
  for (QWidget* child : mainForm->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    if (child->isWindow() && child->windowTitle() == "NaklForm") return child;
  return nullptr;
}

void LibraryTest::closeForm() {
  if (QWidget* window = form()) window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace korvel::testing
