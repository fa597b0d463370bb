#include <objbase.h>

#include "core/win/com_ptr.h"
#include "core/win/unique_handle.h"
#include "tests/win/addin_checks.h"

namespace trelvane::wintest {
namespace {

using win::com_ptr;

std::wstring ClassServerPath(const CLSID& clsid) {
  wchar_t guid[40];
  ::StringFromGUID2(clsid, guid, 40);
  const std::wstring key = std::wstring(L"CLSID\\") + guid + L"\\InprocServer32";
  wchar_t path[MAX_PATH * 2] = {};
  DWORD bytes = sizeof path - sizeof(wchar_t);
  if (::RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, path,
                     &bytes) != ERROR_SUCCESS) {
    return {};
  }
  return path;
}

}  // namespace

void CheckRegistration(CheckList& checks, const AddinUnderTest& addin) {
  CLSID clsid = {};
  const HRESULT hr = ::CLSIDFromProgID(addin.expected.prog_id, &clsid);
  checks.Expect(SUCCEEDED(hr) && IsEqualCLSID(clsid, addin.expected.clsid),
                "the ProgID names the add-in's fixed CLSID", "CLSIDFromProgID: " + Hex(hr));
  const std::wstring server = ClassServerPath(addin.expected.clsid);
  checks.Expect(::lstrcmpiW(server.c_str(), addin.dll_path.c_str()) == 0,
                "the class's InprocServer32 is the registered DLL",
                "found \"" + Utf8(server) + "\"");
}

void CheckClassObject(CheckList& checks, const AddinUnderTest& addin) {
  checks.ExpectHr(addin.can_unload_now(), S_OK, "DllCanUnloadNow is S_OK before any object");

  void* object = reinterpret_cast<void*>(1);
  checks.ExpectHr(addin.get_class_object(IID_IDispatch, IID_IClassFactory, &object),
                  CLASS_E_CLASSNOTAVAILABLE, "DllGetClassObject refuses a foreign CLSID");
  checks.Expect(object == nullptr, "DllGetClassObject clears its out pointer on failure");
  checks.ExpectHr(addin.get_class_object(addin.expected.clsid, IID_IClassFactory, nullptr),
                  E_POINTER, "DllGetClassObject with no out pointer");

  com_ptr<IClassFactory> factory;
  checks.ExpectHr(
      addin.get_class_object(addin.expected.clsid, IID_IClassFactory, factory.put_void()), S_OK,
      "DllGetClassObject hands out the class factory");
  if (!factory)
    return;
  checks.ExpectHr(addin.can_unload_now(), S_FALSE, "a live class factory keeps the DLL loaded");

  com_ptr<IUnknown> outer;
  factory->QueryInterface(IID_IUnknown, outer.put_void());
  com_ptr<IUnknown> aggregated;
  checks.ExpectHr(factory->CreateInstance(outer.get(), IID_IUnknown, aggregated.put_void()),
                  CLASS_E_NOAGGREGATION, "the add-in refuses aggregation");
  com_ptr<IUnknown> wrong;
  const HRESULT no_interface =
      factory->CreateInstance(nullptr, IID_IClassFactory, wrong.put_void());
  checks.Expect(no_interface == E_NOINTERFACE && !wrong,
                "creating for an interface the add-in lacks fails cleanly", Hex(no_interface));
  outer.reset();

  checks.ExpectHr(factory->LockServer(TRUE), S_OK, "LockServer(TRUE)");
  factory.reset();
  checks.ExpectHr(addin.can_unload_now(), S_FALSE, "a server lock keeps the DLL loaded");
  addin.get_class_object(addin.expected.clsid, IID_IClassFactory, factory.put_void());
  if (!factory)
    return;
  factory->LockServer(FALSE);
  // An unlock too many must not hide live objects later on.
  factory->LockServer(FALSE);
  checks.ExpectHr(addin.can_unload_now(), S_FALSE,
                  "surplus unlocks leave the live factory counted");
  factory.reset();
  checks.ExpectHr(addin.can_unload_now(), S_OK, "DllCanUnloadNow is S_OK once all is released");
}

}  // namespace trelvane::wintest
