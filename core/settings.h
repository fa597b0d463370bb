// The system's own view of the settings store: every value lives under application
// "Marrowick", section "Trelvane", and is read with a default and converted to a number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/settings_store.h"

namespace trelvane {

inline constexpr std::string_view kSettingsApplication = "Marrowick";
inline constexpr std::string_view kSettingsSection = "Trelvane";

// Keys the add-ins read (per-tab keys are the display names of each host's tab table).
inline constexpr std::string_view kKeyClassic = "Classic";
inline constexpr std::string_view kKeyLeft = "Left";
inline constexpr std::string_view kKeyAll = "All";
inline constexpr std::string_view kKeyHideBuiltInTabs = "Hide built-in Tabs";
inline constexpr std::string_view kKeyOption = "Option";

class Settings {
 public:
  explicit Settings(SettingsStore& store) : store_(store) {}

  // The stored text, or the decimal text of `default_value` when the key is absent.
  std::string ReadText(std::string_view key, std::int32_t default_value) const;

  // Read and converted; throw BuildFailure naming the key and the stored text when the text is
  // not a number (kNotANumber) or does not fit (kOutOfRange).
  std::int32_t ReadInt32(std::string_view key, std::int32_t default_value) const;
  double ReadDouble(std::string_view key, std::int32_t default_value) const;

  void Write(std::string_view key, std::string_view value) const;

 private:
  SettingsStore& store_;
};

// Conversions of one stored text, shared by every reader. `key` only names the value in the
// failure's reason.
std::int32_t SettingToInt32(std::string_view key, std::string_view text);
double SettingToDouble(std::string_view key, std::string_view text);

// Settings are UTF-8 text. The character `text` starts with, or length 0 when it does not start
// with a well-formed one (empty, stray or cut-short bytes, an overlong form, a surrogate, a code
// past U+10FFFF).
struct Utf8Character {
  char32_t code = 0;
  std::size_t length = 0;
};
Utf8Character DecodeUtf8(std::string_view text);

// `text` as a one-line failure reason quotes it: whatever could break or end the line (control
// characters, Unicode line separators, bytes that are not UTF-8) shown as '?', and text longer
// than `longest` bytes cut at a character and marked "...".
std::string TextForReason(std::string_view text, std::size_t longest);

}  // namespace trelvane
