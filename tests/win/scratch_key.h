// A registry key of the test's own under HKCU\Software, removed with everything below it when
// the test is done, so that tests never touch the places the add-ins really use.
#pragma once

#include <windows.h>

#include <string>

namespace trelvane::wintest {

class ScratchKey {
 public:
  ScratchKey();
  ScratchKey(const ScratchKey&) = delete;
  ScratchKey& operator=(const ScratchKey&) = delete;
  ~ScratchKey();

  // Below HKEY_CURRENT_USER.
  const std::wstring& path() const { return path_; }
  std::wstring Below(const std::wstring& subkey) const { return path_ + L"\\" + subkey; }

 private:
  std::wstring path_;
};

bool KeyPresent(HKEY root, const std::wstring& path);
// A REG_SZ or REG_DWORD value as text ("3" for a DWORD 3); empty when absent.
std::wstring ValueText(HKEY root, const std::wstring& path, const wchar_t* name);

}  // namespace trelvane::wintest
