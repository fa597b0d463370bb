// Which language a user's LCID or tag gets, and how a language rewrites a host's lists: built-in
// controls lose our texts, our own elements take the table's, and nothing else moves.
#include "core/language.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "core/content_player.h"
#include "core/host_application.h"
#include "core/language_filter.h"
#include "core/language_tables.h"
#include "core/markup_writer.h"
#include "core/office_language.h"

namespace trelvane {
namespace {

using namespace trelvane::content;

TEST(Language, LcidsAreMatchedByPrimaryLanguageAndChineseByScript) {
  struct Row {
    std::uint32_t lcid;
    Language language;
  };
  const Row rows[] = {
      {1031, Language::kGerman},
      {3079, Language::kGerman},
      {2055, Language::kGerman},
      {1036, Language::kFrench},
      {3084, Language::kFrench},
      {3082, Language::kSpanish},
      {1034, Language::kSpanish},
      {2058, Language::kSpanish},
      {1040, Language::kItalian},
      {1046, Language::kPortuguese},
      {2070, Language::kPortuguese},
      {1043, Language::kDutch},
      {2067, Language::kDutch},
      {1045, Language::kPolish},
      {1049, Language::kRussian},
      {1041, Language::kJapanese},
      {1042, Language::kKorean},
      {2052, Language::kChineseSimplified},
      {4100, Language::kChineseSimplified},
      {0x0004, Language::kChineseSimplified},
      {1028, Language::kChineseTraditional},
      {3076, Language::kChineseTraditional},
      {5124, Language::kChineseTraditional},
      {0x7C04, Language::kChineseTraditional},
      {1033, Language::kEnglish},
      {2057, Language::kEnglish},
      {1053, Language::kEnglish},
      {0, Language::kEnglish},
  };
  for (const Row& row : rows)
    EXPECT_EQ(LanguageOfLcid(row.lcid), row.language) << row.lcid;
}

TEST(Language, TagsAndDecimalLcidsAreReadAndNonsenseIsRefused) {
  struct Row {
    const char* tag;
    std::optional<Language> language;
  };
  const Row rows[] = {
      {"de-DE", Language::kGerman},
      {"DE_at", Language::kGerman},
      {"de", Language::kGerman},
      {"pt-PT", Language::kPortuguese},
      {"fr-CA", Language::kFrench},
      {"ja_JP.UTF-8", Language::kJapanese},
      {"zh-TW", Language::kChineseTraditional},
      {"zh-HK", Language::kChineseTraditional},
      {"zh-Hant", Language::kChineseTraditional},
      {"zh-Hans-HK", Language::kChineseSimplified},
      {"zh-SG", Language::kChineseSimplified},
      {"zh", Language::kChineseSimplified},
      {"ko-KR", Language::kKorean},
      {"en-GB", Language::kEnglish},
      {"sv-SE", Language::kEnglish},
      {"1031", Language::kGerman},
      {"3076", Language::kChineseTraditional},
      {"", std::nullopt},
      {"d", std::nullopt},
      {"de DE", std::nullopt},
      {"-1", std::nullopt},
      {"99999999999", std::nullopt},
      {"0", std::nullopt},
      {"de--DE", std::nullopt},
      {"de-", std::nullopt},
  };
  for (const Row& row : rows)
    EXPECT_EQ(LanguageOfTag(row.tag), row.language) << row.tag;
}

TEST(Language, TablesAreBuiltInTheOrderOfTheLanguages) {
  ASSERT_EQ(TranslatedLanguages().size(), generated::kTableCount);
  for (std::size_t i = 0; i < generated::kTableCount; ++i) {
    EXPECT_EQ(TranslatedLanguages()[i].tag, generated::kTableTags[i]);
    EXPECT_EQ(static_cast<std::size_t>(TranslatedLanguages()[i].language), i + 1);
  }
  EXPECT_EQ(Text(Language::kEnglish, TextSection::kRibbon, "File"), "File");
  EXPECT_EQ(Text(Language::kGerman, TextSection::kRibbon, "Not in the catalog"),
            "Not in the catalog");
  EXPECT_FALSE(FindText(Language::kGerman, TextSection::kTabs, "Tools panel"));
  EXPECT_EQ(FormatText("{1} and {0}, {2}", {"a", "b"}), "b and a, {2}");
}

TEST(Language, OfficesLanguageComesFirstThenWindowsThenEnglish) {
  StandInHost host("Microsoft Excel");
  EXPECT_EQ(ReadOfficeLanguage(host, 1031), Language::kGerman);  // the host cannot say
  EXPECT_EQ(ReadOfficeLanguage(host, std::nullopt), Language::kEnglish);
  host.set_ui_language_id(1041);
  EXPECT_EQ(ReadOfficeLanguage(host, 1031), Language::kJapanese);
}

std::string German(std::string_view english) {
  return std::string(Text(Language::kGerman, TextSection::kRibbon, english));
}

TEST(LanguageFilter, LiteralTagsKeepAllButTheirTexts) {
  const std::string tag = R"(<menu id="B30002" label="File" tag = "B30002">)";
  EXPECT_EQ(MarkupInLanguage(tag, Language::kEnglish), tag);
  EXPECT_EQ(MarkupInLanguage(tag, Language::kGerman),
            R"(<menu id="B30002" label=")" + German("File") + R"(" tag = "B30002">)");
  EXPECT_EQ(MarkupInLanguage(R"(<box id="b"><control idMso="Cut" label="Cut" screentip = "x"/>)"
                             R"(<button id="d" label="Help" screentip="Windows" onAction="A"/>)",
                             Language::kGerman),
            R"(<box id="b"><control idMso="Cut"/><button id="d" label=")" + German("Help") +
                R"(" screentip=")" + German("Windows") + R"(" onAction="A"/>)");
}

constexpr Item kSubmenu[] = {
    Control("Cut", "Cut"),
    Icon("Bold", "Bold text"),
};
constexpr Item kLists[] = {
    Menu("Edit"),
    Include(kSubmenu),
    Separator(),
    Menu("Picture", "PictureInsertFromFile"),
    Control("", "Windows"),  // an id-less button of ours
    EndMenu(),
    EndMenu(),
    DynamicMenu("Query"),
    ImageMenu("FunctionWizard", "Function Library"),
    EndMenu(),
};

std::string Played(std::span<const Item> items) {
  MarkupWriter writer;
  PlayItems(writer, items, EmitterForms::kExtended, "");
  return writer.text();
}

TEST(LanguageFilter, BuiltInControlsLoseOurTextsAndOurOwnElementsTakeTheTables) {
  std::deque<std::string> texts;
  const std::string english = Played(LocalizedContent::Items(kLists, Language::kEnglish, texts));
  EXPECT_EQ(english, Played(kLists));
  const std::string german = Played(LocalizedContent::Items(kLists, Language::kGerman, texts));
  EXPECT_EQ(
      german,
      R"(<menu id="BR32341" label=")" + German("Edit") +
          R"(" tag = "BR32341">)"
          R"(<control idMso="Cut"/><control idMso="Bold" showLabel="false"/>)"
          R"(<menuSeparator id="msep001d"/>)"
          R"(<menu id="BR32342" label=")" +
          German("Picture") +
          R"(" imageMso="PictureInsertFromFile" tag = "BR32342">)"
          R"(<button id="sep001" label=")" +
          German("Windows") +
          R"("/></menu></menu>)"
          R"(<dynamicMenu id="DynaQuery3" label=")" +
          German("Query") +
          R"(" getContent = "OnGetContentQuery" getVisible = "OnGetVisibleQuery")"
          R"( invalidateContentOnDrop = "true"/>)"
          R"(<button id="sep002" label=" " getVisible = "OnGetVisibleQuery" enabled="false"/>)"
          R"(<menu id="BR32344" imageMso="FunctionWizard" screentip=")" +
          German("Function Library") + R"(" tag = "BR32344"></menu>)");
  EXPECT_NE(German("Edit"), "Edit");
}

TEST(LanguageFilter, EnglishPlaysTheTablesThemselves) {
  const HostContent content{kLists, kSubmenu, kSubmenu};
  const LocalizedContent english(content, Language::kEnglish);
  EXPECT_EQ(english.lists().menu_bar.data(), kLists);
  const LocalizedContent german(content, Language::kGerman);
  EXPECT_NE(german.lists().menu_bar.data(), kLists);
  EXPECT_EQ(german.lists().standard_toolbar.size(), 2u);
}

}  // namespace
}  // namespace trelvane
