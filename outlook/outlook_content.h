// The Outlook add-in's content lists: the main window's menu bar and its Standard and Advanced
// toolbars. Every control is in the main-window lists of Outlook 2013, 2016, 2019 and Microsoft
// 365 (the document checks hold it so), so no version changes go beside them.
#pragma once

#include <span>

#include "core/content.h"

namespace trelvane::outlook {

std::span<const Item> MenuBar();
std::span<const Item> StandardToolbar();
std::span<const Item> AdvancedToolbar();

}  // namespace trelvane::outlook
