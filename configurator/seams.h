// Everything the configurator's options model reaches outside itself. The model owns these
// interfaces; the Windows program implements them (configurator/win/) and the tests fake them.
// Text is UTF-8; paths are Windows paths, a folder without its trailing backslash.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/settings_store.h"

namespace trelvane::configurator {

// The program's folder and the files looked up in it.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // The folder that holds the running program, without a trailing separator.
  virtual std::string ProgramFolder() = 0;
  // Whether the date and time of the file or folder at `path` can be read. Never fails.
  virtual bool FileExists(std::string_view path) = 0;
};

// Other programs, started and not waited for. Neither reports anything: a program that cannot
// be started is not noticed.
class ProgramLauncher {
 public:
  virtual ~ProgramLauncher() = default;
  // Starts `command_line` (the registration tool's) minimised, with focus.
  virtual void StartMinimized(std::string_view command_line) = 0;
  // Asks the shell to open `name` ("WINWORD") with its default verb, no parameters, the
  // program folder as working directory, a normal window, the options window as owner.
  virtual void OpenWithShell(std::string_view name) = 0;
};

// Keys under HKEY_LOCAL_MACHINE, opened with all access. Nothing is reported: where the user
// may not write there, nothing happens.
class MachineRegistry {
 public:
  virtual ~MachineRegistry() = default;
  // Creates (or opens) the key and closes it at once.
  virtual void CreateKey(std::string_view path) = 0;
  // Creates (or opens) `parent`, deletes its subkey `name` with its values (not a subkey that
  // has subkeys of its own), closes `parent`.
  virtual void DeleteSubkey(std::string_view parent, std::string_view name) = 0;
};

// Where the Office hosts' automation classes are registered. Looking never starts a host.
class HostProbes {
 public:
  virtual ~HostProbes() = default;
  // The command lines registered as the local server of the class that `prog_id`
  // ("Excel.Application") names, one for each registry view that has one; none when the ProgID
  // or its class is not registered. Every failure inside counts as not registered.
  virtual std::vector<std::string> LocalServers(std::string_view prog_id) = 0;
};

enum class MessageIcon { kNone, kExclamation };

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // A message box with an OK button; returns when the user has closed it. Never fails.
  virtual void Show(std::string_view text, std::string_view title, MessageIcon icon) = 0;
};

// The options window itself, as the load sequence prepares it. Each of these may throw
// BuildFailure; the model reports that as the step's failure.
class WindowSurface {
 public:
  virtual ~WindowSurface() = default;
  // Applies the skin in `skin_file` (the model has checked that it exists).
  virtual void ApplySkin(std::string_view skin_file) = 0;
  // Centres the window on the primary screen; its size is not changed.
  virtual void Centre() = 0;
  // Loads `cursor_file` as the pointer shown over the boxes and buttons.
  virtual void LoadHandPointer(std::string_view cursor_file) = 0;
  // Sets the caption and the product icon.
  virtual void SetCaptionAndIcon(std::string_view caption) = 0;
  // Closes the window, which ends the program.
  virtual void Close() = 0;
};

struct Seams {
  SettingsStore& store;
  FileSystem& files;
  ProgramLauncher& launcher;
  MachineRegistry& registry;
  HostProbes& probes;
  MessageBoxes& messages;
  WindowSurface& window;
};

}  // namespace trelvane::configurator
