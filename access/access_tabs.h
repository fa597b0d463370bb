// Access's built-in tabs, in table order: what its add-in hides, and the boxes the configurator
// shows when Access is chosen. A tab's display name is also its settings key.
#pragma once

#include "core/host_tab.h"

namespace trelvane::access {

inline constexpr HostTab kTabs[] = {
    {"Home", "TabHomeAccess"},
    {"Create", "TabCreate"},
    {"External Data", "TabExternalData"},
    {"Database Tools", "TabDatabaseTools"},
};

}  // namespace trelvane::access
