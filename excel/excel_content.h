// The Excel add-in's content lists.
#pragma once

#include <span>

#include "core/content.h"
#include "core/version_changes.h"

namespace trelvane::excel {

std::span<const Item> MenuBar();
std::span<const Item> StandardToolbar();
std::span<const Item> FormattingToolbar();
// What later Office versions lack of these lists, or know under another id.
std::span<const VersionChange> VersionChanges();
// Our own texts that later Office versions show otherwise.
std::span<const TextChange> TextChanges();

}  // namespace trelvane::excel
