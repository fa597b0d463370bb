// The four exports of a COM in-process server, compiled into each add-in DLL (the .def file
// names them, undecorated on both architectures).
#include <objbase.h>
#include <olectl.h>

#include "core/win/addin_identity.h"
#include "core/win/class_factory.h"
#include "core/win/hresult.h"
#include "core/win/module.h"
#include "core/win/registration.h"

using trelvane::win::ThisAddin;

extern "C" {

HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  if (!object)
    return E_POINTER;
  *object = nullptr;
  if (!IsEqualCLSID(clsid, ThisAddin().definition.clsid))
    return CLASS_E_CLASSNOTAVAILABLE;
  return trelvane::win::ClassFactory::Create(ThisAddin(), iid, object);
}

HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  return trelvane::win::ModuleInUse() ? S_FALSE : S_OK;
}

HRESULT STDAPICALLTYPE DllRegisterServer() {
  const HRESULT hr = trelvane::win::Guarded([] {
    const auto server = trelvane::win::DescribeServer(ThisAddin());
    trelvane::win::RegisterServer(server, trelvane::win::StandardPlaces());
    return S_OK;
  });
  return SUCCEEDED(hr) ? hr : SELFREG_E_CLASS;
}

HRESULT STDAPICALLTYPE DllUnregisterServer() {
  const HRESULT hr = trelvane::win::Guarded([] {
    const auto server = trelvane::win::DescribeServer(ThisAddin());
    trelvane::win::UnregisterServer(server, trelvane::win::StandardPlaces());
    return S_OK;
  });
  return SUCCEEDED(hr) ? hr : SELFREG_E_CLASS;
}

}  // extern "C"
