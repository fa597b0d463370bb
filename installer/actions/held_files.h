// Which of Trelvane's program files a running program holds open: a loaded add-in (Office, or
// anything else that loaded it) or the running configurator. Windows Installer does not refuse a
// file in use (it replaces it at the next restart), so the package asks this before it changes
// anything.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace trelvane::setup {

struct HeldFile {
  std::wstring path;     // the file
  std::wstring program;  // the holding program's file name ("EXCEL.EXE"); empty when unknown
};

// The program files of an install in `folder`: Trelvane.exe, and each add-in of the add-ins'
// table in the folder and in its x64 folder.
std::vector<std::wstring> ProgramFiles(const std::wstring& folder);

// The first of `files` that exists and cannot be opened for writing, and who holds it.
std::optional<HeldFile> FindHeldFile(const std::vector<std::wstring>& files);

}  // namespace trelvane::setup
