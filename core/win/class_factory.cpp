#include "core/win/class_factory.h"

#include <new>

#include "core/win/com_ptr.h"
#include "core/win/connect.h"

namespace trelvane::win {

HRESULT ClassFactory::Create(const AddinIdentity& addin, REFIID iid, void** object) noexcept {
  if (!object)
    return E_POINTER;
  *object = nullptr;
  auto* factory = new (std::nothrow) ClassFactory(addin);
  if (!factory)
    return E_OUTOFMEMORY;
  const auto owned = com_ptr<IClassFactory>::attach(factory);
  return owned->QueryInterface(iid, object);
}

HRESULT ClassFactory::QueryInterface(REFIID iid, void** object) {
  if (!object)
    return E_POINTER;
  *object = nullptr;
  if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory))
    return E_NOINTERFACE;
  *object = static_cast<IClassFactory*>(this);
  AddRef();
  return S_OK;
}

ULONG ClassFactory::AddRef() {
  return static_cast<ULONG>(::InterlockedIncrement(&references_));
}

ULONG ClassFactory::Release() {
  const LONG left = ::InterlockedDecrement(&references_);
  if (left == 0)
    delete this;
  return static_cast<ULONG>(left);
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
  if (!object)
    return E_POINTER;
  *object = nullptr;
  if (outer)
    return CLASS_E_NOAGGREGATION;
  return Connect::Create(addin_, iid, object);
}

HRESULT ClassFactory::LockServer(BOOL lock) {
  win::LockServer(lock != FALSE);
  return S_OK;
}

}  // namespace trelvane::win
