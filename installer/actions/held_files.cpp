#include "installer/actions/held_files.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>

#include "core/addin_table.h"
#include "core/win/unique_handle.h"
#include "core/win/wide_text.h"

namespace trelvane::setup {
namespace {

using win::unique_file;
using win::unique_handle;

bool SamePath(const std::wstring& a, const std::wstring& b) {
  return ::CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

// A file that a program has loaded, or opened without letting others write, refuses a writer.
bool Held(const std::wstring& path) {
  const unique_file file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
  return !file && ::GetLastError() == ERROR_SHARING_VIOLATION;
}

// The running program that has `path` loaded, as a module of either bitness; empty when none can
// be seen (another user's, or no access).
std::wstring Holder(const std::wstring& path) {
  std::vector<DWORD> ids(4096);
  DWORD bytes = 0;
  if (!::EnumProcesses(ids.data(), static_cast<DWORD>(ids.size() * sizeof(DWORD)), &bytes))
    return {};
  ids.resize(bytes / sizeof(DWORD));
  for (const DWORD id : ids) {
    const unique_handle process(
        ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id));
    HMODULE modules[1024];
    DWORD needed = 0;
    if (!process ||
        !::EnumProcessModulesEx(process.get(), modules, sizeof modules, &needed, LIST_MODULES_ALL))
      continue;
    const DWORD count = std::min<DWORD>(needed / sizeof(HMODULE), 1024);
    for (DWORD i = 0; i < count; ++i) {
      wchar_t module[MAX_PATH] = {};
      if (::GetModuleFileNameExW(process.get(), modules[i], module, MAX_PATH) &&
          SamePath(module, path)) {
        wchar_t name[MAX_PATH] = {};
        ::GetModuleBaseNameW(process.get(), nullptr, name, MAX_PATH);
        return name;
      }
    }
  }
  return {};
}

}  // namespace

std::vector<std::wstring> ProgramFiles(const std::wstring& folder) {
  std::vector<std::wstring> files = {folder + L"\\Trelvane.exe"};
  for (const AddinEntry& addin : kAddinTable) {
    const std::wstring name = win::Widen(addin.name) + L".dll";
    files.push_back(folder + L"\\" + name);
    files.push_back(folder + L"\\x64\\" + name);
  }
  return files;
}

std::optional<HeldFile> FindHeldFile(const std::vector<std::wstring>& files) {
  for (const std::wstring& path : files) {
    if (Held(path))
      return HeldFile{path, Holder(path)};
  }
  return std::nullopt;
}

}  // namespace trelvane::setup
