#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "configurator/options_window.h"
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
    world.files = {world.folder + "\\x\\o.cjs", world.folder + "\\HAND-M.CUR"};
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
  EXPECT_EQ(world.log,
            (Log{"centre", "caption Trelvane", "read Classic", "read Left", "read All", "read Home",
                 "read Insert", "read Page Layout", "read References", "read View", "read Review",
                 "read Mailings", "read Developer", "read Option", "excel", "word"}));
  EXPECT_EQ(States(window), "111000000000");
  EXPECT_EQ(window.selected(), HostOption::kWord);
  EXPECT_TRUE(world.messages.empty());

  Loaded with_files;
  const std::string& folder = with_files.world.folder;
  EXPECT_EQ(Log(with_files.world.log.begin(), with_files.world.log.begin() + 4),
            (Log{"skin " + folder + "\\x\\o.cjs", "centre", "pointer " + folder + "\\HAND-M.CUR",
                 "caption Trelvane"}));
}

TEST(ConfiguratorLoadTest, StoredBoxesRunTheirRulesAsTheyAreReadAndBox11IsNeverRead) {
  EXPECT_EQ(States(Loaded({{"Home", "1"}, {"Hide built-in Tabs", "1"}}).window), "101100000000");
  EXPECT_EQ(States(Loaded({{"Classic", "0"}, {"Left", "0"}, {"All", "0"}, {"View", "1"}}).window),
            "100000010001");
  EXPECT_EQ(States(Loaded({{"Classic", "0"}, {"All", "0"}}).window), "110000000000");
  // Read as stored numbers are: rounded half to even, blanks and exponents allowed.
  EXPECT_EQ(States(Loaded({{"Classic", "0.5"}, {"All", " 0 "}, {"Insert", "1e0"}}).window),
            "110010000001");
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
    EXPECT_EQ(States(loaded.window), "111000000000") << c.key;
    EXPECT_EQ(loaded.world.Stored(c.key), c.text);  // nothing written back
  }
}

TEST(ConfiguratorLoadTest, EachFailingStepIsReportedWithItsNumberAndLoadingGoesOnWithTheNext) {
  Loaded loaded({{"Classic", "yes"}}, {"read Insert"});
  ASSERT_EQ(loaded.world.messages.size(), 2u);
  EXPECT_EQ(loaded.world.messages[0].text,
            "setting \"Classic\" holds \"yes\", which is not a number\r\n"
            "in Trelvane2016/06/15.Form1.Form_Load at line 128\r\r"
            "Please email screenshot of this message to support@trelvane.example");
  EXPECT_EQ(loaded.world.Reports(), (Log{"Form_Load 128", "Form_Load 136"}));
  EXPECT_EQ(loaded.After("read Classic"), "message Application Error");
  EXPECT_EQ(loaded.After("message Application Error"), "read Left");
  EXPECT_EQ(loaded.After("read Insert", 2), "read Page Layout");

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
       {std::tuple{"1", HostOption::kWord, 1u, Log{}},
        {"2", HostOption::kExcel, 2u, Log{"write Option=2"}},
        {"3.0", HostOption::kAccess, 3u, Log{"write Option=3"}},
        {"4", HostOption::kPowerPoint, 4u, Log{"write Option=4"}},
        {"7", HostOption::kWord, 4u, Log{}}}) {
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
  EXPECT_EQ(unreadable.After("message Application Error"), "excel");
  for (const auto& [stored, report] :
       {std::pair{"2", "Form_Load 144"}, {"3", "Form_Load 148"}, {"4", "Form_Load 152"}}) {
    Loaded unwritable({{"Option", stored}}, {"write Option"});
    EXPECT_EQ(unwritable.world.Reports(), Log{report});
    EXPECT_EQ(static_cast<int>(unwritable.window.selected()), std::atoi(stored));
  }
}

TEST(ConfiguratorLoadTest, WithoutExcelTheProgramEndsAfterItsMessageWithoutWordItGoesOn) {
  FakeConfiguratorWorld world;
  world.excel_installed = false;
  OptionsWindow window(world.seams());
  EXPECT_FALSE(window.Load());
  EXPECT_TRUE(window.closed());
  EXPECT_EQ(Log(world.log.end() - 3, world.log.end()), (Log{"excel", "message Trelvane", "close"}));
  ASSERT_EQ(world.messages.size(), 1u);
  EXPECT_EQ(world.messages[0].text,
            "Error -214878392\r\n\r\nExcel is required to run this software. It is not installed "
            "on this computer.\r\n\r\nPlease email a screenshot of this error message to "
            "support@trelvane.example if you have any questions.");
  EXPECT_EQ(world.messages[0].icon, MessageIcon::kNone);
  const std::size_t logged = world.log.size();
  window.ClickOk();  // a closed window takes no more clicks
  window.ClickOption(HostOption::kAccess);
  EXPECT_EQ(world.log.size(), logged);

  world = FakeConfiguratorWorld();
  world.word_installed = false;
  OptionsWindow without_word(world.seams());
  EXPECT_TRUE(without_word.Load());
  EXPECT_FALSE(without_word.closed());
  EXPECT_EQ(Log(world.log.end() - 2, world.log.end()), (Log{"word", "message Trelvane"}));
  ASSERT_EQ(world.messages.size(), 1u);
  EXPECT_EQ(world.messages[0].text,
            "Word is not installed on this computer. You need to have it installed to use this "
            "software without error.");
  EXPECT_EQ(world.messages[0].icon, MessageIcon::kNone);
}

}  // namespace
}  // namespace trelvane::configurator
