// The configurator's seams on Windows: the program folder and its files, the shell, where the
// Office hosts are registered, and message boxes. None of these reports a failure where the
// options window reports none. The add-ins' registration is user_addin_registry.h.
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

  void OpenWithShell(std::string_view name) override;

 private:
  FileSystem& files_;
  HWND owner_ = nullptr;
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
