// The current user's settings store on this platform: the registry on Windows, the INI file
// ${XDG_CONFIG_HOME:-$HOME/.config}/Marrowick.ini elsewhere.
#pragma once

#include <memory>

#include "core/settings_store.h"

namespace trelvane {

// Throws BuildFailure (kStore) when the platform has no place for the user's settings.
std::unique_ptr<SettingsStore> OpenUserSettingsStore();

}  // namespace trelvane
