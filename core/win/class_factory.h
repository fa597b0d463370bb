// The class factory DllGetClassObject hands out: it creates Connect objects of this add-in.
#pragma once

#include <windows.h>

#include <unknwn.h>

#include "core/win/addin_identity.h"
#include "core/win/module.h"

namespace trelvane::win {

class ClassFactory final : public IClassFactory {
 public:
  // Creates a factory and queries it for `iid`; *object is null on failure.
  static HRESULT Create(const AddinIdentity& addin, REFIID iid, void** object) noexcept;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

 private:
  explicit ClassFactory(const AddinIdentity& addin) noexcept : addin_(addin) {}
  ~ClassFactory() = default;

  ModuleReference module_reference_;
  LONG references_ = 1;
  const AddinIdentity& addin_;
};

}  // namespace trelvane::win
