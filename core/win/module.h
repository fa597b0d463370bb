// The DLL this code is linked into: its handle, its file and folder, and the count of live
// objects and server locks that DllCanUnloadNow reports.
#pragma once

#include <windows.h>

#include <string>

namespace trelvane::win {

HMODULE ThisModule() noexcept;

// The module's full path and its folder (without a trailing backslash). Throw BuildFailure.
std::wstring ModulePath();
std::wstring ModuleFolder();

// Held by every live COM object of the module.
class ModuleReference {
 public:
  ModuleReference() noexcept;
  ModuleReference(const ModuleReference&) noexcept;
  ModuleReference& operator=(const ModuleReference&) = delete;
  ~ModuleReference();
};

// IClassFactory::LockServer. An unlock without a lock is ignored rather than let a careless
// caller make the module look free while objects are alive.
void LockServer(bool lock) noexcept;

// Whether any object or lock is alive: what DllCanUnloadNow reports.
bool ModuleInUse() noexcept;

}  // namespace trelvane::win
