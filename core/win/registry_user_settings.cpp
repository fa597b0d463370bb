// The user's settings store on Windows: the registry, where settings written by earlier
// installs already are.
#include "core/user_settings.h"
#include "core/win/registry_settings_store.h"

namespace trelvane {

std::unique_ptr<SettingsStore> OpenUserSettingsStore() {
  return std::make_unique<win::RegistrySettingsStore>(HKEY_CURRENT_USER, win::kVbSettingsBase);
}

}  // namespace trelvane
