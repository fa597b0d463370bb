#include "configurator/win/windows_world.h"

#include <objbase.h>
#include <shellapi.h>

#include <cwchar>
#include <string>

#include "core/win/unique_handle.h"
#include "core/win/wide_text.h"

namespace trelvane::configurator::win {
namespace {

using trelvane::win::Narrow;
using trelvane::win::TryWiden;
using trelvane::win::unique_hkey;

// Text from the model is UTF-8; what is not becomes nothing rather than a wrong name.
std::wstring Wide(std::string_view text) {
  return TryWiden(text).value_or(std::wstring());
}

// A key's default value as text, environment strings expanded; empty when there is none.
std::wstring DefaultValue(HKEY parent, const std::wstring& path, REGSAM view) {
  unique_hkey key;
  if (::RegOpenKeyExW(parent, path.c_str(), 0, KEY_QUERY_VALUE | view, key.put()) != ERROR_SUCCESS)
    return {};
  DWORD type = 0;
  DWORD size = 0;
  if (::RegQueryValueExW(key.get(), nullptr, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ) || size == 0)
    return {};
  std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
  if (::RegQueryValueExW(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                         &size) != ERROR_SUCCESS)
    return {};
  value.resize(::wcsnlen(value.c_str(), value.size()));
  if (type == REG_EXPAND_SZ) {
    const DWORD needed = ::ExpandEnvironmentStringsW(value.c_str(), nullptr, 0);
    std::wstring expanded(needed, L'\0');
    if (needed == 0 || ::ExpandEnvironmentStringsW(value.c_str(), expanded.data(), needed) == 0)
      return {};
    expanded.resize(::wcsnlen(expanded.c_str(), expanded.size()));
    return expanded;
  }
  return value;
}

}  // namespace

std::string WindowsFiles::ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0)
      return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    if (path.size() >= 32768)
      return {};
    path.resize(path.size() * 2);
  }
  const auto slash = path.find_last_of(L"\\/");
  path.resize(slash == std::wstring::npos ? 0 : slash);
  return Narrow(path);
}

bool WindowsFiles::FileExists(std::string_view path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  const std::wstring wide = Wide(path);
  return !wide.empty() && ::GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data);
}

void WindowsLauncher::OpenWithShell(std::string_view name) {
  const std::wstring program = Wide(name);
  const std::wstring folder = Wide(files_.ProgramFolder());
  if (program.empty())
    return;
  ::ShellExecuteW(owner_, nullptr, program.c_str(), nullptr,
                  folder.empty() ? nullptr : folder.c_str(), SW_SHOWNORMAL);
}

std::vector<std::string> WindowsHostProbes::LocalServers(std::string_view prog_id) {
  std::vector<std::string> servers;
  const std::wstring name = Wide(prog_id);
  CLSID clsid = {};
  // A registry look-up only: nothing is created, so no host starts.
  if (name.empty() || FAILED(::CLSIDFromProgID(name.c_str(), &clsid)))
    return servers;
  wchar_t guid[40];
  if (!::StringFromGUID2(clsid, guid, 40))
    return servers;
  const std::wstring path = std::wstring(L"CLSID\\") + guid + L"\\LocalServer32";
  // 32-bit Office on 64-bit Windows registers its classes in the 32-bit view, 64-bit Office in
  // the 64-bit one; either serves, whichever this program's own bitness.
  for (const REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
    const std::wstring command = DefaultValue(HKEY_CLASSES_ROOT, path, view);
    if (!command.empty())
      servers.push_back(Narrow(command));
  }
  return servers;
}

void WindowsMessageBoxes::Show(std::string_view text, std::string_view title, MessageIcon icon) {
  const UINT style = MB_OK | (icon == MessageIcon::kExclamation ? MB_ICONEXCLAMATION : 0);
  ::MessageBoxW(owner_, Wide(text).c_str(), Wide(title).c_str(), style);
}

}  // namespace trelvane::configurator::win
