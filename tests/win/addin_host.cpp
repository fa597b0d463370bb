// addin-host: plays Office for one add-in DLL under test. The DLL must be registered (regsvr32);
// the host creates it by ProgID, connects it with a stand-in Application, compares its ribbon
// documents with the ones trelvane-ribbon printed for the same settings, clicks its callbacks
// and checks that everything it was lent comes back.
//
//   addin-host --dll <path of the registered DLL> --progid <ProgID> --cases <folder>
//
// One line per check; the exit status is 0 when all passed, 1 when any failed, 2 for a usage
// error.
#include <windows.h>

#include <cstdio>
#include <string>

#include "core/win/unique_handle.h"
#include "tests/win/addin_checks.h"

namespace trelvane::wintest {
namespace {

struct Options {
  std::wstring dll;
  std::wstring prog_id;
  std::wstring cases;
};

bool ParseOptions(int argc, wchar_t** argv, Options& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::wstring name = argv[i];
    if (name == L"--dll")
      options.dll = argv[i + 1];
    else if (name == L"--progid")
      options.prog_id = argv[i + 1];
    else if (name == L"--cases")
      options.cases = argv[i + 1];
    else
      return false;
  }
  return argc % 2 == 1 && !options.dll.empty() && !options.prog_id.empty() &&
         !options.cases.empty();
}

// Holds the DLL loaded for the test's own calls to its exports; COM loads the same module.
class LoadedModule {
 public:
  explicit LoadedModule(const std::wstring& path) : module_(::LoadLibraryW(path.c_str())) {}
  LoadedModule(const LoadedModule&) = delete;
  LoadedModule& operator=(const LoadedModule&) = delete;
  ~LoadedModule() {
    if (module_)
      ::FreeLibrary(module_);
  }
  template <typename Function>
  Function Export(const char* name) const {
    return module_ ? reinterpret_cast<Function>(
                         reinterpret_cast<void*>(::GetProcAddress(module_, name)))
                   : nullptr;
  }

 private:
  HMODULE module_;
};

class ComApartment {
 public:
  ComApartment() : hr_(::CoInitialize(nullptr)) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (SUCCEEDED(hr_))
      ::CoUninitialize();
  }
  HRESULT hr() const { return hr_; }

 private:
  HRESULT hr_;
};

int Run(int argc, wchar_t** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: addin-host --dll PATH --progid PROGID --cases FOLDER\n");
    return 2;
  }
  const AddinExpectation* expected = FindExpectation(options.prog_id);
  if (!expected) {
    std::fprintf(stderr, "addin-host: no expectations for %s\n", Utf8(options.prog_id).c_str());
    return 2;
  }
  CheckList checks(Utf8(options.prog_id) + (sizeof(void*) == 8 ? " (64-bit)" : " (32-bit)"));
  const ComApartment apartment;
  if (!checks.Expect(SUCCEEDED(apartment.hr()), "CoInitialize", Hex(apartment.hr())))
    return checks.Finish();

  const LoadedModule module(options.dll);
  const AddinUnderTest addin{
      *expected,
      options.dll,
      options.cases,
      module.Export<HRESULT(STDAPICALLTYPE*)()>("DllCanUnloadNow"),
      module.Export<HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**)>("DllGetClassObject"),
  };
  if (!checks.Expect(addin.can_unload_now && addin.get_class_object,
                     "the DLL loads and exports DllCanUnloadNow and DllGetClassObject")) {
    return checks.Finish();
  }

  CheckRegistration(checks, addin);
  CheckStartCost(checks, addin);  // first, as a host's start comes first
  CheckClassObject(checks, addin);
  CheckRibbonCases(checks, addin);
  CheckOfficeVersions(checks, addin);
  CheckUnconnected(checks, addin);
  CheckCallbacks(checks, addin);
  if (expected->follows_active_object)
    CheckAccess(checks, addin);
  CheckHandPointer(checks, addin);
  return checks.Finish();
}

}  // namespace
}  // namespace trelvane::wintest

int wmain(int argc, wchar_t** argv) {
  return trelvane::wintest::Run(argc, argv);
}
