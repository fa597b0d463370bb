#include "core/language_filter.h"

#include "core/language_tables.h"
#include "core/markup_text.h"
#include "core/version_filter.h"

namespace trelvane {
namespace {

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
    : ContentLists(content) {
  if (language == Language::kEnglish)
    return;
  Rewrite(content, [&](std::span<const Item> items) { return Items(items, language, texts_); });
}

}  // namespace trelvane
