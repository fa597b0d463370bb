// fake-office-servers.dll: stand-ins for the five hosts' automation classes, so that the
// configurator finds "Word.Application", "Excel.Application", "Access.Application",
// "PowerPoint.Application" and "Outlook.Application" registered in a Wine prefix that has no
// Office. Each class has a local server, fake-host.exe beside this DLL, which records its start
// (HostStarted) when anything starts it, and an in-process server here, which counts every object
// created (WordCreated, ExcelCreated, ...) under HKCU\Software\Trelvane Tests: the configurator
// must do neither. Word's object answers "quit" (WordQuit).
//
// Registering writes all five classes machine-wide, where Wine looks for classes;
// unregistering removes them.
#include <windows.h>

#include <objbase.h>
#include <olectl.h>

#include <string>

#include "core/ascii_case.h"

namespace {

// {6F1D6E0A-3C2B-4C55-9E57-1B3F0C8A7E01} to ...7E05
constexpr CLSID kExcelClass = {
    0x6F1D6E0A, 0x3C2B, 0x4C55, {0x9E, 0x57, 0x1B, 0x3F, 0x0C, 0x8A, 0x7E, 0x01}};
constexpr CLSID kWordClass = {
    0x6F1D6E0A, 0x3C2B, 0x4C55, {0x9E, 0x57, 0x1B, 0x3F, 0x0C, 0x8A, 0x7E, 0x02}};
constexpr CLSID kAccessClass = {
    0x6F1D6E0A, 0x3C2B, 0x4C55, {0x9E, 0x57, 0x1B, 0x3F, 0x0C, 0x8A, 0x7E, 0x03}};
constexpr CLSID kPowerPointClass = {
    0x6F1D6E0A, 0x3C2B, 0x4C55, {0x9E, 0x57, 0x1B, 0x3F, 0x0C, 0x8A, 0x7E, 0x04}};
constexpr CLSID kOutlookClass = {
    0x6F1D6E0A, 0x3C2B, 0x4C55, {0x9E, 0x57, 0x1B, 0x3F, 0x0C, 0x8A, 0x7E, 0x05}};
constexpr wchar_t kRecordKey[] = L"Software\\Trelvane Tests";
constexpr DISPID kQuit = 1;

HMODULE g_module = nullptr;
LONG g_objects = 0;

void Count(const wchar_t* name) {
  HKEY key = nullptr;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, kRecordKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
    return;
  DWORD value = 0;
  DWORD size = sizeof value;
  ::RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
  ++value;
  ::RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  ::RegCloseKey(key);
}

// An Application object: Word's answers "quit", Excel's nothing.
class Application final : public IDispatch {
 public:
  explicit Application(bool word) : word_(word) { ::InterlockedIncrement(&g_objects); }
  ~Application() { ::InterlockedDecrement(&g_objects); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object)
      return E_POINTER;
    *object = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch))
      return E_NOINTERFACE;
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ::InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = ::InterlockedDecrement(&references_);
    if (left == 0)
      delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override {
    return DISP_E_BADINDEX;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override {
    if (!names || !ids || count != 1)
      return E_INVALIDARG;
    if (word_ && trelvane::EqualsIgnoringAsciiCase(std::wstring_view(names[0]), "Quit")) {
      ids[0] = kQuit;
      return S_OK;
    }
    ids[0] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT*,
                                   EXCEPINFO*, UINT*) override {
    if (!word_ || id != kQuit || !(flags & DISPATCH_METHOD))
      return DISP_E_MEMBERNOTFOUND;
    Count(L"WordQuit");
    return S_OK;
  }

 private:
  bool word_;
  LONG references_ = 1;
};

class Factory final : public IClassFactory {
 public:
  Factory(bool word, const wchar_t* created) : word_(word), created_(created) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object)
      return E_POINTER;
    *object = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory))
      return E_NOINTERFACE;
    *object = static_cast<IClassFactory*>(this);
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    if (outer)
      return CLASS_E_NOAGGREGATION;
    Count(created_);
    auto* application = new Application(word_);
    const HRESULT hr = application->QueryInterface(iid, object);
    application->Release();
    return hr;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

 private:
  bool word_;
  const wchar_t* created_;
};

struct StandIn {
  const CLSID& clsid;
  const wchar_t* prog_id;
  Factory factory;
};
StandIn g_stand_ins[] = {
    {kWordClass, L"Word.Application", Factory(true, L"WordCreated")},
    {kExcelClass, L"Excel.Application", Factory(false, L"ExcelCreated")},
    {kAccessClass, L"Access.Application", Factory(false, L"AccessCreated")},
    {kPowerPointClass, L"PowerPoint.Application", Factory(false, L"PowerPointCreated")},
    {kOutlookClass, L"Outlook.Application", Factory(false, L"OutlookCreated")},
};

std::wstring GuidText(const GUID& guid) {
  wchar_t text[40];
  ::StringFromGUID2(guid, text, 40);
  return text;
}

bool SetDefault(const std::wstring& path, const std::wstring& value,
                const wchar_t* name = nullptr) {
  HKEY key = nullptr;
  if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
    return false;
  const LONG result =
      ::RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  ::RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

bool RegisterClassOf(const CLSID& clsid, const wchar_t* prog_id, const std::wstring& dll) {
  const std::wstring classes = L"Software\\Classes\\";
  const std::wstring class_key = classes + L"CLSID\\" + GuidText(clsid);
  const std::wstring host = dll.substr(0, dll.find_last_of(L"\\/") + 1) + L"fake-host.exe";
  return SetDefault(class_key, prog_id) && SetDefault(class_key + L"\\InprocServer32", dll) &&
         SetDefault(class_key + L"\\LocalServer32", L"\"" + host + L"\" /automation") &&
         SetDefault(class_key + L"\\InprocServer32", L"Apartment", L"ThreadingModel") &&
         SetDefault(classes + prog_id, prog_id) &&
         SetDefault(classes + prog_id + L"\\CLSID", GuidText(clsid));
}

void UnregisterClassOf(const CLSID& clsid, const wchar_t* prog_id) {
  const std::wstring classes = L"Software\\Classes\\";
  ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, (classes + L"CLSID\\" + GuidText(clsid)).c_str());
  ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, (classes + prog_id).c_str());
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
  if (reason == DLL_PROCESS_ATTACH)
    g_module = instance;
  return TRUE;
}

HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  for (StandIn& stand_in : g_stand_ins) {
    if (IsEqualCLSID(clsid, stand_in.clsid))
      return stand_in.factory.QueryInterface(iid, object);
  }
  return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  return g_objects == 0 ? S_OK : S_FALSE;
}

HRESULT STDAPICALLTYPE DllRegisterServer() {
  wchar_t path[MAX_PATH];
  const DWORD length = ::GetModuleFileNameW(g_module, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return SELFREG_E_CLASS;
  const std::wstring dll(path, length);
  for (const StandIn& stand_in : g_stand_ins) {
    if (!RegisterClassOf(stand_in.clsid, stand_in.prog_id, dll))
      return SELFREG_E_CLASS;
  }
  return S_OK;
}

HRESULT STDAPICALLTYPE DllUnregisterServer() {
  for (const StandIn& stand_in : g_stand_ins)
    UnregisterClassOf(stand_in.clsid, stand_in.prog_id);
  return S_OK;
}

}  // extern "C"
