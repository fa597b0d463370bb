// The Access add-in's content lists: the menu bar, the two toolbars, the toolbox group and what
// each dynamic menu offers for each kind of active object.
#pragma once

#include <span>

#include "core/content.h"
#include "core/version_changes.h"

namespace trelvane::access {

// The getVisible callbacks that the toolbars and the toolbox group carry.
inline constexpr content::Visibility kFormOrReport{"OnGetVisibleFormOrReport"};
inline constexpr content::Visibility kTable0{"OnGetVisibleTable0"};
inline constexpr content::Visibility kQuery0{"OnGetVisibleQuery0"};
inline constexpr content::Visibility kText{"OnGetVisibleText"};
inline constexpr content::Visibility kDatasheet{"OnGetVisibleDatasheet"};

std::span<const Item> MenuBar();
std::span<const Item> StandardToolbar();
std::span<const Item> FormattingToolbar();
// What later Office versions lack of these lists, or know under another id.
std::span<const VersionChange> VersionChanges();
// Our own texts that later Office versions show otherwise.
std::span<const TextChange> TextChanges();
// The group Controls0, from its start tag to its end tag, with the three toolbox rows.
std::span<const Item> ToolboxGroup();

// The six menus of the bar whose content Access asks for each time one is opened.
enum class DynamicMenu { kEdit, kView, kInsert, kFormat, kQuery, kRecords };

// One dynamic menu's items for each kind of active object (Application.CurrentObjectType).
struct KindLists {
  std::span<const Item> table;   // 0
  std::span<const Item> query;   // 1
  std::span<const Item> form;    // 2
  std::span<const Item> report;  // 3
  std::span<const Item> macro;   // 4
  std::span<const Item> module;  // 5
  std::span<const Item> other;   // any other value, or nothing active
};

const KindLists& DynamicMenuLists(DynamicMenu menu);

}  // namespace trelvane::access
