// The settings store in the registry, where VB and VBA keep GetSetting/SaveSetting values:
// <root>\<base>\<application>\<section>, one REG_SZ value per key. The registry compares value
// names without regard to case, as the INI store does; blanks are part of a name.
#pragma once

#include <windows.h>

#include <string>

#include "core/settings_store.h"

namespace trelvane::win {

inline constexpr wchar_t kVbSettingsBase[] = L"Software\\VB and VBA Program Settings";

class RegistrySettingsStore final : public SettingsStore {
 public:
  // `root` is a predefined key or one the caller keeps open for the store's lifetime.
  RegistrySettingsStore(HKEY root, std::wstring base) : root_(root), base_(std::move(base)) {}

  std::optional<std::string> Read(std::string_view application, std::string_view section,
                                  std::string_view key) override;
  void Write(std::string_view application, std::string_view section, std::string_view key,
             std::string_view value) override;

  // Values longer than this are refused as damaged rather than read into memory.
  static constexpr DWORD kLargestValueBytes = 1 << 20;

 private:
  std::wstring KeyPath(std::string_view application, std::string_view section) const;

  HKEY root_;
  std::wstring base_;
};

}  // namespace trelvane::win
