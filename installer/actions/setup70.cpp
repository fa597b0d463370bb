#include "installer/actions/setup70.h"

#include <windows.h>

#include <shlobj.h>

#include "core/addin_table.h"
#include "core/win/hresult.h"
#include "core/win/registry_keys.h"
#include "core/win/wide_text.h"

namespace trelvane::setup {
namespace {

using win::DeleteTree;
using win::RegistryPlace;

constexpr wchar_t kUninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Trelvane";

void DeleteIfThere(const std::wstring& path) {
  if (!::DeleteFileW(path.c_str())) {
    const DWORD error = ::GetLastError();
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
      win::FailWithWin32(FailureKind::kStore, "cannot delete " + win::Narrow(path), error);
  }
}

std::wstring StartMenuPrograms() {
  PWSTR folder = nullptr;
  const HRESULT hr = ::SHGetKnownFolderPath(FOLDERID_Programs, 0, nullptr, &folder);
  std::wstring path = SUCCEEDED(hr) ? folder : L"";
  ::CoTaskMemFree(folder);
  if (FAILED(hr))
    win::FailWith(FailureKind::kStore, "cannot find the Start menu", hr);
  return path;
}

}  // namespace

std::optional<std::wstring> Setup70Folder() {
  auto folder =
      win::ReadString({HKEY_CURRENT_USER, kUninstallKey}, L"InstallLocation", KEY_WOW64_64KEY);
  if (!folder || folder->empty())
    return std::nullopt;
  return folder;
}

void RemoveSetup70(const std::wstring& folder) {
  // Its files, as its uninstaller lists them.
  for (const wchar_t* file : {L"Trelvane.exe", L"HAND-M.CUR", L"Uninstall.exe"})
    DeleteIfThere(folder + L"\\" + file);
  for (const AddinEntry& addin : kAddinTable)
    DeleteIfThere(folder + L"\\" + win::Widen(addin.name) + L".dll");
  ::RemoveDirectoryW(folder.c_str());  // stays if anything else is in it
  DeleteIfThere(StartMenuPrograms() + L"\\Trelvane.lnk");

  // The add-ins' keys for the current user, in both views, whichever bitness it was.
  const RegistryPlace classes{HKEY_CURRENT_USER, L"Software\\Classes"};
  const RegistryPlace office{HKEY_CURRENT_USER, L"Software\\Microsoft\\Office"};
  for (const AddinEntry& addin : kAddinTable) {
    const std::wstring prog_id = win::Widen(addin.prog_id);
    for (const REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
      DeleteTree(classes.Below(L"CLSID\\" + win::Widen(addin.clsid)), view);
      DeleteTree(classes.Below(prog_id), view);
      DeleteTree(office.Below(win::Widen(addin.office_application) + L"\\AddIns\\" + prog_id),
                 view);
    }
  }
  DeleteTree({HKEY_CURRENT_USER, kUninstallKey}, KEY_WOW64_64KEY);
}

}  // namespace trelvane::setup
