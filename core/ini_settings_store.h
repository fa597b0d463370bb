// The settings store as INI files: application "A" is the file A.ini in one folder, a section
// is a [Section] header, a value is a Key=Value line. Sections and keys compare without regard
// to ASCII case, as the registry does; blanks and tabs around a key, a value or a section name
// are not part of it, blanks inside one are. The file is UTF-8 (a byte-order mark is skipped),
// or UTF-16 when it starts with a UTF-16 byte-order mark; CR LF, LF and a lone CR each end a
// line. A missing folder or file reads as "nothing stored"; lines that are not a header or
// Key=Value are ignored; the first line of a key wins. A header, or a key of the section read,
// that is not text fails the read: it might be the one asked for.
// Writes save UTF-8 with LF line ends whatever the file was, keeping the text of every other
// line, and replace the file atomically, so a reader never sees half a file.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/settings_store.h"

namespace trelvane {

class IniSettingsStore final : public SettingsStore {
 public:
  explicit IniSettingsStore(std::filesystem::path folder) : folder_(std::move(folder)) {}

  std::optional<std::string> Read(std::string_view application, std::string_view section,
                                  std::string_view key) override;
  void Write(std::string_view application, std::string_view section, std::string_view key,
             std::string_view value) override;

  // The file that holds `application`'s values.
  std::filesystem::path FileFor(std::string_view application) const;

  // Files larger than this are refused as damaged rather than read into memory.
  static constexpr std::uintmax_t kLargestFile = 1 << 20;

 private:
  // The file's lines as UTF-8, without their line ends; empty when it does not exist.
  std::vector<std::string> LoadLines(const std::filesystem::path& file) const;

  std::filesystem::path folder_;
};

// ${XDG_CONFIG_HOME:-$HOME/.config}; throws BuildFailure (kStore) when neither is usable.
std::filesystem::path DefaultSettingsFolder();

}  // namespace trelvane
