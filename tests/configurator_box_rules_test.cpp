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
  EXPECT_EQ(AfterClicks({0}), "111000000000");
  EXPECT_EQ(AfterClicks({0, 0}), "000000000000");
  EXPECT_EQ(AfterClicks({0, 0, 0}), "111000000000");
  EXPECT_EQ(AfterClicks({11, 2, 0}), "000000000000");
  // Set by another box's rule, it finds that box set and sets nothing more.
  EXPECT_EQ(AfterClicks({2}), "101000000000");
}

TEST_F(ConfiguratorBoxRulesTest, LeftAndHomeExcludeEachOtherAndEveryChoiceSetsTheClassicBox) {
  EXPECT_EQ(AfterClicks({1}), "110000000000");
  EXPECT_EQ(AfterClicks({3}), "100100000000");  // no box 11 for Home
  EXPECT_EQ(AfterClicks({0, 3}), "101100000000");
  EXPECT_EQ(AfterClicks({0, 3, 1}), "111000000000");
  EXPECT_EQ(AfterClicks({1, 1}), "100000000000");  // clearing runs nothing
  for (int box = 4; box <= 10; ++box) {
    std::string expected = "100000000001";
    expected[box] = '1';
    EXPECT_EQ(AfterClicks({box}), expected) << box;
  }
}

TEST_F(ConfiguratorBoxRulesTest, HideBuiltInTabsSetsAllTabBoxesOnlyWhenNoneIsSet) {
  EXPECT_EQ(AfterClicks({0, 11}), "101111111111");  // and clears Left, which Home cleared anyway
  EXPECT_EQ(AfterClicks({0, 11, 11}), "101000000000");
  EXPECT_EQ(AfterClicks({3, 11}), "100100000001");
  EXPECT_EQ(AfterClicks({0, 8, 11}), "111000000000");
}

TEST(ConfiguratorOptionsTest, AClickStoresTheHostAtOnceAndOnlyWhenTheSelectionChanges) {
  FakeConfiguratorWorld world;
  OptionsWindow window(world.seams());
  window.ClickOption(HostOption::kWord);  // already selected
  window.ClickOption(HostOption::kExcel);
  window.ClickOption(HostOption::kExcel);
  window.ClickOption(HostOption::kPowerPoint);
  EXPECT_EQ(world.log, (testing::Log{"write Option=2", "write Option=4"}));
  EXPECT_EQ(window.selected(), HostOption::kPowerPoint);

  // A store that refuses the write costs the stored choice, not the click.
  world.failing.insert("write Option");
  window.ClickOption(HostOption::kAccess);
  EXPECT_EQ(window.selected(), HostOption::kAccess);
  EXPECT_EQ(world.Stored("Option"), "4");
  EXPECT_TRUE(world.messages.empty());
}

}  // namespace
}  // namespace trelvane::configurator
