// PowerPoint's built-in tabs, in table order: what its add-in hides, and the boxes the configurator
// shows when PowerPoint is chosen. A tab's display name is also its settings key.
#pragma once

#include "core/host_tab.h"

namespace trelvane::powerpoint {

// Nine tabs: the Slide Master's home tab is hidden under the key "Format".
inline constexpr HostTab kTabs[] = {
    {"Home", "TabHome"},
    {"Insert", "TabInsert"},
    {"Design", "TabDesign"},
    {"Animations", "TabAnimations"},
    {"Slide Show", "TabSlideShow"},
    {"Review", "TabReview"},
    {"View", "TabView"},
    {"Developer", "TabDeveloper"},
    {"Format", "TabSlideMasterHome"},
};

}  // namespace trelvane::powerpoint
