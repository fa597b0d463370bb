// The languages Trelvane speaks besides English: the user's language picks the table of our own
// texts, matched by its primary language as Windows numbers languages (LCIDs).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace trelvane {

// In the order of the tables the build writes (tools/language_tables.py), English first.
enum class Language : std::uint8_t {
  kEnglish,
  kGerman,
  kFrench,
  kSpanish,
  kItalian,
  kPortuguese,  // Brazil's words, for Portugal too
  kDutch,
  kPolish,
  kRussian,
  kJapanese,
  kChineseSimplified,
  kChineseTraditional,
  kKorean,
};

struct LanguageInfo {
  Language language;
  std::string_view tag;   // "de", "zh-Hans": the name of its table, languages/TAG.txt
  std::uint32_t lcid;     // the language's main LCID: 1031 de-DE
  std::string_view name;  // in English: "German"
};

// Every language but English, in table order.
std::span<const LanguageInfo> TranslatedLanguages();
const LanguageInfo& InfoOf(Language language);

// The language of a Windows LCID: by its primary language (de-AT and de-CH are German), Chinese
// by its sublanguage (Taiwan, Hong Kong and Macao Traditional, the others Simplified); English
// for any language without a table.
Language LanguageOfLcid(std::uint32_t lcid);

// The language of a BCP 47 tag ("de-DE", "pt-PT", "zh-Hant", "zh-HK"; "_" for "-" too, as in
// LANG) or of a decimal LCID ("1031"). Nothing when `tag` is neither; English for a well-formed
// tag of a language without a table.
std::optional<Language> LanguageOfTag(std::string_view tag);

}  // namespace trelvane
