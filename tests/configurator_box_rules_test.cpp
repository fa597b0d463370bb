#include <gtest/gtest.h>

#include "configurator/options_window.h"
#include "fake_configurator_world.h"

namespace trelvane::configurator {
namespace {

using testing::FakeConfiguratorWorld;
using testing::States;

class ConfiguratorBoxRulesTest : public ::testing::Test {
 protected:
  // Clicks each box in turn, from the window's design-time state (every box cleared).
  std::string AfterClicks(std::initializer_list<int> boxes) {
    OptionsWindow window(world_.seams());
    for (int box : boxes)
      window.ClickBox(box);
    return States(window);
  }
  FakeConfiguratorWorld world_;
};

TEST_F(ConfiguratorBoxRulesTest, TheClassicBoxSetsLeftAndAllOnlyWhenAllOthersAreCleared) {
  EXPECT_EQ(AfterClicks({0}), "1110000000000");
  EXPECT_EQ(AfterClicks({0, 0}), "0000000000000");
  EXPECT_EQ(AfterClicks({0, 0, 0}), "1110000000000");
  EXPECT_EQ(AfterClicks({11, 2, 0}), "0000000000000");
  // Set by another box's rule, it finds that box set and sets nothing more.
  EXPECT_EQ(AfterClicks({2}), "1010000000000");
}

TEST_F(ConfiguratorBoxRulesTest, LeftAndHomeExcludeEachOtherAndEveryChoiceSetsTheClassicBox) {
  EXPECT_EQ(AfterClicks({1}), "1100000000000");
  EXPECT_EQ(AfterClicks({3}), "1001000000000");  // no box 11 for Home
  EXPECT_EQ(AfterClicks({0, 3}), "1011000000000");
  EXPECT_EQ(AfterClicks({0, 3, 1}), "1110000000000");
  EXPECT_EQ(AfterClicks({1, 1}), "1000000000000");  // clearing runs nothing
  for (int box = 4; box <= 10; ++box) {
    std::string expected = "1000000000010";
    expected[box] = '1';
    EXPECT_EQ(AfterClicks({box}), expected) << box;
  }
}

TEST_F(ConfiguratorBoxRulesTest, HideBuiltInTabsSetsAllTabBoxesOnlyWhenNoneIsSet) {
  EXPECT_EQ(AfterClicks({0, 11}), "1011111111110");  // and clears Left, which Home cleared anyway
  EXPECT_EQ(AfterClicks({0, 11, 11}), "1010000000000");
  EXPECT_EQ(AfterClicks({3, 11}), "1001000000010");
  EXPECT_EQ(AfterClicks({0, 8, 11}), "1110000000000");
}

// The rules go by role: the host's first tab is Home, its other tabs set box 11, and box 11
// sets and clears exactly the chosen host's tab boxes.
TEST_F(ConfiguratorBoxRulesTest, EachHostsTabBoxesTakeTheRulesByTheirRole) {
  const auto after = [this](HostOption host, std::initializer_list<int> boxes) {
    OptionsWindow window(world_.seams());
    window.ClickOption(host);
    for (int box : boxes)
      window.ClickBox(box);
    return States(window);
  };
  EXPECT_EQ(after(HostOption::kPowerPoint, {0, 11}), "1011111111111");
  EXPECT_EQ(after(HostOption::kPowerPoint, {0, 11, 11}), "1010000000000");
  EXPECT_EQ(after(HostOption::kPowerPoint, {12}), "1000000000011");  // Format
  EXPECT_EQ(after(HostOption::kPowerPoint, {12, 0}), "0000000000000");
  EXPECT_EQ(after(HostOption::kAccess, {0, 11}), "1011111000010");
  EXPECT_EQ(after(HostOption::kAccess, {0, 6}), "1110001000010");  // Database Tools
  EXPECT_EQ(after(HostOption::kAccess, {0, 6, 11}), "1110000000000");
  EXPECT_EQ(after(HostOption::kAccess, {0, 11, 7, 8, 12}), "1011111000010");  // none of Access's
  EXPECT_EQ(after(HostOption::kExcel, {0, 3, 11}), "1011000000010");
  EXPECT_EQ(after(HostOption::kExcel, {0, 11}), "1011111111110");
}

TEST(ConfiguratorOptionsTest, AClickStoresTheHostAtOnceAndOnlyWhenTheSelectionChanges) {
  FakeConfiguratorWorld world;
  OptionsWindow window(world.seams());
  window.ClickOption(HostOption::kWord);  // already selected
  window.ClickOption(HostOption::kExcel);
  window.ClickOption(HostOption::kExcel);
  window.ClickOption(HostOption::kPowerPoint);
  EXPECT_EQ(world.Logged("write"), (testing::Log{"write Option=2", "write Option=4"}));
  EXPECT_EQ(window.selected(), HostOption::kPowerPoint);
  // Each change of host loads that host's tab keys, and only those, before storing the choice.
  EXPECT_EQ(world.log.size(), 8u + 1u + 9u + 1u);
  EXPECT_EQ(world.log[8], "write Option=2");
  EXPECT_EQ(world.log[17], "read Format");

  // A store that refuses the write costs the stored choice, not the click.
  world.failing.insert("write Option");
  window.ClickOption(HostOption::kAccess);
  EXPECT_EQ(window.selected(), HostOption::kAccess);
  EXPECT_EQ(world.Stored("Option"), "4");
  EXPECT_TRUE(world.messages.empty());
}

}  // namespace
}  // namespace trelvane::configurator
