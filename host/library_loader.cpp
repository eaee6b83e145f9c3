// dlopen/LoadLibrary of libkorvel and the 39-argument call.
#include "host/library_loader.h"

#include "legacy/earlier_export.h"

#include <stdexcept>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace korvel::host {

namespace {

unsigned char flag(const Options& options, const char* name) { return options.value(name) == "1" ? 1 : 0; }

}  // namespace

std::string libraryBeside(const std::string& folder) {
#if defined(_WIN32)
  return folder + "\\korvel.dll";
#else
  return folder + "/libkorvel.so";
#endif
}

LoadedLibrary::LoadedLibrary(const std::string& path) {
#if defined(_WIN32)
  handle_ = LoadLibraryA(path.c_str());
  if (!handle_) throw std::runtime_error("cannot load " + path);
  function_ = reinterpret_cast<ShowBegRepFormFunction>(
      GetProcAddress(static_cast<HMODULE>(handle_), "ShowBegRepForm"));
#else
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle_) throw std::runtime_error(dlerror());
  function_ = reinterpret_cast<ShowBegRepFormFunction>(dlsym(handle_, "ShowBegRepForm"));
#endif
  if (!function_) {
    close();
    throw std::runtime_error(path + " has no ShowBegRepForm");
  }
}

LoadedLibrary::~LoadedLibrary() { close(); }

void LoadedLibrary::close() {
  if (!handle_) return;
#if defined(_WIN32)
  FreeLibrary(static_cast<HMODULE>(handle_));
#else
  dlclose(handle_);
#endif
  handle_ = nullptr;
}

void LoadedLibrary::showBegRepForm(Application& application, const Options& o) const {
  auto text = [&](const char* name) { return o.value(name).c_str(); };
  if (o.earlierRevision) {
    // Both revisions export the same name; only the caller knows the signature.
    const auto earlier =
        reinterpret_cast<ShowBegRepFormEarlierFunction>(reinterpret_cast<void (*)()>(function_));
    earlier(&application, flag(o, "ReturnTypeTrPredpr"), text("OtpRaz"), flag(o, "Tr"), flag(o, "SumNDS_1"),
            flag(o, "VsegoSNDS_1"), text("VesTr"), text("TTN"), text("NumDoc"), text("Seria"), text("Pogr"),
            text("Razg"), text("VidPer"), text("Prim"), flag(o, "Stoimost"), flag(o, "Stoimost2_1"),
            flag(o, "Stoimost2_2"), flag(o, "CheckNastrGrTov"), flag(o, "Pr_CenPriobr"), flag(o, "Pr_CenTr"),
            flag(o, "Pr_ProcTr"), flag(o, "Pr_CenWNal"), text("PRAll"), std::stoi(o.value("IdDoc")),
            text("AliasName"), text("DbParam1"), text("DbParam2"), text("Copies"), flag(o, "Face3"),
            text("DateDov"), text("VlTr"), text("SposPogr"), text("SposRazgr"), text("VrPrib"), text("VrUb"),
            text("VrProst"), text("MOLGruzPoluch"), text("NomPric"));
    return;
  }
  function_(&application, flag(o, "ReturnTypeTrPredpr"), text("OtpRaz"), flag(o, "Tr"), flag(o, "SumNDS_1"),
            flag(o, "VsegoSNDS_1"), text("VesTr"), text("TTN"), text("NumDoc"), text("Seria"), text("Pogr"),
            text("Razg"), text("VidPer"), text("Prim"), flag(o, "Stoimost"), flag(o, "Stoimost2_1"),
            flag(o, "Stoimost2_2"), flag(o, "CheckNastrGrTov"), flag(o, "Pr_CenPriobr"), flag(o, "Pr_CenTr"),
            flag(o, "Pr_ProcTr"), flag(o, "Pr_CenWNal"), text("PRAll"), std::stoi(o.value("IdDoc")),
            text("AliasName"), text("DbParam1"), text("DbParam2"), text("Copies"), flag(o, "Face3"),
            text("DateDov"), text("VlTr"), text("SposPogr"), text("SposRazgr"), text("VrPrib"), text("VrUb"),
            text("VrProst"), text("MOLGruzPoluch"), text("NomPric"), text("Agreement"));
}

}  // namespace korvel::host
