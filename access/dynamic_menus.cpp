#include "access/dynamic_menus.h"

#include "access/object_kind.h"
#include "core/ascii_case.h"
#include "core/content_player.h"
#include "core/language_filter.h"
#include "core/ribbon_document.h"
#include "core/version_filter.h"

namespace trelvane::access {
namespace {

constexpr NamedDynamicMenu kMenus[] = {
    {"Edit", "OnGetContentEdit", DynamicMenu::kEdit},
    {"View", "OnGetContentView", DynamicMenu::kView},
    {"Insert", "OnGetContentInsert", DynamicMenu::kInsert},
    {"Format", "OnGetContentFormat", DynamicMenu::kFormat},
    {"Query", "OnGetContentQuery", DynamicMenu::kQuery},
    {"Records", "OnGetContentRecords", DynamicMenu::kRecords},
};

std::span<const Item> ListFor(const KindLists& lists, ObjectKind kind) {
  switch (kind) {
    case ObjectKind::kTable:
      return lists.table;
    case ObjectKind::kQuery:
      return lists.query;
    case ObjectKind::kForm:
      return lists.form;
    case ObjectKind::kReport:
      return lists.report;
    case ObjectKind::kMacro:
      return lists.macro;
    case ObjectKind::kModule:
      return lists.module;
    case ObjectKind::kOther:
      break;
  }
  return lists.other;
}

}  // namespace

std::span<const NamedDynamicMenu> DynamicMenus() {
  return kMenus;
}

std::optional<DynamicMenu> DynamicMenuNamed(std::string_view name) {
  for (const NamedDynamicMenu& entry : kMenus) {
    if (EqualsIgnoringAsciiCase(name, entry.name))
      return entry.menu;
  }
  return std::nullopt;
}

std::string BuildMenuContent(DynamicMenu menu, HostApplication& host, MarkupWriter& writer,
                             OfficeVersion version, Language language) {
  writer.Clear();
  writer.Append("<menu xmlns=\"");
  writer.Append(kCustomUiNamespace);
  writer.Append("\">");
  const ObjectKind kind = KindOf(host.CurrentObjectType());
  std::deque<std::string> texts;
  const std::vector<Item> items = LocalizedContent::Items(
      ItemsForVersion(ListFor(DynamicMenuLists(menu), kind), VersionChanges(), version), language,
      texts);
  PlayItems(writer, items, EmitterForms::kExtended, "");
  writer.Append("</menu>");
  return writer.text();
}

}  // namespace trelvane::access
