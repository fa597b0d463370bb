// A settings store held in memory, for tests, benchmarks and tools that must not touch the
// user's real settings. Keys compare as in every other store (ASCII case ignored, blanks kept).
#pragma once

#include <map>
#include <string>
#include <tuple>

#include "core/settings_store.h"

namespace trelvane {

class MemorySettingsStore final : public SettingsStore {
 public:
  std::optional<std::string> Read(std::string_view application, std::string_view section,
                                  std::string_view key) override;
  void Write(std::string_view application, std::string_view section, std::string_view key,
             std::string_view value) override;

  // How many reads the store has answered; lets tests see which keys a build looked at.
  int reads() const { return reads_; }

 private:
  using Address = std::tuple<std::string, std::string, std::string>;  // folded to lower case
  static Address Fold(std::string_view application, std::string_view section, std::string_view key);

  std::map<Address, std::string> values_;
  int reads_ = 0;
};

}  // namespace trelvane
