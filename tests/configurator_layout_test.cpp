#include "configurator/tab_box_layout.h"

#include <gtest/gtest.h>

#include "configurator/hosts.h"

namespace trelvane::configurator {
namespace {

bool Overlap(const TwipsPlace& a, const TwipsPlace& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

bool Inside(const TwipsPlace& inner, const TwipsPlace& outer) {
  return inner.left > outer.left && inner.top > outer.top &&
         inner.left + inner.width < outer.left + outer.width &&
         inner.top + inner.height < outer.top + outer.height;
}

// Word's eight stand where they always stood; every host's boxes go down two columns in table
// order, none overlapping another, all inside the outline, which stays inside the frame (7800 x
// 3435 twips, grown with the rows).
TEST(ConfiguratorLayoutTest, EachHostsTabBoxesStandInsideTheOutlineWithoutOverlapping) {
  const TabBoxLayout word = LayOutTabBoxes(8);
  const int lefts[] = {840, 840, 840, 840, 2520, 2520, 2520, 2520};
  const int tops[] = {1710, 2070, 2430, 2790, 1710, 2070, 2430, 2790};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(word.boxes[i].left, lefts[i]) << i;
    EXPECT_EQ(word.boxes[i].top, tops[i]) << i;
    EXPECT_EQ(word.boxes[i].height, 255) << i;
  }
  EXPECT_EQ(word.growth, 0);
  EXPECT_EQ(word.outline.top, 1470);
  EXPECT_EQ(word.outline.height, 1695);

  for (const HostChoice& host : HostChoices()) {
    const TabBoxLayout layout = LayOutTabBoxes(host.tabs.size());
    ASSERT_EQ(layout.boxes.size(), host.tabs.size());
    const TwipsPlace frame = {0, 0, 7800, 3435 + layout.growth};
    EXPECT_TRUE(Inside(layout.outline, frame)) << host.caption;
    for (std::size_t i = 0; i < layout.boxes.size(); ++i) {
      EXPECT_TRUE(Inside(layout.boxes[i], layout.outline)) << host.caption << " " << i;
      for (std::size_t j = i + 1; j < layout.boxes.size(); ++j)
        EXPECT_FALSE(Overlap(layout.boxes[i], layout.boxes[j])) << host.caption << i << j;
    }
  }
  // PowerPoint's ninth: a fifth row, one row pitch more for the outline and the frame.
  const TabBoxLayout powerpoint = LayOutTabBoxes(9);
  EXPECT_EQ(powerpoint.growth, 360);
  EXPECT_EQ(powerpoint.boxes[4].left, 840);
  EXPECT_EQ(powerpoint.boxes[4].top, 3150);
  EXPECT_EQ(powerpoint.boxes[8].left, 2520);
  EXPECT_EQ(powerpoint.boxes[8].top, 2790);
  // Access's four: one column.
  for (const TwipsPlace& box : LayOutTabBoxes(4).boxes)
    EXPECT_EQ(box.left, 840);
}

}  // namespace
}  // namespace trelvane::configurator
