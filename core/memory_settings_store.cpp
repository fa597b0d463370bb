#include "core/memory_settings_store.h"

#include "core/ascii_case.h"

namespace trelvane {
MemorySettingsStore::Address MemorySettingsStore::Fold(std::string_view application,
                                                       std::string_view section,
                                                       std::string_view key) {
  return {AsciiLower(application), AsciiLower(section), AsciiLower(key)};
}

std::optional<std::string> MemorySettingsStore::Read(std::string_view application,
                                                     std::string_view section,
                                                     std::string_view key) {
  ++reads_;
  const auto found = values_.find(Fold(application, section, key));
  if (found == values_.end())
    return std::nullopt;
  return found->second;
}

void MemorySettingsStore::Write(std::string_view application, std::string_view section,
                                std::string_view key, std::string_view value) {
  values_[Fold(application, section, key)] = std::string(value);
}

}  // namespace trelvane
