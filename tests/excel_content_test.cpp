// Structure of the Excel document: id ranges, counts and fixed points that a slip in the
// content tables or in the id machinery would move.
#include <gtest/gtest.h>

#include <set>

#include "excel/excel_host.h"
#include "tests/document_scan.h"

namespace trelvane {
namespace {

using testing::Box;
using testing::Count;
using testing::Ids;
using testing::IdsStartingWith;
using testing::Slice;

constexpr std::string_view kAllMenuStart = R"(<menu id="AddAll0" label="All">)";
constexpr std::string_view kTabBarStart = R"(<menu id="B30002" label="File")";

std::string ExcelDocument(bool all_menu) {
  return testing::BuildDocument(excel::ExcelHost(), all_menu).document;
}

// The copy of the bar inside the All menu, and the copy on the tab (up to the end of boxNew1).
std::string_view AllMenuCopy(std::string_view doc) {
  const auto begin = doc.find(kAllMenuStart) + kAllMenuStart.size();
  return doc.substr(begin, doc.find(kTabBarStart) - begin);
}
std::string_view TabCopy(std::string_view doc) {
  const auto begin = doc.find(kTabBarStart);
  return doc.substr(begin, doc.find(R"(<box id="boxNew2")") - begin);
}

std::vector<std::string> Numbered(std::string_view prefix, int first, int last,
                                  std::string_view suffix = "") {
  std::vector<std::string> ids;
  for (int n = first; n <= last; ++n)
    ids.push_back(std::string(prefix) + std::to_string(n) + std::string(suffix));
  return ids;
}

TEST(ExcelDocument, DefaultDocumentBeginsAsTheFrameSaysAndHas172DistinctIds) {
  const std::string doc = ExcelDocument(true);
  EXPECT_TRUE(doc.starts_with(
      R"(<customUI xmlns="http://schemas.microsoft.com/office/2006/01/customui" ><ribbon><tabs>)"
      R"(<tab id="Menus" label="Classic" insertBeforeMso="TabHome"><group id="ToolsPanel" )"
      R"(label="Tools panel"><box id="boxNew1" boxStyle="horizontal"><menu id="AddAll0" )"
      R"(label="All"><menu id="AllB30002" label="File" tag = "B30002"><control idMso="FileNew"/>)"));
  const auto ids = Ids(doc);
  EXPECT_EQ(ids.size(), 172u);
  EXPECT_EQ(std::set<std::string>(ids.begin(), ids.end()).size(), ids.size());
}

TEST(ExcelDocument, EachCopyOfTheBarHas36SeparatorsAndOnlyTheTabCopyHasGaps) {
  const std::string doc = ExcelDocument(true);
  EXPECT_EQ(IdsStartingWith(AllMenuCopy(doc), "msep"), Numbered("msep00", 1, 36, "d"));
  EXPECT_EQ(IdsStartingWith(AllMenuCopy(doc), "sep"), std::vector<std::string>{"sep001"});
  EXPECT_TRUE(
      AllMenuCopy(doc).ends_with(R"(</menu><button id="sep001" label=" " enabled="false"/>)"));
  EXPECT_EQ(IdsStartingWith(TabCopy(doc), "msep"), Numbered("msep00", 37, 72, "d"));
  EXPECT_EQ(IdsStartingWith(TabCopy(doc), "sep"), Numbered("sep00", 2, 9));
  // The gaps stand between the nine menus, none after Help.
  EXPECT_EQ(Count(TabCopy(doc), R"(</menu><button id="sep00)"), 8);
  EXPECT_TRUE(TabCopy(doc).ends_with(R"(onAction="ShowAbout0"/></menu></box>)"));

  const std::string alone = ExcelDocument(false);
  EXPECT_EQ(IdsStartingWith(TabCopy(alone), "msep"), Numbered("msep00", 1, 36, "d"));
  EXPECT_EQ(IdsStartingWith(TabCopy(alone), "sep"), Numbered("sep00", 1, 8));
  EXPECT_EQ(Count(alone, "AddAll0"), 0);
}

TEST(ExcelDocument, BothCopiesCarryTheSameTagsWithIdsDifferingOnlyByThePrefix) {
  const std::string doc = ExcelDocument(true);
  std::string inside(AllMenuCopy(doc));
  inside.erase(inside.rfind("<button id=\"sep001\""));  // the gap after the All menu
  std::vector<std::string> inside_ids;
  for (const auto& id : Ids(inside)) {
    if (id.rfind("msep", 0) == 0)
      continue;
    ASSERT_TRUE(id.starts_with("All")) << id;
    inside_ids.push_back(id.substr(3));
  }
  std::vector<std::string> tab_ids;
  for (const auto& id : Ids(TabCopy(doc))) {
    if (id.rfind("msep", 0) != 0 && id.rfind("sep", 0) != 0)
      tab_ids.push_back(id);
  }
  EXPECT_EQ(inside_ids, tab_ids);
  EXPECT_EQ(inside_ids.size(), 29u);  // 9 menus, 18 submenus, the two Help buttons
  // Tags are never prefixed: every tag stands once in each copy.
  EXPECT_EQ(Count(inside, "tag = \"All"), 0);
  EXPECT_EQ(Count(inside, "tag = "), Count(TabCopy(doc), "tag = "));
  EXPECT_EQ(Count(inside, R"(<menu id="AllB30010" label="Help" tag = "B30010">)"), 1);
  EXPECT_EQ(Count(doc, R"(id="Alld24224025")") + Count(doc, R"(id="Alld242242")"), 2);
}

TEST(ExcelToolbars, UseTheIdRangesThatFollowTheMenuBar) {
  const std::string on = ExcelDocument(true);
  EXPECT_EQ(IdsStartingWith(Box(on, "boxNew2"), "btnGr"), Numbered("btnGr00", 1, 8));
  EXPECT_EQ(IdsStartingWith(Box(on, "boxNew2"), "sep"), Numbered("sep00", 10, 15));
  EXPECT_EQ(IdsStartingWith(Box(on, "boxNew2"), "msep"), Numbered("msep00", 73, 75, "d"));
  EXPECT_EQ(IdsStartingWith(Box(on, "boxNew3"), "btnGr"), Numbered("btnGr00", 9, 12));
  EXPECT_EQ(IdsStartingWith(Box(on, "boxNew3"), "sep"), Numbered("sep00", 16, 18));
  EXPECT_EQ(IdsStartingWith(Box(on, "boxNew3"), "msep"), std::vector<std::string>{});

  const std::string off = ExcelDocument(false);
  EXPECT_EQ(IdsStartingWith(Box(off, "boxNew2"), "btnGr"), Numbered("btnGr00", 1, 8));
  EXPECT_EQ(IdsStartingWith(Box(off, "boxNew2"), "sep"), Numbered("sep00", 9, 14));
  EXPECT_EQ(IdsStartingWith(Box(off, "boxNew2"), "msep"), Numbered("msep00", 37, 39, "d"));
  EXPECT_EQ(IdsStartingWith(Box(off, "boxNew3"), "btnGr"), Numbered("btnGr00", 9, 12));
  EXPECT_EQ(IdsStartingWith(Box(off, "boxNew3"), "sep"), Numbered("sep00", 15, 17));
}

TEST(ExcelToolbars, GroupsFrameTheStandardRowAndGapsHaveTheirRowsWidth) {
  const std::string doc = ExcelDocument(true);
  const std::string_view standard = Box(doc, "boxNew2");
  const std::string_view formatting = Box(doc, "boxNew3");
  EXPECT_TRUE(standard.starts_with(R"(<box id="boxNew2" boxStyle="horizontal"><buttonGroup )"));
  EXPECT_TRUE(standard.ends_with("</buttonGroup></box>"));
  EXPECT_EQ(Count(standard, R"(label="  " enabled="false")"), 6);
  EXPECT_EQ(Count(formatting, R"(label=" " enabled="false")"), 3);
  EXPECT_EQ(Count(standard, "<buttonGroup "), Count(standard, "</buttonGroup>"));
  EXPECT_EQ(Count(standard, "<menu "), Count(standard, "</menu>"));
  // The print group runs straight into the proofing group.
  EXPECT_EQ(Count(standard, R"(<control idMso="PageSetupPageDialog" showLabel="false"/>)"
                            R"(</buttonGroup><buttonGroup )"),
            1);
}

TEST(ExcelDocument, KeepsItsExactTextsWhereBlanksAndEllipsisMatter) {
  const std::string doc = ExcelDocument(false);
  EXPECT_EQ(
      Count(
          doc,
          R"(<control idMso="FileSaveAsExcel97_2003" label="Save as …  Excel 97-2003 WorkBook"/>)"),
      1);
  EXPECT_EQ(
      Count(
          doc,
          R"(<control idMso="FileSaveAsExcel97_2003" screentip="Save as …  Excel 97-2003 WorkBook" showLabel="false"/>)"),
      1);
  EXPECT_EQ(Count(doc, "</group ></tab></tabs></ribbon></customUI>"), 1);
}

}  // namespace
}  // namespace trelvane
