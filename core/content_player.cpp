#include "core/content_player.h"

#include <string>

#include "core/failure.h"

namespace trelvane {
namespace {

constexpr std::string_view kAllMenuIdPrefix = "All";

[[noreturn]] void FailForm(std::string_view what) {
  throw BuildFailure(FailureKind::kInternal,
                     "content item " + std::string(what) + " has no base emitter form");
}

void PlayBase(MarkupWriter& writer, const Item& item) {
  switch (item.kind) {
    case ItemKind::kControl:
      writer.EmitControl(item.id_mso, item.label);
      return;
    case ItemKind::kIcon:
      if (!item.image_mso.empty())
        FailForm(item.id_mso);
      writer.EmitIconControl(item.id_mso, item.screentip);
      return;
    case ItemKind::kEndMenu:
      if (item.gap_after)
        FailForm("EndMenu with a gap");
      writer.EndMenu();
      return;
    default:
      FailForm(item.id_mso.empty() ? item.label : item.id_mso);
  }
}

void PlayExtended(MarkupWriter& writer, const Item& item) {
  switch (item.kind) {
    case ItemKind::kControl:
      writer.EmitControl(item.id_mso, item.label, item.image_mso, item.screentip, {});
      return;
    case ItemKind::kGallery:
      writer.EmitGallery(item.id_mso, item.label, item.image_mso, item.screentip, {});
      return;
    case ItemKind::kIcon:
      writer.EmitIconControl(item.id_mso, item.screentip, item.image_mso, {}, item.get_visible);
      return;
    case ItemKind::kBeginMenu:
      writer.BeginMenu(item.label, item.image_mso, item.screentip, item.get_visible);
      return;
    case ItemKind::kDynamicMenu:
      writer.EmitDynamicMenu(item.label, item.text.empty() ? item.label : item.text, item.image_mso,
                             item.screentip);
      return;
    case ItemKind::kEndMenu:
      writer.EndMenu(item.gap_after);
      return;
    default:
      FailForm(item.id_mso);
  }
}

}  // namespace

std::string WithIdPrefix(std::string_view text, std::string_view prefix) {
  std::string out(text);
  if (prefix.empty())
    return out;
  constexpr std::string_view kId = " id=\"";
  if (const auto at = out.find(kId); at != std::string::npos)
    out.insert(at + kId.size(), prefix);
  return out;
}

void PlayItems(MarkupWriter& writer, std::span<const Item> items, EmitterForms forms,
               std::string_view id_prefix) {
  for (const Item& item : items) {
    // No base form carries a getVisible callback.
    if (forms == EmitterForms::kBase && !item.get_visible.empty())
      FailForm(item.get_visible);
    switch (item.kind) {
      case ItemKind::kComboBox:
        writer.EmitComboBox(item.id_mso, item.get_visible);
        break;
      case ItemKind::kSeparator:
        writer.EmitMenuSeparator();
        break;
      case ItemKind::kSpacer:
        writer.EmitSpacer(item.label, item.get_visible);
        break;
      case ItemKind::kBarGap:
        if (writer.menu_bar_mode() == kMenuBarOnTab)
          writer.EmitSpacer(" ");
        break;
      case ItemKind::kBeginGroup:
        writer.BeginButtonGroup(item.get_visible);
        break;
      case ItemKind::kEndGroup:
        writer.EndButtonGroup();
        break;
      case ItemKind::kMenuTag:
      case ItemKind::kLiteral:
        writer.Append(WithIdPrefix(item.text, id_prefix));
        break;
      case ItemKind::kInclude:
        PlayItems(writer, {item.included, item.included_size}, forms, id_prefix);
        break;
      default:
        if (forms == EmitterForms::kBase) {
          PlayBase(writer, item);
        } else {
          PlayExtended(writer, item);
        }
    }
  }
}

void EmitMenuBar(MarkupWriter& writer, const HostContent& content, EmitterForms forms,
                 std::int32_t mode) {
  writer.set_menu_bar_mode(mode);
  PlayItems(writer, content.menu_bar, forms, mode == kMenuBarOnTab ? "" : kAllMenuIdPrefix);
}

void EmitStandardToolbar(MarkupWriter& writer, const HostContent& content, EmitterForms forms) {
  PlayItems(writer, content.standard_toolbar, forms, "");
}

void EmitFormattingToolbar(MarkupWriter& writer, const HostContent& content, EmitterForms forms) {
  PlayItems(writer, content.formatting_toolbar, forms, "");
}

}  // namespace trelvane
