// Excel's built-in tabs, in table order: what its add-in hides, and the boxes the configurator
// shows when Excel is chosen. A tab's display name is also its settings key.
#pragma once

#include "core/host_tab.h"

namespace trelvane::excel {

inline constexpr HostTab kTabs[] = {
    {"Home", "TabHome"},     {"Page Layout", "TabPageLayoutExcel"},
    {"Insert", "TabInsert"}, {"Formulas", "TabFormulas"},
    {"Data", "TabData"},     {"Review", "TabReview"},
    {"View", "TabView"},     {"Developer", "TabDeveloper"},
};

}  // namespace trelvane::excel
