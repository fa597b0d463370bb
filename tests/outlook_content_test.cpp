// Structure of the Outlook document: the frame and its tab, the Home key's many tabs per Office
// version, the two copies of the bar, the toolbars' icons, and the one ribbon Outlook is answered
// for.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "excel/excel_host.h"
#include "outlook/outlook_host.h"
#include "tests/document_scan.h"

namespace trelvane {
namespace {

using testing::Box;
using testing::Count;
using testing::Ids;
using testing::IdsStartingWith;

// The document for `version` ("14.0", ...) with `settings` ("Key=Value") and the rest default.
std::string OutlookDocument(const char* version, std::initializer_list<const char*> settings = {}) {
  testing::SettingValues values;
  for (const std::string_view setting : settings) {
    const auto equals = setting.find('=');
    values.emplace_back(setting.substr(0, equals), setting.substr(equals + 1));
  }
  return testing::BuildDocument(outlook::OutlookHost(), values, version).document;
}

std::vector<std::string> Hidden(std::string_view document) {
  std::vector<std::string> tabs;
  const std::regex hidden(R"re(<tab idMso="(\w+)" visible="false"/>)re");
  const std::string text(document);
  for (std::sregex_iterator it(text.begin(), text.end(), hidden), end; it != end; ++it)
    tabs.push_back((*it)[1]);
  return tabs;
}

TEST(OutlookDocument, PutsTheClassicTabBeforeTheMailHomeTabAndIsTheSameForEveryVersion) {
  const std::string doc = OutlookDocument("14.0");
  EXPECT_TRUE(doc.starts_with(
      R"(<customUI xmlns="http://schemas.microsoft.com/office/2006/01/customui" ><ribbon><tabs>)"
      R"(<tab id="Menus" label="Classic" insertBeforeMso="TabMail"><group id="ToolsPanel" )"
      R"(label="Tools panel"><box id="boxNew1" boxStyle="horizontal"><menu id="BR32341" )"
      R"(label="All" tag = "BR32341"><menu id="BR32342" label="File" tag = "BR32342">)"));
  const auto ids = Ids(doc);
  EXPECT_EQ(ids.size(), 159u);
  EXPECT_EQ(std::set<std::string>(ids.begin(), ids.end()).size(), ids.size());
  // Every control is in every published list, so no version changes a thing.
  EXPECT_EQ(OutlookDocument("15.0"), doc);
  EXPECT_EQ(OutlookDocument("16.0"), doc);
  EXPECT_EQ(Count(OutlookDocument("14.0", {"Left=0"}), R"(<tab id="Menus" label="Classic">)"), 1);
}

TEST(OutlookTabs, HomeHidesEveryModulesHomeTabThatTheVersionHas) {
  const std::vector<std::string> modules = {"TabMail",     "TabCalendar", "TabCalendarTableView",
                                            "TabContacts", "TabTasks",    "TabNotes",
                                            "TabJournals"};
  std::vector<std::string> with_groups = modules;
  with_groups.push_back("TabHomeGroup");
  EXPECT_EQ(Hidden(OutlookDocument("14.0", {"Hide built-in Tabs=1", "Home=1"})), modules);
  EXPECT_EQ(Hidden(OutlookDocument("15.0", {"Hide built-in Tabs=1", "Home=1"})), modules);
  EXPECT_EQ(Hidden(OutlookDocument("16.0", {"Hide built-in Tabs=1", "Home=1"})), with_groups);

  // The other keys hide one tab each, after Home's in table order.
  with_groups.insert(with_groups.end(), {"TabFolder", "TabAddIns"});
  EXPECT_EQ(Hidden(OutlookDocument(
                "16.0", {"Hide built-in Tabs=1", "Add-ins=1", "Home=1", "Folder=1", "View=0"})),
            with_groups);
  EXPECT_EQ(Hidden(OutlookDocument("15.0", {"Hide built-in Tabs=1", "Send / Receive=1"})),
            std::vector<std::string>{"TabSendReceive"});

  // Six keys, whatever number of tabs Home stands for: all six start the ribbon from scratch.
  const std::string scratch =
      OutlookDocument("16.0", {"Hide built-in Tabs=1", "Home=1", "Send / Receive=1", "Folder=1",
                               "View=1", "Developer=1", "Add-ins=1"});
  EXPECT_NE(scratch.find(R"(<ribbon startFromScratch="true"><tabs><tab id="Menus")"),
            std::string::npos);
  EXPECT_EQ(Count(scratch, "<tab idMso="), 0);
  EXPECT_EQ(Count(OutlookDocument("16.0", {"Hide built-in Tabs=1", "Help=1"}), "<tab idMso="), 0);
}

TEST(OutlookDocument, EachCopyOfTheBarHasSevenMenusAndOnlyTheTabCopyHasGaps) {
  const std::string doc = OutlookDocument("14.0");
  const auto tab_bar = doc.find(R"(<menu id="BR323425" label="File")");
  ASSERT_NE(tab_bar, std::string::npos);
  const std::string_view all_copy = std::string_view(doc).substr(0, tab_bar);
  const std::string_view tab_copy = Box(doc, "boxNew1").substr(tab_bar - doc.find("<box id="));
  for (const std::string_view copy : {all_copy, tab_copy}) {
    EXPECT_EQ(Count(copy, "<menuSeparator "), 39);
    EXPECT_EQ(Count(copy, "<control "), 131);
    EXPECT_EQ(Count(copy, R"(<control idMso="EmptyTrash" label="Empty &quot;Deleted Items&quot; )"
                          R"(Folder"/>)"),
              1);
  }
  // The All menu's one gap follows it; on the tab a gap stands between the seven menus.
  EXPECT_EQ(IdsStartingWith(all_copy, "sep"), std::vector<std::string>{"sep001"});
  EXPECT_EQ(IdsStartingWith(tab_copy, "sep").size(), 6u);
  EXPECT_EQ(Count(tab_copy, R"(</menu><button id="sep00)"), 6);
  // Help ends with the add-in's own two buttons, prefixed inside the All menu.
  EXPECT_EQ(Count(all_copy, R"(<button id="Alld24224025" label="Uninstall Trelvane")"), 1);
  EXPECT_TRUE(tab_copy.ends_with(
      R"(<control idMso="About" label="About Microsoft Outlook"/><menuSeparator id="msep0077d"/>)"
      R"(<button id="d24224025" label="Uninstall Trelvane" screentip="You can )"
      R"(uninstall using this option." onAction="Uninstall0"/><menuSeparator id="msep0078d"/>)"
      R"(<button id="d242242" label="About Trelvane" onAction="ShowAbout0"/>)"
      R"(</menu></box>)"));
}

TEST(OutlookToolbars, AreIconsWithScreentipsInGroupsWithGapsOfTheirRowsWidth) {
  const std::string doc = OutlookDocument("14.0", {"All=0"});
  const std::string_view standard = Box(doc, "boxNew2");
  const std::string_view advanced = Box(doc, "boxNew3");
  EXPECT_EQ(Count(standard, "<control "), 13);
  EXPECT_EQ(Count(advanced, "<control "), 11);
  for (const std::string_view row : {standard, advanced}) {
    EXPECT_EQ(Count(row, "<control "), Count(row, R"(showLabel="false"/>)"));
    EXPECT_EQ(Count(row, " label="), Count(row, "enabled=\"false\""));  // the gaps alone
    EXPECT_EQ(Count(row, "<buttonGroup "), Count(row, "</buttonGroup>"));
  }
  EXPECT_EQ(Count(standard, R"(label="  " enabled="false")"), 5);
  EXPECT_EQ(Count(advanced, R"(label=" " enabled="false")"), 3);
  // The contact box stands in the row after a gap, the Help group straight after it.
  EXPECT_EQ(Count(standard, R"( enabled="false"/><control idMso="FindContactCombo" )"
                            R"(showLabel="false"/><buttonGroup id=)"),
            1);
  EXPECT_EQ(Count(advanced, R"(<control idMso="CurrentViewGallery" screentip="Current View" )"
                            R"(showLabel="false"/>)"),
            1);
}

TEST(OutlookRibbons, OnlyTheMainWindowIsAnsweredWhereOtherHostsAnswerAnyRibbon) {
  const HostProfile& outlook = outlook::OutlookHost();
  EXPECT_TRUE(outlook.AnswersRibbon("Microsoft.Outlook.Explorer"));
  for (const char* other : {"Microsoft.Outlook.Mail.Compose", "Microsoft.Outlook.Mail.Read", "",
                            "microsoft.outlook.explorer", "Microsoft.Outlook.Explorer "}) {
    EXPECT_FALSE(outlook.AnswersRibbon(other)) << other;
  }
  for (const char* any : {"Microsoft.Excel.Workbook", "", "Microsoft.Outlook.Mail.Read"})
    EXPECT_TRUE(excel::ExcelHost().AnswersRibbon(any)) << any;
}

}  // namespace
}  // namespace trelvane
