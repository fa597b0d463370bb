// Trelvane's own texts in every language, compiled in from languages/ (the build writes them
// with tools/language_tables.py and stops on a table that misses or adds a text): nothing is
// read from disk at run time. A text is found by its section and its English words.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "core/language.h"

namespace trelvane {

enum class TextSection : std::uint8_t {
  kRibbon,   // the Classic tab's own labels and screentips
  kTabs,     // Office's built-in tabs, as the options window names them
  kWindows,  // the windows and messages
};

// `english` in `language`; English itself when `language` is English. Nothing when the catalog
// has no such text in `section`.
std::optional<std::string_view> FindText(Language language, TextSection section,
                                         std::string_view english);

// As FindText, but `english` itself when the catalog lacks it: for texts every build has, which
// the tests hold against the catalog.
std::string_view Text(Language language, TextSection section, std::string_view english);

// `pattern` with {0}, {1}, ... replaced by `values` in order; a placeholder without a value stays.
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> values);

namespace generated {
extern const std::string_view kCatalog[];
extern const TextSection kCatalogSections[];
extern const std::string_view* const kTables[];  // one per translated language, in table order
extern const std::string_view kTableTags[];      // their languages, "de", ...
extern const std::size_t kCatalogSize;
extern const std::size_t kTableCount;
}  // namespace generated

}  // namespace trelvane
