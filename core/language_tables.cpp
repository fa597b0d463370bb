#include "core/language_tables.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace trelvane {
namespace {

// The catalog's entries ordered by section and text, made once, for a binary search.
const std::vector<std::size_t>& Ordered() {
  static const std::vector<std::size_t> ordered = [] {
    std::vector<std::size_t> out(generated::kCatalogSize);
    for (std::size_t i = 0; i < out.size(); ++i)
      out[i] = i;
    std::sort(out.begin(), out.end(), [](std::size_t a, std::size_t b) {
      return std::pair(generated::kCatalogSections[a], generated::kCatalog[a]) <
             std::pair(generated::kCatalogSections[b], generated::kCatalog[b]);
    });
    return out;
  }();
  return ordered;
}

std::optional<std::size_t> CatalogIndex(TextSection section, std::string_view english) {
  const std::vector<std::size_t>& ordered = Ordered();
  const auto at = std::lower_bound(ordered.begin(), ordered.end(), std::pair(section, english),
                                   [](std::size_t entry, const auto& wanted) {
                                     return std::pair(generated::kCatalogSections[entry],
                                                      generated::kCatalog[entry]) < wanted;
                                   });
  if (at == ordered.end() || generated::kCatalogSections[*at] != section ||
      generated::kCatalog[*at] != english)
    return std::nullopt;
  return *at;
}

}  // namespace

std::optional<std::string_view> FindText(Language language, TextSection section,
                                         std::string_view english) {
  const std::optional<std::size_t> index = CatalogIndex(section, english);
  if (!index)
    return std::nullopt;
  const auto table = static_cast<std::size_t>(language);
  if (language == Language::kEnglish || table > generated::kTableCount)
    return generated::kCatalog[*index];
  return generated::kTables[table - 1][*index];
}

std::string_view Text(Language language, TextSection section, std::string_view english) {
  return FindText(language, section, english).value_or(english);
}

std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const std::size_t close = pattern.find('}', i);
    if (pattern[i] == '{' && close != std::string_view::npos && close - i == 2 &&
        pattern[i + 1] >= '0' && pattern[i + 1] <= '9' &&
        static_cast<std::size_t>(pattern[i + 1] - '0') < values.size()) {
      out += values.begin()[pattern[i + 1] - '0'];
      i = close;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace trelvane
