#include "core/language_filter.h"

#include "core/language_tables.h"
#include "core/markup_text.h"
#include "core/version_filter.h"

namespace trelvane {
namespace {

bool NamesBuiltInControl(const Item& item) {
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

std::string_view Ours(std::string_view text, Language language) {
  return Text(language, TextSection::kRibbon, text);
}

}  // namespace

std::string MarkupInLanguage(std::string_view markup, Language language) {
  if (language == Language::kEnglish)
    return std::string(markup);
  return RewriteTextAttributes(
      markup, [language](std::string_view value, bool built_in) -> std::optional<std::string> {
        if (built_in)
          return std::nullopt;
        return std::string(Ours(value, language));
      });
}

std::vector<Item> LocalizedContent::Items(std::span<const Item> items, Language language,
                                          std::deque<std::string>& texts) {
  std::vector<Item> out = ItemsWrittenOut(items);
  if (language == Language::kEnglish)
    return out;
  for (Item& item : out) {
    if (NamesBuiltInControl(item)) {
      item.label = {};
      item.screentip = {};
      continue;
    }
    switch (item.kind) {
      case ItemKind::kMenuTag:
      case ItemKind::kLiteral:
        texts.push_back(MarkupInLanguage(item.text, language));
        item.text = texts.back();
        break;
      case ItemKind::kDynamicMenu:
        // The name stays, as the menu's id and callbacks carry it; the label shown is translated.
        item.text = Ours(item.text.empty() ? item.label : item.text, language);
        break;
      default:
        item.label = Ours(item.label, language);
        item.screentip = Ours(item.screentip, language);
    }
  }
  return out;
}

LocalizedContent::LocalizedContent(const HostContent& content, Language language)
    : lists_(content) {
  if (language == Language::kEnglish)
    return;
  menu_bar_ = Items(content.menu_bar, language, texts_);
  standard_toolbar_ = Items(content.standard_toolbar, language, texts_);
  formatting_toolbar_ = Items(content.formatting_toolbar, language, texts_);
  after_tools_panel_ = Items(content.after_tools_panel, language, texts_);
  lists_ = {menu_bar_, standard_toolbar_, formatting_toolbar_, after_tools_panel_};
}

}  // namespace trelvane
