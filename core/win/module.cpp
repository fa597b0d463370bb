#include "core/win/module.h"

#include "core/win/hresult.h"

// Provided by the linker: the image base of the module being linked, i.e. its HMODULE.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace trelvane::win {
namespace {

LONG g_objects = 0;
LONG g_locks = 0;

}  // namespace

HMODULE ThisModule() noexcept {
  return reinterpret_cast<HMODULE>(&__ImageBase);
}

std::wstring ModulePath() {
  // Paths can be longer than MAX_PATH; grow until the whole name fits.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    ::SetLastError(ERROR_SUCCESS);
    const DWORD length =
        ::GetModuleFileNameW(ThisModule(), path.data(), static_cast<DWORD>(path.size()));
    if (length == 0)
      FailWithWin32(FailureKind::kInternal, "cannot find the add-in's file", ::GetLastError());
    if (length < path.size() && ::GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
      path.resize(length);
      return path;
    }
    if (path.size() >= 32768)
      FailWith(FailureKind::kInternal, "the add-in's path is too long", E_UNEXPECTED);
    path.resize(path.size() * 2);
  }
}

std::wstring ModuleFolder() {
  std::wstring path = ModulePath();
  const auto slash = path.find_last_of(L"\\/");
  path.resize(slash == std::wstring::npos ? 0 : slash);
  return path;
}

ModuleReference::ModuleReference() noexcept {
  ::InterlockedIncrement(&g_objects);
}
ModuleReference::ModuleReference(const ModuleReference&) noexcept {
  ::InterlockedIncrement(&g_objects);
}
ModuleReference::~ModuleReference() {
  ::InterlockedDecrement(&g_objects);
}

void LockServer(bool lock) noexcept {
  if (lock) {
    ::InterlockedIncrement(&g_locks);
    return;
  }
  for (LONG locks = g_locks; locks > 0;) {
    const LONG seen = ::InterlockedCompareExchange(&g_locks, locks - 1, locks);
    if (seen == locks)
      return;
    locks = seen;
  }
}

bool ModuleInUse() noexcept {
  return ::InterlockedCompareExchange(&g_objects, 0, 0) != 0 ||
         ::InterlockedCompareExchange(&g_locks, 0, 0) != 0;
}

}  // namespace trelvane::win
