#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <tuple>
#include <vector>

#include "configurator/host_checks.h"
#include "configurator/options_window.h"
#include "configurator/product.h"
#include "fake_configurator_world.h"

namespace trelvane::configurator {
namespace {

using testing::FakeConfiguratorWorld;
using testing::Log;
using testing::States;

// A fresh world for each case, and the window loaded from it.
struct Loaded {
  explicit Loaded(std::initializer_list<std::pair<const char*, const char*>> stored = {},
                  std::set<std::string> failing = {}) {
    for (const auto& [key, value] : stored)
      world.Store(key, value);
    world.failing = std::move(failing);
    world.files.insert({world.folder + "\\x\\o.cjs", world.folder + "\\HAND-M.CUR"});
    result = window.Load();
  }
  // The call logged `n` after the first `entry`.
  std::string After(const std::string& entry, std::ptrdiff_t n = 1) const {
    const auto at = std::find(world.log.begin(), world.log.end(), entry);
    return world.log.end() - at <= n ? "" : *(at + n);
  }
  FakeConfiguratorWorld world;
  OptionsWindow window{world.seams()};
  bool result = false;
};

TEST(ConfiguratorLoadTest, AFirstStartReadsTheDefaultsInOrderAndSelectsWord) {
  FakeConfiguratorWorld world;  // no skin, no pointer file
  OptionsWindow window(world.seams());
  EXPECT_TRUE(window.Load());
  EXPECT_EQ(world.log, (Log{"centre",
                            "caption Trelvane",
                            "read Classic",
                            "read Left",
                            "read All",
                            "read Option",
                            "read Home",
                            "read Insert",
                            "read Page Layout",
                            "read References",
                            "read Mailings",
                            "read Review",
                            "read View",
                            "read Developer",
                            "read Hide built-in Tabs",
                            "read Option",
                            "probe Word.Application",
                            "probe Excel.Application",
                            "probe Access.Application",
                            "probe PowerPoint.Application",
                            "probe Outlook.Application"}));
  EXPECT_EQ(States(window), "1110000000000");
  EXPECT_EQ(window.selected(), HostOption::kWord);
  EXPECT_TRUE(world.messages.empty());

  Loaded with_files;
  const std::string& folder = with_files.world.folder;
  EXPECT_EQ(Log(with_files.world.log.begin(), with_files.world.log.begin() + 4),
            (Log{"skin " + folder + "\\x\\o.cjs", "centre", "pointer " + folder + "\\HAND-M.CUR",
                 "caption Trelvane"}));
}

TEST(ConfiguratorLoadTest, StoredTabBoxesRunTheirRulesAndBox11ShowsWhatIsStored) {
  EXPECT_EQ(States(Loaded({{"Home", "1"}, {"Hide built-in Tabs", "1"}}).window), "1011000000010");
  // Box 11 is read after the tab boxes, without its rule: set alone it sets no tab box, and
  // cleared in the store it stays cleared although a tab box's rule had set it.
  EXPECT_EQ(States(Loaded({{"Hide built-in Tabs", "1"}}).window), "1110000000010");
  EXPECT_EQ(States(Loaded({{"Classic", "0"}, {"Left", "0"}, {"All", "0"}, {"View", "1"}}).window),
            "1000000001000");
  EXPECT_EQ(States(Loaded({{"Classic", "0"}, {"All", "0"}}).window), "1100000000000");
  // Read as stored numbers are: rounded half to even, blanks and exponents allowed.
  EXPECT_EQ(States(Loaded({{"Classic", "0.5"},
                           {"All", " 0 "},
                           {"Insert", "1e0"},
                           {"Hide built-in Tabs", "1.0"}})
                       .window),
            "1100100000010");
  // Loaded as stored, a later OK stores the same again: no choice is undone by it.
  Loaded again({{"Classic", "1"},
                {"Left", "0"},
                {"All", "0"},
                {"Review", "1"},
                {"Hide built-in Tabs", "1"},
                {"Option", "1"}});
  const std::string before = States(again.window);
  again.window.ClickOk();
  for (const char* key : {"Classic", "Left", "All", "Review", "Hide built-in Tabs", "Option"})
    EXPECT_EQ(again.world.Stored(key),
              (std::string(key) == "Left" || std::string(key) == "All") ? "0" : "1")
        << key << " after " << before;
}

// Each host's own tabs, in its table's order, with its display names as captions and keys;
// only that host's keys are read.
TEST(ConfiguratorLoadTest, TheTabBoxesAreTheStoredHostsOwnTabs) {
  struct Case {
    const char* option;
    HostOption host;
    std::vector<std::string> captions;
  };
  for (const Case& c : {
           Case{"1",
                HostOption::kWord,
                {"Home", "Insert", "Page Layout", "References", "Mailings", "Review", "View",
                 "Developer"}},
           Case{"2",
                HostOption::kExcel,
                {"Home", "Page Layout", "Insert", "Formulas", "Data", "Review", "View",
                 "Developer"}},
           Case{"3", HostOption::kAccess, {"Home", "Create", "External Data", "Database Tools"}},
           Case{"4",
                HostOption::kPowerPoint,
                {"Home", "Insert", "Design", "Animations", "Slide Show", "Review", "View",
                 "Developer", "Format"}},
       }) {
    Loaded loaded({{"Option", c.option}});
    const OptionsWindow& window = loaded.window;
    EXPECT_EQ(window.tab_host(), c.host);
    ASSERT_EQ(window.TabCount(), static_cast<int>(c.captions.size())) << c.option;
    std::vector<std::string> captions, keys, reads;
    for (int index = 0; index < window.TabCount(); ++index) {
      captions.emplace_back(window.BoxCaption(TabBox(index)));
      keys.push_back(window.SettingsKeyOfBox(TabBox(index)));
      reads.push_back("read " + keys.back());
    }
    EXPECT_EQ(captions, c.captions);
    EXPECT_EQ(keys, c.captions);  // a tab's key is its display name, blanks and all
    const Log logged = loaded.world.Logged("read ");
    const auto home = std::find(logged.begin(), logged.end(), "read Home");
    EXPECT_EQ(Log(home, home + static_cast<std::ptrdiff_t>(reads.size()) + 1), [&] {
      Log expected = reads;
      expected.push_back("read Hide built-in Tabs");
      return expected;
    }()) << c.option;
    // The boxes a host lacks show nothing and take no clicks.
    for (int box = 3; box < kBoxCount; ++box) {
      if (box == kHideTabsBox || window.BoxCaption(box) != "")
        continue;
      loaded.window.ClickBox(box);
      EXPECT_FALSE(window.IsSet(box)) << c.option << " box " << box;
      EXPECT_EQ(window.SettingsKeyOfBox(box), "");
    }
  }
  EXPECT_EQ(FixedBoxCaption(kHideTabsBox), "Hide built-in tabs");
  EXPECT_EQ(OptionCaption(HostOption::kWord), " Word");
  // Excel's Formulas and Data, boxes 6 and 7, loaded from the keys the Excel add-in reads.
  EXPECT_EQ(
      States(
          Loaded({{"Option", "2"}, {"Formulas", "1"}, {"Data", "1"}, {"Hide built-in Tabs", "1"}})
              .window),
      "1110001100010");
  EXPECT_EQ(States(Loaded({{"Option", "4"}, {"Format", "1"}, {"Hide built-in Tabs", "1"}}).window),
            "1110000000011");
}

TEST(ConfiguratorLoadTest, AValueNoCheckBoxCanHoldIsReportedAndTheBoxKeepsItsState) {
  struct Case {
    const char *key, *text, *report, *reason;
  };
  for (const Case& c : {
           Case{"Classic", "yes", "Form_Load 128", "\"Classic\" holds \"yes\", which is not a num"},
           Case{"Left", "5", "Form_Load 130", "\"Left\" holds 5, which a check box cannot show"},
           Case{"All", "1e300", "Form_Load 132", "\"All\" holds 1e+300, which does not fit a 16"},
           Case{"Home", "", "Form_Load 136", "\"Home\" holds \"\", which is not a number"},
           Case{"Insert", "32768", "Form_Load 136", "\"Insert\" holds 32768, which does not fit"},
           Case{"Developer", "1.5", "Form_Load 136", "\"Developer\" holds 2, which a check box"},
       }) {
    Loaded loaded({{c.key, c.text}});
    EXPECT_TRUE(loaded.result);
    EXPECT_EQ(loaded.world.Reports(), Log{c.report}) << c.key;
    ASSERT_EQ(loaded.world.messages.size(), 1u);
    EXPECT_TRUE(loaded.world.messages[0].text.starts_with(std::string("setting ") + c.reason))
        << loaded.world.messages[0].text;
    EXPECT_EQ(States(loaded.window), "1110000000000") << c.key;
    EXPECT_EQ(loaded.world.Stored(c.key), c.text);  // nothing written back
  }
}

TEST(ConfiguratorLoadTest, EachFailingStepIsReportedWithItsNumberAndLoadingGoesOnWithTheNext) {
  Loaded loaded({{"Classic", "yes"}}, {"read Insert"});
  ASSERT_EQ(loaded.world.messages.size(), 2u);
  EXPECT_EQ(loaded.world.messages[0].text,
            testing::Join("setting \"Classic\" holds \"yes\", which is not a number\r\n",
                          "in Trelvane2016/06/15.Form1.Form_Load at line 128\r\r",
                          "Please email screenshot of this message to ", kSupportAddress));
  EXPECT_EQ(loaded.world.Reports(), (Log{"Form_Load 128", "Form_Load 136"}));
  EXPECT_EQ(loaded.After("read Classic"), "message Application Error");
  EXPECT_EQ(loaded.After("message Application Error"), "read Left");
  EXPECT_EQ(loaded.After("read Insert", 2), "read Page Layout");
  // An unreadable "Hide built-in Tabs" too, at the same step as the tab boxes.
  EXPECT_EQ(Loaded({{"Hide built-in Tabs", "x"}}).world.Reports(), Log{"Form_Load 136"});

  for (const auto& [call, report, next] : {std::tuple{"skin", "Form_Load 100", "centre"},
                                           {"centre", "Form_Load 102", "pointer"},
                                           {"pointer", "Form_Load 106", "caption Trelvane"},
                                           {"caption", "Form_Load 126", "read Classic"}}) {
    Loaded window_failing({}, {call});
    EXPECT_TRUE(window_failing.result);
    EXPECT_EQ(window_failing.world.Reports(), Log{report});
    EXPECT_TRUE(window_failing.After("message Application Error").starts_with(next)) << call;
  }
}

TEST(ConfiguratorLoadTest, EachTestOfTheStoredHostReadsItAfreshAndASelectionWritesItBack) {
  for (const auto& [stored, host, reads, writes] :
       {std::tuple{"1", HostOption::kWord, 2u, Log{}},
        {"2", HostOption::kExcel, 3u, Log{"write Option=2"}},
        {"3.0", HostOption::kAccess, 4u, Log{"write Option=3"}},
        {"4", HostOption::kPowerPoint, 5u, Log{"write Option=4"}},
        {"5", HostOption::kOutlook, 6u, Log{"write Option=5"}},
        {"7", HostOption::kWord, 6u, Log{}}}) {
    Loaded loaded({{"Option", stored}});
    EXPECT_EQ(loaded.window.selected(), host) << stored;
    EXPECT_EQ(loaded.world.Logged("read Option").size(), reads) << stored;
    EXPECT_EQ(loaded.world.Logged("write"), writes) << stored;
    EXPECT_TRUE(loaded.world.messages.empty());
  }
  // Unreadable: reported, then Word, as when the test holds; a failed write-back is reported too.
  Loaded unreadable({{"Option", "Excel"}});
  EXPECT_EQ(unreadable.world.Reports(), Log{"Form_Load 138"});
  EXPECT_EQ(unreadable.window.selected(), HostOption::kWord);
  EXPECT_EQ(unreadable.After("message Application Error"), "probe Word.Application");
  EXPECT_EQ(unreadable.window.tab_host(), HostOption::kWord);
  for (const auto& [stored, report] :
       {std::pair{"2", "Form_Load 144"}, {"3", "Form_Load 148"}, {"4", "Form_Load 152"}}) {
    Loaded unwritable({{"Option", stored}}, {"write Option"});
    EXPECT_EQ(unwritable.world.Reports(), Log{report});
    EXPECT_EQ(static_cast<int>(unwritable.window.selected()), std::atoi(stored));
  }
}

TEST(ConfiguratorLoadTest, HostsAreFoundByTheirLocalServersFileAndAMissingChoiceFallsBack) {
  // Excel's class is unregistered, Access's server file is gone, PowerPoint's probe fails; the
  // stored choice, Excel, falls back to the first host that is there, Word, and is stored.
  FakeConfiguratorWorld world;
  world.Store("Option", "2");
  world.Store("Formulas", "1");
  world.servers.erase("Excel.Application");
  world.files.erase("C:\\Office\\MSACCESS.EXE");
  world.failing = {"probe PowerPoint.Application"};
  OptionsWindow window(world.seams());
  EXPECT_TRUE(window.Load());
  EXPECT_TRUE(world.messages.empty());
  EXPECT_TRUE(window.IsInstalled(HostOption::kWord));
  EXPECT_FALSE(window.IsInstalled(HostOption::kExcel));
  EXPECT_FALSE(window.IsInstalled(HostOption::kAccess));
  EXPECT_FALSE(window.IsInstalled(HostOption::kPowerPoint));
  EXPECT_EQ(window.selected(), HostOption::kWord);
  EXPECT_EQ(window.tab_host(), HostOption::kWord);
  EXPECT_EQ(world.Stored("Option"), "1");
  EXPECT_EQ(States(window), "1110000000000");  // Excel's Formulas went with Excel's boxes
  world.log.clear();
  window.ClickOption(HostOption::kExcel);  // disabled: nothing happens
  EXPECT_EQ(window.selected(), HostOption::kWord);
  EXPECT_TRUE(world.log.empty());

  // A class registered in the other view too: one server that exists is enough.
  FakeConfiguratorWorld views;
  views.servers["Word.Application"] = {"C:\\Old\\WINWORD.EXE", "C:\\Office\\WINWORD.EXE"};
  views.Store("Option", "3");
  views.servers.erase("Access.Application");
  OptionsWindow other(views.seams());
  EXPECT_TRUE(other.Load());
  EXPECT_TRUE(other.IsInstalled(HostOption::kWord));
  EXPECT_EQ(other.selected(), HostOption::kWord);
}

TEST(ConfiguratorLoadTest, WithNoHostInstalledOneMessageNamesThemAndTheProgramEnds) {
  FakeConfiguratorWorld world;
  world.servers.clear();
  OptionsWindow window(world.seams());
  EXPECT_FALSE(window.Load());
  EXPECT_TRUE(window.closed());
  EXPECT_EQ(Log(world.log.end() - 7, world.log.end()),
            (Log{"probe Word.Application", "probe Excel.Application", "probe Access.Application",
                 "probe PowerPoint.Application", "probe Outlook.Application", "message Trelvane",
                 "close"}));
  ASSERT_EQ(world.messages.size(), 1u);
  const std::string& text = world.messages[0].text;
  for (const char* host : {"Word", "Excel", "Access", "PowerPoint", "Outlook"})
    EXPECT_NE(text.find(host), std::string::npos) << host;
  EXPECT_EQ(world.messages[0].icon, MessageIcon::kNone);
  const std::size_t logged = world.log.size();
  window.ClickOk();  // a closed window takes no more clicks
  window.ClickOption(HostOption::kAccess);
  EXPECT_EQ(world.log.size(), logged);
}

TEST(ConfiguratorLoadTest, TheServerProgramIsTakenFromTheRegisteredCommandLine) {
  EXPECT_EQ(ServerProgram("\"C:\\Program Files\\Office\\EXCEL.EXE\" /automation"),
            "C:\\Program Files\\Office\\EXCEL.EXE");
  EXPECT_EQ(ServerProgram("C:\\Program Files\\Office 14\\WINWORD.EXE /Automation"),
            "C:\\Program Files\\Office 14\\WINWORD.EXE");
  EXPECT_EQ(ServerProgram("  C:\\Office\\POWERPNT.exe  "), "C:\\Office\\POWERPNT.exe");
  EXPECT_EQ(ServerProgram("C:\\a.exer\\MSACCESS.EXE"), "C:\\a.exer\\MSACCESS.EXE");
  EXPECT_EQ(ServerProgram("\"C:\\unclosed\\x.exe"), "C:\\unclosed\\x.exe");
  EXPECT_EQ(ServerProgram("C:\\Office\\host"), "C:\\Office\\host");
  EXPECT_EQ(ServerProgram("   "), "");
}

}  // namespace
}  // namespace trelvane::configurator
