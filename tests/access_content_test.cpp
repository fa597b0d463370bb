// Structure of the Access document and of the dynamic menus' lists: the ids the one menu counter
// must reach, the gaps that go with the menus, the frame around the content, and the relations
// between lists that are meant to agree.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "access/access_content.h"
#include "access/access_host.h"
#include "core/content_player.h"
#include "tests/document_scan.h"

namespace trelvane {
namespace {

using access::DynamicMenu;
using access::DynamicMenuLists;
using testing::Box;
using testing::Count;
using testing::Ids;
using testing::IdsStartingWith;
using testing::Slice;

constexpr std::string_view kAllMenuStart = R"(<menu id="BR32341" label="All" tag = "BR32341">)";
// The File menu on the tab when the All menu holds the other copy of the bar.
constexpr std::string_view kTabFileAfterAll = R"(<menu id="BR323425" label="File")";

std::string AccessDocument(bool all_menu) {
  return testing::BuildDocument(access::AccessHost(), all_menu).document;
}

// The six dynamic menus' ids when the first of them carries `first`.
std::vector<std::string> DynamicMenuIds(int first) {
  std::vector<std::string> ids;
  for (const char* name : {"Edit", "View", "Insert", "Format", "Query", "Records"})
    ids.push_back("Dyna" + std::string(name) + std::to_string(first++));
  return ids;
}

// The copy of the bar inside the All menu (without the All menu's own end tag), and the copy on
// the tab, up to the end of boxNew1.
std::string_view AllMenuCopy(std::string_view doc) {
  const auto begin = doc.find(kAllMenuStart) + kAllMenuStart.size();
  // No gap stands inside the All menu, so the first end tag followed by one is the All menu's.
  return doc.substr(begin, doc.find("</menu><button", begin) - begin);
}
std::string_view TabCopy(std::string_view doc) {
  const auto begin = doc.find(kTabFileAfterAll);
  return doc.substr(begin, doc.find("</box>", begin) - begin);
}

int Matches(std::string_view text, const std::regex& pattern) {
  const std::string copy(text);
  return static_cast<int>(
      std::distance(std::sregex_iterator(copy.begin(), copy.end(), pattern), {}));
}

TEST(AccessDocument, HasTheKnownNumberOfIdsAllDistinct) {
  for (const auto& [all_menu, expected] : {std::pair{true, 174u}, std::pair{false, 124u}}) {
    const auto ids = Ids(AccessDocument(all_menu));
    EXPECT_EQ(ids.size(), expected) << "All " << all_menu;
    EXPECT_EQ(std::set<std::string>(ids.begin(), ids.end()).size(), ids.size())
        << "All " << all_menu;
  }
}

TEST(AccessDocument, FrameCarriesTheOnLoadCallbackAndTheControlsGroup) {
  const std::string doc = AccessDocument(true);
  EXPECT_TRUE(doc.starts_with(
      R"(<customUI xmlns="http://schemas.microsoft.com/office/2006/01/customui" )"
      R"(onLoad="ribbonLoaded"><ribbon><tabs><tab id="Menus" label="Classic" )"
      R"(insertBeforeMso="TabHomeAccess"><group id="ToolsPanel" label="Tools panel">)"
      R"(<box id="boxNew1" boxStyle="horizontal"><menu id="BR32341" label="All" )"
      R"(tag = "BR32341"><menu id="BR32342" label="File" tag = "BR32342">)"));
  // The All menu closes after Help's end tag and is followed by a two-blank spacer.
  EXPECT_EQ(Count(doc, R"(</menu></menu><button id="sep001" label="  " enabled="false"/>)" +
                           std::string(kTabFileAfterAll)),
            1);

  const std::string_view controls =
      Slice(doc, R"(</box></group ><group id="Controls0")", "</group >");
  EXPECT_TRUE(controls.starts_with(
      R"(</box></group ><group id="Controls0" label="Controls" )"
      R"(getVisible="OnGetVisibleFormOrReport"><box id="boxNew01" boxStyle="horizontal">)"));
  EXPECT_EQ(IdsStartingWith(controls, "boxNew"),
            (std::vector<std::string>{"boxNew01", "boxNew02", "boxNew03"}));
  // Each row is one group, led by a labelled control; nothing inside has a callback of its own.
  const std::regex row(
      R"re(<box id="boxNew0\d" boxStyle="horizontal"><buttonGroup id="btnGr00\d+"><control idMso="\w+" label="[^"]+"/>)re");
  EXPECT_EQ(Matches(controls, row), 3);
  EXPECT_EQ(Count(controls, "</buttonGroup></box>"), 3);
  EXPECT_EQ(Count(controls, "getVisible"), 1);
  EXPECT_TRUE(doc.ends_with("</buttonGroup></box></group ></tab></tabs></ribbon></customUI>"));
}

TEST(AccessMenuBar, WithoutTheAllMenuTheBarStartsTheNumbering) {
  const std::string doc = AccessDocument(false);
  const std::string_view bar = Box(doc, "boxNew1");
  EXPECT_TRUE(bar.starts_with(
      R"(<box id="boxNew1" boxStyle="horizontal"><menu id="BR32341" label="File" tag = "BR32341">)"));
  EXPECT_EQ(IdsStartingWith(bar, "Dyna"), DynamicMenuIds(7));
  EXPECT_EQ(
      Count(
          bar,
          R"(</menu><button id="sep001" label=" " enabled="false"/><dynamicMenu id="DynaEdit7" label="Edit" getContent = "OnGetContentEdit" getVisible = "OnGetVisibleEdit" invalidateContentOnDrop = "true"/><button id="sep002" label=" " getVisible = "OnGetVisibleEdit" enabled="false"/>)"),
      1);
  EXPECT_EQ(IdsStartingWith(bar, "d2"), (std::vector<std::string>{"d24224025", "d242242"}));
  EXPECT_EQ(Count(bar, R"(id="All)"), 0);
}

TEST(AccessMenuBar, OneMenuCounterNumbersMenusAndDynamicMenusInBothCopies) {
  const std::string doc = AccessDocument(true);
  EXPECT_EQ(IdsStartingWith(AllMenuCopy(doc), "Dyna"), DynamicMenuIds(8));
  EXPECT_EQ(IdsStartingWith(TabCopy(doc), "Dyna"), DynamicMenuIds(31));
  EXPECT_EQ(IdsStartingWith(AllMenuCopy(doc), "Alld2"),
            (std::vector<std::string>{"Alld24224025", "Alld242242"}));
  EXPECT_EQ(IdsStartingWith(TabCopy(doc), "d2"),
            (std::vector<std::string>{"d24224025", "d242242"}));
  EXPECT_TRUE(AllMenuCopy(doc).ends_with(R"(onAction="ShowAbout0"/></menu>)"));
}

TEST(AccessMenuBar, GapsFollowTheTopLevelMenusOnTheTabOnly) {
  const std::string doc = AccessDocument(true);
  EXPECT_EQ(IdsStartingWith(AllMenuCopy(doc), "sep"), std::vector<std::string>{});

  const std::string_view tab = TabCopy(doc);
  // Each dynamic menu takes a gap bound to its own callback.
  const std::regex bound_gap(
      R"re(<dynamicMenu id="Dyna([A-Za-z]+)\d+"[^>]*getVisible = "OnGetVisible\1"[^>]*/><button id="sep00\d+" label=" " getVisible = "OnGetVisible\1" enabled="false"/>)re");
  EXPECT_EQ(Matches(tab, bound_gap), 6);
  // File, Tools and Windows close with a plain gap; Help, the last menu, with none.
  const std::regex plain_gap(
      R"re(</menu><button id="sep00\d+" label=" " enabled="false"/>(<dynamicMenu id="DynaEdit|<menu id="BR3234\d+" label="(Windows|Help)"))re");
  EXPECT_EQ(Matches(tab, plain_gap), 3);
  EXPECT_EQ(Count(tab, R"(label=" ")"), 9);
  EXPECT_TRUE(tab.ends_with(R"(onAction="ShowAbout0"/></menu>)"));
}

TEST(AccessMenuBar, BothCopiesDifferOnlyInNumbersGapsAndThePrefix) {
  const std::string doc = AccessDocument(true);
  std::string inside(AllMenuCopy(doc));
  std::string on_tab(TabCopy(doc));
  const std::regex gaps(
      R"re(<button id="sep00\d+" label=" "( getVisible = "\w+")? enabled="false"/>)re");
  const std::regex numbers(R"((BR3234|msep00|sep00|Dyna[A-Za-z]+)\d+)");
  on_tab = std::regex_replace(std::regex_replace(on_tab, gaps, ""), numbers, "$1#");
  inside = std::regex_replace(inside, numbers, "$1#");
  inside = std::regex_replace(inside, std::regex(R"re(id="All(d\d+)")re"), R"(id="$1")");
  EXPECT_EQ(inside, on_tab);
  EXPECT_EQ(Count(inside, "<menu "), 17);
  EXPECT_EQ(Count(inside, "<dynamicMenu "), 6);
}

TEST(AccessToolbars, FormattingSpacersShowAndHideWithTheRunBeforeThem) {
  const std::string doc = AccessDocument(true);
  const std::string formatting(Slice(doc, R"(<box id="boxNew3")", "</box>"));
  const std::regex spacer(
      R"re(<button id="sep00\d+" label=" "(?: getVisible = "(\w+)")? enabled="false"/>)re");
  const std::regex callback(R"re(getVisible = "(\w+)")re");
  int spacers = 0;
  for (std::sregex_iterator it(formatting.begin(), formatting.end(), spacer), end; it != end;
       ++it, ++spacers) {
    const std::string before = formatting.substr(0, it->position());
    // The run before a spacer is a group (whose start tag holds the callback) or combo boxes.
    const std::string run = before.ends_with("</buttonGroup>")
                                ? before.substr(before.rfind("<buttonGroup "))
                                : before.substr(before.rfind("<comboBox "));
    const std::string start_tag = run.substr(0, run.find('>'));
    std::smatch run_callback;
    ASSERT_TRUE(std::regex_search(start_tag, run_callback, callback)) << start_tag;
    EXPECT_EQ(it->str(1), run_callback.str(1)) << "spacer " << spacers;
  }
  EXPECT_EQ(spacers, 11);

  const std::string_view standard = Box(doc, "boxNew2");
  EXPECT_EQ(Count(standard, "</menu><button"), 0);
  EXPECT_EQ(IdsStartingWith(standard, "btnGr").front(), "btnGr001");
}

// A list as the content builder writes it, with counters of its own.
std::string Played(std::span<const Item> items) {
  MarkupWriter writer;
  PlayItems(writer, items, EmitterForms::kExtended, "");
  return writer.text();
}

std::string WithoutNumbers(std::string text) {
  return std::regex_replace(text, std::regex(R"((BR3234|msep00)\d+)"), "$1#");
}

TEST(AccessDynamicMenus, KindsThatShareAListGetTheSameItems) {
  for (DynamicMenu menu : {DynamicMenu::kEdit, DynamicMenu::kView, DynamicMenu::kInsert}) {
    const access::KindLists& lists = DynamicMenuLists(menu);
    EXPECT_EQ(Played(lists.macro), Played(lists.module)) << static_cast<int>(menu);
  }
  for (DynamicMenu menu : {DynamicMenu::kEdit, DynamicMenu::kView})
    EXPECT_EQ(Played(DynamicMenuLists(menu).macro), Played(DynamicMenuLists(menu).other));
  for (DynamicMenu menu : {DynamicMenu::kEdit, DynamicMenu::kInsert, DynamicMenu::kFormat})
    EXPECT_EQ(Played(DynamicMenuLists(menu).form), Played(DynamicMenuLists(menu).report));
  EXPECT_EQ(Played(DynamicMenuLists(DynamicMenu::kRecords).table),
            Played(DynamicMenuLists(DynamicMenu::kRecords).query));

  // Every Insert list starts with the macro's, which is the Insert head alone.
  const access::KindLists& insert = DynamicMenuLists(DynamicMenu::kInsert);
  const std::string head = Played(insert.macro);
  for (auto list : {insert.table, insert.query, insert.form})
    EXPECT_TRUE(Played(list).starts_with(head));
}

TEST(AccessDynamicMenus, ToolbarMenusHoldTheSameItemsAsTheDynamicLists) {
  const std::string doc = AccessDocument(false);
  // From the Insert menu's start tag to the View menu that follows it.
  const std::string_view insert_menu = Slice(
      Box(doc, "boxNew2"), R"(imageMso="CreateModule" screentip="Insert")", "ViewsDesignView");
  const std::string_view items = insert_menu.substr(insert_menu.find("\">") + 2);
  const std::string toolbar(items.substr(0, items.rfind("</menu><menu id=")));
  EXPECT_EQ(WithoutNumbers(toolbar),
            WithoutNumbers(Played(DynamicMenuLists(DynamicMenu::kInsert).table)));

  const std::string_view query_type =
      Slice(doc, R"(screentip="Query Type" getVisible = "OnGetVisibleQuery0" tag = )", "</menu>");
  const std::string_view types = query_type.substr(query_type.find("\">") + 2);
  EXPECT_NE(WithoutNumbers(Played(DynamicMenuLists(DynamicMenu::kQuery).query))
                .find(WithoutNumbers(std::string(
                    types.substr(0, types.size() - std::string_view("</menu>").size())))),
            std::string::npos);
}

}  // namespace
}  // namespace trelvane
