// A host's content in one language. English plays the tables as they stand. Every other
// language leaves Office's own words to Office: a built-in control carries none of our labels,
// screentips or supertips, so Office shows its own in its own language, and every text of our own
// elements (menus, submenus, groups, buttons) comes from that language's table. Ids, structure,
// images and callbacks stay as they are.
#pragma once

#include <deque>
#include <span>
#include <string>
#include <vector>

#include "core/content.h"
#include "core/content_lists.h"
#include "core/language.h"

namespace trelvane {

// `markup` (literal start tags, such as a menu's or a button's) in `language`: the text attributes
// of our own elements translated, those of built-in controls left out. English: unchanged.
std::string MarkupInLanguage(std::string_view markup, Language language);

// A host's content lists in one language: the tables themselves for English.
class LocalizedContent final : public ContentLists {
 public:
  LocalizedContent(const HostContent& content, Language language);

  // `items` in `language`, their includes written out; rewritten texts are kept in `texts`.
  static std::vector<Item> Items(std::span<const Item> items, Language language,
                                 std::deque<std::string>& texts);
};

}  // namespace trelvane
