// The user's settings store where there is no registry: an INI file in the configuration folder.
#include "core/ini_settings_store.h"
#include "core/user_settings.h"

namespace trelvane {

std::unique_ptr<SettingsStore> OpenUserSettingsStore() {
  return std::make_unique<IniSettingsStore>(DefaultSettingsFolder());
}

}  // namespace trelvane
