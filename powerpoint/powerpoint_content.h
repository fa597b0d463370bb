// The PowerPoint add-in's content lists.
#pragma once

#include <span>

#include "core/content.h"

namespace trelvane::powerpoint {

std::span<const Item> MenuBar();
std::span<const Item> StandardToolbar();
std::span<const Item> FormattingToolbar();

}  // namespace trelvane::powerpoint
