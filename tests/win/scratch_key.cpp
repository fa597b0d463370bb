#include "tests/win/scratch_key.h"

#include "core/win/unique_handle.h"

namespace trelvane::wintest {

ScratchKey::ScratchKey()
    : path_(L"Software\\Trelvane Tests\\" + std::to_wstring(::GetCurrentProcessId())) {
  ::RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
  // Made now, so that a volatile key made below it later cannot make it volatile too.
  win::unique_hkey key;
  ::RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ,
                    nullptr, key.put(), nullptr);
}

ScratchKey::~ScratchKey() {
  ::RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
  ::RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Trelvane Tests");  // only goes when empty
}

bool KeyPresent(HKEY root, const std::wstring& path) {
  win::unique_hkey key;
  return ::RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

std::wstring ValueText(HKEY root, const std::wstring& path, const wchar_t* name) {
  BYTE data[2048] = {};
  DWORD type = 0;
  DWORD bytes = sizeof data - sizeof(wchar_t);
  if (::RegGetValueW(root, path.c_str(), name, RRF_RT_REG_SZ | RRF_RT_REG_DWORD, &type, data,
                     &bytes) != ERROR_SUCCESS) {
    return {};
  }
  if (type == REG_DWORD)
    return std::to_wstring(*reinterpret_cast<DWORD*>(data));
  return reinterpret_cast<wchar_t*>(data);
}

}  // namespace trelvane::wintest
