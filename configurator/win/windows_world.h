// The configurator's seams on Windows: the program folder and its files, the registration tool
// and the shell, keys under HKEY_LOCAL_MACHINE, where the Office hosts are registered, and
// message boxes. None of these reports a failure where the options window reports none.
#pragma once

#include <windows.h>

#include "configurator/seams.h"

namespace trelvane::configurator::win {

class WindowsFiles final : public FileSystem {
 public:
  std::string ProgramFolder() override;
  bool FileExists(std::string_view path) override;
};

class WindowsLauncher final : public ProgramLauncher {
 public:
  explicit WindowsLauncher(FileSystem& files) : files_(files) {}
  void set_owner(HWND owner) { owner_ = owner; }

  // The registration tool is started by its full path in the system folder, never found
  // through the current folder or the search path; the command line is passed as it is.
  void StartMinimized(std::string_view command_line) override;
  void OpenWithShell(std::string_view name) override;

 private:
  FileSystem& files_;
  HWND owner_ = nullptr;
};

class WindowsMachineRegistry final : public MachineRegistry {
 public:
  void CreateKey(std::string_view path) override;
  void DeleteSubkey(std::string_view parent, std::string_view name) override;
};

// The local servers registered for the hosts' automation classes, in both registry views.
class WindowsHostProbes final : public HostProbes {
 public:
  std::vector<std::string> LocalServers(std::string_view prog_id) override;
};

class WindowsMessageBoxes final : public MessageBoxes {
 public:
  void set_owner(HWND owner) { owner_ = owner; }
  void Show(std::string_view text, std::string_view title, MessageIcon icon) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace trelvane::configurator::win
