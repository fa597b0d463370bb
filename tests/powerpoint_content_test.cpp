// Structure of the PowerPoint document: the counter values and ids that the menu bar and toolbars
// must reach, the relation between the two copies of the bar, and the few elements that differ
// in kind from their neighbours.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <regex>
#include <set>

#include "core/content_player.h"
#include "core/memory_settings_store.h"
#include "core/settings.h"
#include "powerpoint/powerpoint_host.h"
#include "tests/document_scan.h"

namespace trelvane {
namespace {

using testing::Box;
using testing::Count;
using testing::Ids;
using testing::IdsStartingWith;
using testing::Slice;

testing::BuiltDocument PowerPointDocument(bool all_menu) {
  return testing::BuildDocument(powerpoint::PowerPointHost(), all_menu);
}

std::vector<std::string> Numbered(std::string_view prefix, int first, int last,
                                  std::string_view suffix = "") {
  std::vector<std::string> ids;
  for (int n = first; n <= last; ++n)
    ids.push_back(std::string(prefix) + std::to_string(n) + std::string(suffix));
  return ids;
}

// Every match of `pattern`'s first group, in document order.
std::vector<std::string> Matches(std::string_view text, const std::string& pattern) {
  const std::regex re(pattern);
  const std::string copy(text);
  std::vector<std::string> out;
  for (std::sregex_iterator it(copy.begin(), copy.end(), re), end; it != end; ++it)
    out.push_back((*it)[1]);
  return out;
}

// The document with "Hide built-in Tabs" on and each of `keys` set to 1.
std::string DocumentHiding(const std::vector<std::string_view>& keys) {
  MemorySettingsStore store;
  Settings settings(store);
  settings.Write("Hide built-in Tabs", "1");
  for (const std::string_view key : keys)
    settings.Write(key, "1");
  StandInHost app("Microsoft PowerPoint");
  RibbonBuilder builder(powerpoint::PowerPointHost());
  RibbonXml xml = builder.GetRibbonXML(&app, store);
  EXPECT_TRUE(xml.ok) << xml.failure.reason;
  return xml.document;
}

TEST(PowerPointHost, HasNineTabsWithTheSlideMasterHiddenUnderFormat) {
  EXPECT_EQ(Matches(DocumentHiding({"Format"}), R"re(<tab idMso="(\w+)" visible="false"/>)re"),
            std::vector<std::string>{"TabSlideMasterHome"});
  // Nine keys make the ribbon start from scratch: the table has nine rows.
  const std::vector<std::string_view> keys = {"Home",       "Insert",     "Design",
                                              "Animations", "Slide Show", "Review",
                                              "View",       "Developer",  "Format"};
  EXPECT_EQ(Count(DocumentHiding(keys), R"(<ribbon startFromScratch="true"><tabs><tab id="Menus")"),
            1);
}

// Counters as {groups, spacers, separators, menus}, from a build or from the highest number of
// each generated kind among the ids of a text.
using Counts = std::array<std::int32_t, 4>;
Counts Values(const ElementCounters& c) {
  return {c.group, c.spacer, c.separator, c.menu};
}
Counts HighestNumbers(std::string_view text) {
  static const std::regex kNumbered(R"((btnGr00|sep00|msep00|BR3234)(\d+)d?)");
  constexpr std::array<std::string_view, 4> kPrefixes = {"btnGr00", "sep00", "msep00", "BR3234"};
  Counts highest{};
  for (const std::string& id : Ids(text)) {
    std::smatch m;
    if (!std::regex_match(id, m, kNumbered))
      continue;
    const auto kind = std::find(kPrefixes.begin(), kPrefixes.end(), m.str(1)) - kPrefixes.begin();
    highest[kind] = std::max(highest[kind], std::stoi(m.str(2)));
  }
  return highest;
}

// Counters only rise, so the highest numbers in boxNew1 are where the toolbars take them up.
TEST(PowerPointDocument, CountersStandAtTheirKnownValuesWhereTheToolbarsBeginAndEnd) {
  for (const bool all_menu : {false, true}) {
    const testing::BuiltDocument built = PowerPointDocument(all_menu);
    const Counts at_toolbars = all_menu ? Counts{0, 9, 70, 35} : Counts{0, 8, 35, 17};
    const Counts at_end = all_menu ? Counts{16, 20, 70, 37} : Counts{16, 19, 35, 19};
    EXPECT_EQ(HighestNumbers(Box(built.document, "boxNew1")), at_toolbars) << all_menu;
    EXPECT_EQ(Values(built.counters), at_end) << all_menu;
    EXPECT_EQ(HighestNumbers(built.document), at_end) << all_menu;
  }
}

TEST(PowerPointMenuBar, NumbersMenusSeparatorsAndGapsAsKnownWithTheAllMenuOff) {
  const std::string doc = PowerPointDocument(false).document;
  const std::string_view bar = Box(doc, "boxNew1");
  EXPECT_TRUE(bar.starts_with(
      R"(<box id="boxNew1" boxStyle="horizontal"><menu id="BR32341" label="File" tag = "BR32341">)"));
  EXPECT_EQ(IdsStartingWith(bar, "BR"), Numbered("BR3234", 1, 17));
  EXPECT_EQ(IdsStartingWith(bar, "msep"), Numbered("msep00", 1, 35, "d"));
  EXPECT_EQ(IdsStartingWith(bar, "sep"), Numbered("sep00", 1, 8));
  // Every gap closes a top-level menu, and only a one-blank gap does so.
  EXPECT_EQ(Count(bar, R"(</menu><button id="sep00)"), 8);
  EXPECT_EQ(Count(bar, R"(label=" " enabled="false"/>)"), 8);
  const std::string_view help = Slice(bar, R"(<menu id="BR323417" label="Help")", "</box>");
  ASSERT_FALSE(help.empty());
  EXPECT_TRUE(help.ends_with(
      R"(<button id="d242242" label="About PowerPoint 2010 Trelvane" onAction="ShowAbout0"/></menu></box>)"));
  EXPECT_EQ(Count(help, R"(<button id="d24224025" label="Uninstall PowerPoint 2010 Trelvane")"), 1);
}

TEST(PowerPointMenuBar, LabelsEveryItemButUndoAndRedoAndHasTheOnlyGallery) {
  const std::string doc = PowerPointDocument(false).document;
  const std::string_view bar = Box(doc, "boxNew1");
  EXPECT_EQ(Matches(bar, R"re(<control idMso="(\w+)"/>)re"),
            (std::vector<std::string>{"Undo", "RedoOrRepeat"}));
  EXPECT_EQ(
      Count(bar, R"(<control idMso="FileAddDigitalSignature" label="Add a Digital Signature"/>)"),
      1);
  EXPECT_EQ(Count(bar, R"(<menu id="BR32343" label=" View" tag = "BR32343">)"), 1);
  EXPECT_EQ(Count(bar, R"(label="Comments" imageMso="ReviewNewComment" tag = ")"), 1);
  // The only gallery of the add-in stands in the Slide Show menu; its two neighbours are
  // drop-downs in PowerPoint, which refuses them as galleries, so they are plain controls.
  EXPECT_EQ(Matches(doc, R"re(<gallery idMso="(\w+)" label="[^"]+"/>)re"),
            (std::vector<std::string>{"AnimationGallery"}));
  EXPECT_EQ(Count(doc, "<gallery"), 1);
  const std::string_view slide_show =
      Slice(doc, R"(label="Slide Show" tag = ")", R"(label="Windows")");
  EXPECT_EQ(Count(slide_show, "<gallery"), 1);
  EXPECT_EQ(
      Count(slide_show, R"(<control idMso="SlideShowResolutionGallery" label="Resolution"/>)"), 1);
  EXPECT_EQ(
      Count(
          slide_show,
          R"(<control idMso="SlideShowShowPresentationOnGallery" label="Show Presentation On"/>)"),
      1);
  EXPECT_EQ(Count(PowerPointDocument(true).document, "<gallery"), 2);
}

TEST(PowerPointToolbars, RunOnFromTheMenuBarWithTheAllMenuOff) {
  const testing::BuiltDocument built = PowerPointDocument(false);
  const std::string_view standard = Box(built.document, "boxNew2");
  EXPECT_TRUE(standard.starts_with(
      R"(<box id="boxNew2" boxStyle="horizontal"><buttonGroup id="btnGr001">)"));
  EXPECT_EQ(IdsStartingWith(standard, "sep"), Numbered("sep00", 9, 16));
  EXPECT_EQ(Count(standard, R"(<button id="sep009" label="  " enabled="false"/>)"), 1);
  EXPECT_EQ(IdsStartingWith(standard, "BR"), (std::vector<std::string>{"BR323418", "BR323419"}));
  EXPECT_TRUE(standard.ends_with(
      R"(</menu><control idMso="ZoomClassic" showLabel="false"/><control idMso="Help" showLabel="false"/></buttonGroup></box>)"));

  const std::string_view formatting = Box(built.document, "boxNew3");
  EXPECT_TRUE(formatting.starts_with(
      R"(<box id="boxNew3" boxStyle="horizontal"><comboBox idMso="Font"/><comboBox idMso="FontSize"/><buttonGroup id="btnGr0011">)"));
  EXPECT_EQ(IdsStartingWith(formatting, "sep"), Numbered("sep00", 17, 19));
  EXPECT_EQ(Count(formatting, R"(label=" " enabled="false")"), 2);
  EXPECT_EQ(Count(formatting, R"(<button id="sep0019" label="  " enabled="false"/>)"), 1);
  EXPECT_TRUE(formatting.ends_with("</buttonGroup></box>"));
  EXPECT_EQ(Count(formatting, "</buttonGroup><buttonGroup"), 2);
}

TEST(PowerPointToolbars, OnlyGapsAndMenuItemsAreLabelledAndTwoIconsCarryMore) {
  const std::string doc = PowerPointDocument(true).document;
  const std::string toolbars = std::string(Box(doc, "boxNew2")) + std::string(Box(doc, "boxNew3"));
  // Labels outside the two menus belong to gaps; the menus themselves have none.
  const std::regex menus(R"re(<menu [^>]*>.*?</menu>)re");
  const std::string outside_menus = std::regex_replace(toolbars, menus, "");
  EXPECT_EQ(Count(outside_menus, " label="), Count(outside_menus, R"(enabled="false")"));
  const std::vector<std::string> menu_tags = Matches(toolbars, R"re((<menu [^>]*>))re");
  EXPECT_EQ(menu_tags.size(), 2u);
  for (const std::string& tag : menu_tags)
    EXPECT_EQ(Count(tag, "label="), 0) << tag;
  // Of all icons only these two carry more than their idMso.
  EXPECT_EQ(
      Matches(doc, R"re(<control idMso="(\w+" [^>]+) showLabel="false"/>)re"),
      (std::vector<std::string>{
          R"(FileSaveAsPowerPoint97_2003" screentip="Save as …  PowerPoint 97-2003 Presentation")",
          R"(ViewGridlinesPowerPoint" imageMso="ViewGridlines")"}));
}

TEST(PowerPointDocument, WithTheAllMenuTheBarIsWrittenTwiceAndTheIdsStayDistinct) {
  const testing::BuiltDocument built = PowerPointDocument(true);
  const std::string& doc = built.document;
  const std::string_view bar = Box(doc, "boxNew1");
  EXPECT_TRUE(bar.starts_with(
      R"(<box id="boxNew1" boxStyle="horizontal"><menu id="BR32341" label="All" tag = "BR32341"><menu id="BR32342" label="File" tag = "BR32342">)"));
  EXPECT_EQ(Count(bar, R"(<menu id="BR323418" label="Help")"), 1);
  EXPECT_EQ(
      Count(
          bar,
          R"(</menu></menu><button id="sep001" label="  " enabled="false"/><menu id="BR323419" label="File")"),
      1);
  const std::string_view on_tab = bar.substr(bar.find(R"(<menu id="BR323419")"));
  EXPECT_EQ(IdsStartingWith(on_tab, "msep").front(), "msep0036d");
  EXPECT_EQ(IdsStartingWith(on_tab, "msep").back(), "msep0070d");
  EXPECT_EQ(IdsStartingWith(on_tab, "sep"), Numbered("sep00", 2, 9));
  EXPECT_EQ(IdsStartingWith(bar, "Alld"), (std::vector<std::string>{"Alld24224025", "Alld242242"}));
  EXPECT_EQ(IdsStartingWith(on_tab, "d"), (std::vector<std::string>{"d24224025", "d242242"}));

  const std::string_view standard = Box(doc, "boxNew2");
  EXPECT_EQ(IdsStartingWith(standard, "btnGr").front(), "btnGr001");
  EXPECT_EQ(IdsStartingWith(standard, "sep").front(), "sep0010");
  EXPECT_EQ(IdsStartingWith(standard, "BR"), (std::vector<std::string>{"BR323436", "BR323437"}));

  // Each counted element shows its id once, beside the four fixed buttons and the frame's tab,
  // group and three boxes: a duplicated or unnumbered id would break the sum or the set.
  const auto ids = Ids(doc);
  EXPECT_EQ(std::set<std::string>(ids.begin(), ids.end()).size(), ids.size());
  const auto& c = built.counters;
  EXPECT_EQ(ids.size(),
            static_cast<std::size_t>(c.group + c.spacer + c.separator + c.menu + 4 + 5));
}

TEST(PowerPointDocument, BothCopiesOfTheBarDifferOnlyInNumbersGapsAndThePrefix) {
  const std::string doc = PowerPointDocument(true).document;
  const std::string_view bar = Box(doc, "boxNew1");
  const std::string_view all_start = R"(<menu id="BR32341" label="All" tag = "BR32341">)";
  const std::string_view all_end = R"(</menu><button id="sep001" label="  " enabled="false"/>)";
  const auto inside_start = all_start.size() + bar.find(all_start);
  const auto inside_end = bar.find(all_end);
  std::string inside(bar.substr(inside_start, inside_end - inside_start));
  const auto tab_start = inside_end + all_end.size();
  std::string on_tab(
      bar.substr(tab_start, bar.size() - tab_start - std::string_view("</box>").size()));
  const std::regex numbers(R"((BR3234|msep00|sep00)\d+)");
  const std::regex gaps(R"re(<button id="sep00\d+" label=" " enabled="false"/>)re");
  on_tab = std::regex_replace(std::regex_replace(on_tab, gaps, ""), numbers, "$1#");
  inside = std::regex_replace(inside, numbers, "$1#");
  inside = std::regex_replace(inside, std::regex(R"re(id="All(d\d+)")re"), R"(id="$1")");
  EXPECT_EQ(inside, on_tab);
  EXPECT_EQ(Count(inside, "<menu "), 17);

  // The toolbars do not depend on the All menu but for their numbers.
  const std::string off = PowerPointDocument(false).document;
  for (const std::string_view box : {"boxNew2", "boxNew3"}) {
    EXPECT_EQ(std::regex_replace(std::string(Box(doc, box)), numbers, "$1#"),
              std::regex_replace(std::string(Box(off, box)), numbers, "$1#"))
        << box;
  }
}

}  // namespace
}  // namespace trelvane
