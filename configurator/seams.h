// Everything the configurator's options model reaches outside itself. The model owns these
// interfaces; the Windows program implements them (configurator/win/) and the tests fake them.
// Text is UTF-8; paths are Windows paths, a folder without its trailing backslash.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/addin_table.h"
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

// Other programs, started and not waited for. A program that cannot be started is not noticed.
class ProgramLauncher {
 public:
  virtual ~ProgramLauncher() = default;
  // Asks the shell to open `name` ("WINWORD") with its default verb, no parameters, the
  // program folder as working directory, a normal window, the options window as owner.
  virtual void OpenWithShell(std::string_view name) = 0;
};

// The builds of an add-in: the 32-bit one in the program's folder, the 64-bit one in its x64
// folder, each registered in the registry view of its own bitness.
enum class AddinBuild { k32Bit, k64Bit };

// The add-ins' registration for the current user, the same keys the package writes. Each call
// throws BuildFailure when the registry refuses.
class AddinRegistry {
 public:
  virtual ~AddinRegistry() = default;
  // `file` (the build's DLL) as the add-in's server in the build's view, its ProgID and the
  // host's add-in key, which loads it at start-up.
  virtual void Register(const AddinEntry& addin, AddinBuild build, std::string_view file) = 0;
  // The add-in's class in the build's view goes; its ProgID and the host's add-in key go with
  // the last class. Nothing registered is no failure.
  virtual void Unregister(const AddinEntry& addin, AddinBuild build) = 0;
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
  AddinRegistry& registry;
  HostProbes& probes;
  MessageBoxes& messages;
  WindowSurface& window;
};

}  // namespace trelvane::configurator
