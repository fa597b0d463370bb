#include "installer/actions/held_files.h"

#include <windows.h>

#include <tlhelp32.h>

#include "core/addin_table.h"
#include "core/win/unique_handle.h"
#include "core/win/wide_text.h"

namespace trelvane::setup {
namespace {

using win::unique_file;

bool SamePath(const std::wstring& a, const std::wstring& b) {
  return ::CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

// A file that a program has loaded, or opened without letting others write, refuses a writer.
bool Held(const std::wstring& path) {
  const unique_file file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
  return !file && ::GetLastError() == ERROR_SHARING_VIOLATION;
}

// The running program that has `path` loaded, as its executable or as a module of either
// bitness; empty when none can be seen (another user's, or no access).
std::wstring Holder(const std::wstring& path) {
  const unique_file processes(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32W process = {};
  process.dwSize = sizeof process;
  if (!processes || !::Process32FirstW(processes.get(), &process))
    return {};
  do {
    const unique_file modules(
        ::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, process.th32ProcessID));
    MODULEENTRY32W module = {};
    module.dwSize = sizeof module;
    if (!modules || !::Module32FirstW(modules.get(), &module))
      continue;
    do {
      if (SamePath(module.szExePath, path))
        return process.szExeFile;
    } while (::Module32NextW(modules.get(), &module));
  } while (::Process32NextW(processes.get(), &process));
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
