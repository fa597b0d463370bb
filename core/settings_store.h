// The per-user settings store: named text values addressed by application, section and key.
// The configurator writes it, the add-ins read it; it is the only channel between them.
// Implementations: the registry on Windows, an INI file on Linux, memory in tests.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trelvane {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The stored text, or nothing when the key is absent. Keys compare without regard to ASCII
  // case; blanks are part of a key. Throws BuildFailure (kStore) when the store exists but
  // cannot be read.
  virtual std::optional<std::string> Read(std::string_view application, std::string_view section,
                                          std::string_view key) = 0;

  // Creates or replaces the value. Throws BuildFailure (kStore) when it cannot be written.
  virtual void Write(std::string_view application, std::string_view section, std::string_view key,
                     std::string_view value) = 0;
};

}  // namespace trelvane
