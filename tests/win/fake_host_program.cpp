// fake-host.exe: stands in for an Office host program that the configurator starts through the
// shell. Copied under the hosts' names (WINWORD.exe, ...), it records the name it was started
// as under HKCU\Software\Trelvane Tests, value HostStarted, and its working folder as
// HostFolder, then ends.
#include <windows.h>

#include <string>

namespace {

void Record(HKEY key, const wchar_t* name, const std::wstring& value) {
  ::RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name(path, length);
  name = name.substr(name.find_last_of(L"\\/") + 1);
  wchar_t folder[MAX_PATH] = {};
  ::GetCurrentDirectoryW(MAX_PATH, folder);
  HKEY key = nullptr;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Trelvane Tests", 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return 1;
  Record(key, L"HostFolder", folder);
  Record(key, L"HostStarted", name);  // last: the test waits for this one
  ::RegCloseKey(key);
  return 0;
}
