// Word's built-in tabs, in table order: what its add-in hides, and the boxes the configurator
// shows when Word is chosen. A tab's display name is also its settings key.
#pragma once

#include "core/host_tab.h"

namespace trelvane::word {

inline constexpr HostTab kTabs[] = {
    {"Home", "TabHome"},
    {"Insert", "TabInsert"},
    {"Page Layout", "TabPageLayoutWord"},
    {"References", "TabReferences"},
    {"Mailings", "TabMailings"},
    {"Review", "TabReviewWord"},
    {"View", "TabView"},
    {"Developer", "TabDeveloper"},
};

}  // namespace trelvane::word
