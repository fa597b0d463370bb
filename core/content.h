// A host's menus and toolbars as data: one Item per line of the classic lists, in document
// order. Menus and button groups are opened by one item and closed by another, so a table reads
// top to bottom exactly like the list it transcribes; a list that stands in two places is
// written once and included where it is used.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace trelvane {

enum class ItemKind : std::uint8_t {
  kControl,      // EmitControl: id_mso, label
  kGallery,      // EmitGallery: id_mso, label
  kIcon,         // EmitIconControl: id_mso, screentip, image_mso
  kComboBox,     // EmitComboBox: id_mso
  kSeparator,    // EmitMenuSeparator
  kSpacer,       // EmitSpacer: label
  kBarGap,       // EmitSpacer with a one-blank label, on the tab only (menu-bar mode 1)
  kBeginGroup,   // BeginButtonGroup
  kEndGroup,     // EndButtonGroup
  kBeginMenu,    // BeginMenu: label, image_mso, screentip
  kDynamicMenu,  // EmitDynamicMenu: label is the menu's name ("Edit")
  kMenuTag,      // a menu opened by its literal start tag (in text)
  kEndMenu,      // EndMenu: gap_after
  kLiteral,      // text appended as it stands
  kInclude,      // the items of another list
};

struct Item {
  ItemKind kind;
  std::string_view id_mso = {};
  std::string_view label = {};
  std::string_view image_mso = {};
  std::string_view screentip = {};
  // kMenuTag, kLiteral: written as is, but for the bar's id prefix; kDynamicMenu: the label it
  // shows where that is not its name (in another language).
  std::string_view text = {};
  std::string_view get_visible = {};  // the getVisible callback, where the host has one
  bool gap_after = false;             // kEndMenu
  const Item* included = nullptr;
  std::size_t included_size = 0;
};

// Whether the item is one of the host's own controls (an idMso): Office owns its words.
constexpr bool NamesBuiltInControl(const Item& item) {
  switch (item.kind) {
    case ItemKind::kControl:
    case ItemKind::kGallery:
    case ItemKind::kIcon:
    case ItemKind::kComboBox:
      return !item.id_mso.empty();
    default:
      return false;
  }
}

// The three content procedures' lists of one host, and what follows the Tools panel group on
// the tab (Access's toolbox group; nothing elsewhere).
struct HostContent {
  std::span<const Item> menu_bar;
  std::span<const Item> standard_toolbar;
  std::span<const Item> formatting_toolbar;
  std::span<const Item> after_tools_panel = {};
};

// Constructors that make a table read like its list.
namespace content {

// A getVisible callback that an element carries, as in `Icon("Bold", kText)`.
struct Visibility {
  std::string_view callback;
};

constexpr Item Control(std::string_view id_mso, std::string_view label = {}) {
  return {.kind = ItemKind::kControl, .id_mso = id_mso, .label = label};
}
constexpr Item Gallery(std::string_view id_mso, std::string_view label = {}) {
  return {.kind = ItemKind::kGallery, .id_mso = id_mso, .label = label};
}
constexpr Item Icon(std::string_view id_mso, std::string_view screentip = {}) {
  return {.kind = ItemKind::kIcon, .id_mso = id_mso, .screentip = screentip};
}
constexpr Item Icon(std::string_view id_mso, Visibility visible) {
  return {.kind = ItemKind::kIcon, .id_mso = id_mso, .get_visible = visible.callback};
}
// An icon that names its image too.
constexpr Item IconWithImage(std::string_view id_mso, std::string_view image_mso) {
  return {.kind = ItemKind::kIcon, .id_mso = id_mso, .image_mso = image_mso};
}
constexpr Item ComboBox(std::string_view id_mso, Visibility visible = {}) {
  return {.kind = ItemKind::kComboBox, .id_mso = id_mso, .get_visible = visible.callback};
}
constexpr Item Separator() {
  return {.kind = ItemKind::kSeparator};
}
constexpr Item Spacer(std::string_view label, Visibility visible = {}) {
  return {.kind = ItemKind::kSpacer, .label = label, .get_visible = visible.callback};
}
constexpr Item BarGap() {
  return {.kind = ItemKind::kBarGap};
}
constexpr Item ButtonGroup(Visibility visible = {}) {
  return {.kind = ItemKind::kBeginGroup, .get_visible = visible.callback};
}
constexpr Item EndButtonGroup() {
  return {.kind = ItemKind::kEndGroup};
}
// A menu that shows a label (menu-bar menus and submenus), and an image where one is named.
constexpr Item Menu(std::string_view label, std::string_view image_mso = {}) {
  return {.kind = ItemKind::kBeginMenu, .label = label, .image_mso = image_mso};
}
// A menu that shows only an image, with a screentip (toolbar menus).
constexpr Item ImageMenu(std::string_view image_mso, std::string_view screentip,
                         Visibility visible = {}) {
  return {.kind = ItemKind::kBeginMenu,
          .image_mso = image_mso,
          .screentip = screentip,
          .get_visible = visible.callback};
}
// A menu whose content the host asks for each time it opens (EmitDynamicMenu).
constexpr Item DynamicMenu(std::string_view name) {
  return {.kind = ItemKind::kDynamicMenu, .label = name};
}
// A menu opened by its start tag, exactly as written.
constexpr Item MenuTag(std::string_view start_tag) {
  return {.kind = ItemKind::kMenuTag, .text = start_tag};
}
constexpr Item EndMenu() {
  return {.kind = ItemKind::kEndMenu};
}
// Closes a top-level menu of the bar; on the tab a one-blank gap follows it.
constexpr Item EndMenuWithGap() {
  return {.kind = ItemKind::kEndMenu, .gap_after = true};
}
constexpr Item Literal(std::string_view text) {
  return {.kind = ItemKind::kLiteral, .text = text};
}
template <std::size_t N>
constexpr Item Include(const Item (&items)[N]) {
  return {.kind = ItemKind::kInclude, .included = items, .included_size = N};
}

}  // namespace content
}  // namespace trelvane
