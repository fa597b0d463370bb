// Everything outside the configurator's options model, faked: the settings store, the program
// folder, the launcher, the add-ins' registration, the Office probes, message boxes and the
// window.
// Each call is logged in order and any can be told to fail, so that a test sees exactly what a
// sequence did, and what it did after a failure.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "configurator/options_window.h"
#include "configurator/product.h"
#include "core/failure.h"
#include "core/memory_settings_store.h"
#include "core/settings.h"

namespace trelvane::testing {

using configurator::MessageIcon;
using Log = std::vector<std::string>;

// The texts one after the other. (Appending, not operator+: GCC 12 misreads `"x" + string` at
// -O3 as an overlapping copy.)
template <typename... Texts>
std::string Join(const Texts&... texts) {
  std::string joined;
  (joined.append(std::string_view(texts)), ...);
  return joined;
}

// The boxes as one text, box 0 first: "1110000000000" after a first start (box 12 is
// PowerPoint's ninth tab).
inline std::string States(const configurator::OptionsWindow& window) {
  std::string states;
  for (int box = 0; box < configurator::kBoxCount; ++box)
    states += window.IsSet(box) ? '1' : '0';
  return states;
}

class FakeConfiguratorWorld final : public SettingsStore,
                                    public configurator::FileSystem,
                                    public configurator::ProgramLauncher,
                                    public configurator::AddinRegistry,
                                    public configurator::HostProbes,
                                    public configurator::MessageBoxes,
                                    public configurator::WindowSurface {
 public:
  struct Message {
    std::string text, title;
    MessageIcon icon;
  };
  std::string folder = "C:\\Program Files\\Marrowick Trelvane";
  // Each host's automation class, registered with its local server, whose file exists.
  std::map<std::string, std::vector<std::string>> servers = {
      {"Word.Application", {"\"C:\\Office\\WINWORD.EXE\" /Automation"}},
      {"Excel.Application", {"C:\\Office\\EXCEL.EXE /automation"}},
      {"Access.Application", {"\"C:\\Office\\MSACCESS.EXE\""}},
      {"PowerPoint.Application", {"C:\\Office\\POWERPNT.EXE"}},
      {"Outlook.Application", {"\"C:\\Office\\OUTLOOK.EXE\" /automation"}},
  };
  std::set<std::string> files = {"C:\\Office\\WINWORD.EXE", "C:\\Office\\EXCEL.EXE",
                                 "C:\\Office\\MSACCESS.EXE", "C:\\Office\\POWERPNT.EXE",
                                 "C:\\Office\\OUTLOOK.EXE"};
  // Each add-in's two builds, as the package lays them out in `folder`.
  void InstallAddins() {
    for (const AddinEntry& addin : kAddinTable) {
      files.insert(Join(folder, "\\", addin.name, ".dll"));
      files.insert(Join(folder, "\\x64\\", addin.name, ".dll"));
    }
  }
  std::set<std::string> failing;  // calls that throw: "centre", "register", "read Option", ...
  // What is registered: "<ProgID> 32-bit" and "<ProgID> 64-bit".
  std::set<std::string> registered;
  Log log;
  std::vector<Message> messages;

  configurator::Seams seams() { return {*this, *this, *this, *this, *this, *this, *this}; }
  void Store(std::string_view key, std::string_view value) {
    values_.Write(kSettingsApplication, kSettingsSection, key, value);
  }
  std::optional<std::string> Stored(std::string_view key) {
    return values_.Read(kSettingsApplication, kSettingsSection, key);
  }
  Log Logged(std::string_view prefix) const {
    Log found;
    for (const std::string& entry : log) {
      if (entry.starts_with(prefix))
        found.push_back(entry);
    }
    return found;
  }
  // Each error report as its routine and line ("Form_Load 128"); "?" for one that is not shaped
  // as a report.
  Log Reports() const {
    Log reports;
    const std::string in = "\r\nin Trelvane2016/06/15.Form1.";
    const std::string tail =
        Join("\r\rPlease email screenshot of this message to ", configurator::kSupportAddress);
    for (const Message& m : messages) {
      if (m.title != "Application Error")
        continue;
      const auto at = m.text.find(in);
      const bool shaped =
          m.icon == MessageIcon::kExclamation && at != std::string::npos && m.text.ends_with(tail);
      std::string where = shaped ? m.text.substr(at + in.size()) : "?";
      where = where.substr(0, where.find(tail));
      const auto line = where.find(" at line ");
      reports.push_back(line == std::string::npos
                            ? "?"
                            : Join(where.substr(0, line), " ", where.substr(line + 9)));
    }
    return reports;
  }

  std::optional<std::string> Read(std::string_view application, std::string_view section,
                                  std::string_view key) override {
    Call(Join("read ", key));
    return values_.Read(application, section, key);
  }
  void Write(std::string_view application, std::string_view section, std::string_view key,
             std::string_view value) override {
    Call(Join("write ", key), Join("=", value));
    values_.Write(application, section, key, value);
  }
  std::string ProgramFolder() override { return folder; }
  bool FileExists(std::string_view path) override { return files.contains(std::string(path)); }
  void OpenWithShell(std::string_view name) override { Call("shell", Join(" ", name)); }
  void Register(const AddinEntry& addin, configurator::AddinBuild build,
                std::string_view file) override {
    Call("register", Join(" ", addin.prog_id, " ", Bits(build), " ", file));
    registered.insert(Join(addin.prog_id, " ", Bits(build)));
  }
  void Unregister(const AddinEntry& addin, configurator::AddinBuild build) override {
    Call("unregister", Join(" ", addin.prog_id, " ", Bits(build)));
    registered.erase(Join(addin.prog_id, " ", Bits(build)));
  }
  std::vector<std::string> LocalServers(std::string_view prog_id) override {
    Call(Join("probe ", prog_id));
    const auto found = servers.find(std::string(prog_id));
    return found == servers.end() ? std::vector<std::string>() : found->second;
  }
  void Show(std::string_view text, std::string_view title, MessageIcon icon) override {
    log.push_back(Join("message ", title));
    messages.push_back({std::string(text), std::string(title), icon});
  }
  void ApplySkin(std::string_view file) override { Call("skin", Join(" ", file)); }
  void Centre() override { Call("centre"); }
  void LoadHandPointer(std::string_view file) override { Call("pointer", Join(" ", file)); }
  void SetCaptionAndIcon(std::string_view caption) override { Call("caption", Join(" ", caption)); }
  void Close() override { Call("close"); }

 private:
  static std::string_view Bits(configurator::AddinBuild build) {
    return build == configurator::AddinBuild::k64Bit ? "64-bit" : "32-bit";
  }
  void Call(const std::string& name, const std::string& detail = "") {
    log.push_back(name + detail);
    if (failing.contains(name))
      throw BuildFailure(FailureKind::kHost, name + " failed");
  }
  MemorySettingsStore values_;
};

}  // namespace trelvane::testing
