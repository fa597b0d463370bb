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
  kControl,     // EmitControl: id_mso, label
  kGallery,     // EmitGallery: id_mso, label
  kIcon,        // EmitIconControl: id_mso, screentip, image_mso
  kComboBox,    // EmitComboBox: id_mso
  kSeparator,   // EmitMenuSeparator
  kSpacer,      // EmitSpacer: label
  kBarGap,      // EmitSpacer with a one-blank label, on the tab only (menu-bar mode 1)
  kBeginGroup,  // BeginButtonGroup
  kEndGroup,    // EndButtonGroup
  kBeginMenu,   // BeginMenu: label, image_mso, screentip
  kMenuTag,     // a menu opened by its literal start tag (in text)
  kEndMenu,     // EndMenu: gap_after
  kLiteral,     // text appended as it stands
  kInclude,     // the items of another list
};

struct Item {
  ItemKind kind;
  std::string_view id_mso = {};
  std::string_view label = {};
  std::string_view image_mso = {};
  std::string_view screentip = {};
  std::string_view text = {};  // kMenuTag, kLiteral: written as is, but for the bar's id prefix
  bool gap_after = false;      // kEndMenu
  const Item* included = nullptr;
  std::size_t included_size = 0;
};

// The three content procedures' lists of one host.
struct HostContent {
  std::span<const Item> menu_bar;
  std::span<const Item> standard_toolbar;
  std::span<const Item> formatting_toolbar;
};

// Constructors that make a table read like its list.
namespace content {

constexpr Item Control(std::string_view id_mso, std::string_view label = {}) {
  return {.kind = ItemKind::kControl, .id_mso = id_mso, .label = label};
}
constexpr Item Gallery(std::string_view id_mso, std::string_view label = {}) {
  return {.kind = ItemKind::kGallery, .id_mso = id_mso, .label = label};
}
constexpr Item Icon(std::string_view id_mso, std::string_view screentip = {}) {
  return {.kind = ItemKind::kIcon, .id_mso = id_mso, .screentip = screentip};
}
constexpr Item ComboBox(std::string_view id_mso) {
  return {.kind = ItemKind::kComboBox, .id_mso = id_mso};
}
constexpr Item Separator() {
  return {.kind = ItemKind::kSeparator};
}
constexpr Item Spacer(std::string_view label) {
  return {.kind = ItemKind::kSpacer, .label = label};
}
constexpr Item BarGap() {
  return {.kind = ItemKind::kBarGap};
}
constexpr Item ButtonGroup() {
  return {.kind = ItemKind::kBeginGroup};
}
constexpr Item EndButtonGroup() {
  return {.kind = ItemKind::kEndGroup};
}
// A menu that shows a label (menu-bar menus and submenus).
constexpr Item Menu(std::string_view label) {
  return {.kind = ItemKind::kBeginMenu, .label = label};
}
// A menu that shows only an image, with a screentip (toolbar menus).
constexpr Item ImageMenu(std::string_view image_mso, std::string_view screentip) {
  return {.kind = ItemKind::kBeginMenu, .image_mso = image_mso, .screentip = screentip};
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
