#include "core/language.h"

#include <cctype>
#include <charconv>
#include <string>

#include "core/ascii_case.h"

namespace trelvane {
namespace {

constexpr LanguageInfo kLanguages[] = {
    {Language::kGerman, "de", 1031, "German"},
    {Language::kFrench, "fr", 1036, "French"},
    {Language::kSpanish, "es", 3082, "Spanish"},
    {Language::kItalian, "it", 1040, "Italian"},
    {Language::kPortuguese, "pt-BR", 1046, "Portuguese (Brazil)"},
    {Language::kDutch, "nl", 1043, "Dutch"},
    {Language::kPolish, "pl", 1045, "Polish"},
    {Language::kRussian, "ru", 1049, "Russian"},
    {Language::kJapanese, "ja", 1041, "Japanese"},
    {Language::kChineseSimplified, "zh-Hans", 2052, "Chinese (Simplified)"},
    {Language::kChineseTraditional, "zh-Hant", 1028, "Chinese (Traditional)"},
    {Language::kKorean, "ko", 1042, "Korean"},
};
constexpr LanguageInfo kEnglish = {Language::kEnglish, "en", 1033, "English"};

constexpr std::uint32_t kPrimaryChinese = 0x04;

// A language's primary language: the low ten bits of its LCID, the first subtag of its tag.
constexpr std::uint32_t PrimaryId(const LanguageInfo& info) {
  return info.lcid & 0x3FF;
}
constexpr std::string_view PrimarySubtag(const LanguageInfo& info) {
  return info.tag.substr(0, info.tag.find('-'));
}

// Chinese sublanguages: 1 Taiwan, 3 Hong Kong, 5 Macao and 0x1F (zh-Hant) write Traditional.
Language ChineseOfSublanguage(std::uint32_t sublanguage) {
  switch (sublanguage) {
    case 0x01:
    case 0x03:
    case 0x05:
    case 0x1F:
      return Language::kChineseTraditional;
    default:
      return Language::kChineseSimplified;
  }
}

bool AllOf(std::string_view text, int (*test)(int)) {
  for (const char c : text) {
    if (!test(static_cast<unsigned char>(c)))
      return false;
  }
  return true;
}

// Chinese by the subtags after "zh": a script (Hant, Hans) decides, else a region.
Language ChineseOfSubtags(std::string_view rest) {
  Language by_region = Language::kChineseSimplified;
  while (!rest.empty()) {
    const auto dash = rest.find('-');
    const std::string_view subtag = rest.substr(0, dash);
    rest = dash == std::string_view::npos ? std::string_view() : rest.substr(dash + 1);
    if (EqualsIgnoringAsciiCase(subtag, "hant"))
      return Language::kChineseTraditional;
    if (EqualsIgnoringAsciiCase(subtag, "hans"))
      return Language::kChineseSimplified;
    if (EqualsIgnoringAsciiCase(subtag, "tw") || EqualsIgnoringAsciiCase(subtag, "hk") ||
        EqualsIgnoringAsciiCase(subtag, "mo"))
      by_region = Language::kChineseTraditional;
  }
  return by_region;
}

}  // namespace

std::span<const LanguageInfo> TranslatedLanguages() {
  return kLanguages;
}

const LanguageInfo& InfoOf(Language language) {
  for (const LanguageInfo& info : kLanguages) {
    if (info.language == language)
      return info;
  }
  return kEnglish;
}

Language LanguageOfLcid(std::uint32_t lcid) {
  const std::uint32_t primary = lcid & 0x3FF;
  if (primary == kPrimaryChinese)
    return ChineseOfSublanguage((lcid >> 10) & 0x3F);
  for (const LanguageInfo& info : kLanguages) {
    if (PrimaryId(info) == primary)
      return info.language;
  }
  return Language::kEnglish;
}

std::optional<Language> LanguageOfTag(std::string_view tag) {
  if (!tag.empty() && AllOf(tag, isdigit)) {
    std::uint32_t lcid = 0;
    const auto [end, error] = std::from_chars(tag.data(), tag.data() + tag.size(), lcid);
    if (error != std::errc() || end != tag.data() + tag.size() || lcid == 0 || lcid > 0xFFFFF)
      return std::nullopt;
    return LanguageOfLcid(lcid);
  }
  std::string text(tag);
  for (char& c : text) {
    if (c == '_')
      c = '-';
  }
  // LANG's ".UTF-8" and "@euro" are no part of the language.
  text = text.substr(0, text.find_first_of(".@"));
  const std::string_view normal = text;
  const std::string_view primary = normal.substr(0, normal.find('-'));
  const std::string_view rest =
      primary.size() < normal.size() ? normal.substr(primary.size() + 1) : std::string_view();
  if (primary.size() < 2 || primary.size() > 3 || !AllOf(primary, isalpha) || normal.ends_with('-'))
    return std::nullopt;
  for (std::string_view check = rest; !check.empty();) {
    const auto dash = check.find('-');
    const std::string_view subtag = check.substr(0, dash);
    if (subtag.empty() || subtag.size() > 8 || !AllOf(subtag, isalnum))
      return std::nullopt;
    check = dash == std::string_view::npos ? std::string_view() : check.substr(dash + 1);
  }
  if (EqualsIgnoringAsciiCase(primary, "zh"))
    return ChineseOfSubtags(rest);
  for (const LanguageInfo& info : kLanguages) {
    if (EqualsIgnoringAsciiCase(primary, PrimarySubtag(info)))
      return info.language;
  }
  return Language::kEnglish;
}

}  // namespace trelvane
