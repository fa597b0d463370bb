#include "configurator/tab_box_layout.h"

#include <algorithm>

namespace trelvane::configurator {
namespace {

constexpr int kRows = 4;
constexpr int kFirstTop = 1710;
constexpr int kRowPitch = 360;
constexpr int kBoxHeight = 255;
// Each column as wide as the longest caption any host puts there needs ("Database Tools",
// "Developer"), and clear of the next column and of the outline's right edge.
constexpr TwipsPlace kColumns[] = {{840, 0, 1620, 0}, {2520, 0, 1275, 0}};
constexpr int kColumnGap = 60;      // from one column's right edge to the next's left
constexpr int kOutlineInside = 60;  // from the last column's right edge to the outline's
constexpr TwipsPlace kOutline = {480, 1470, 3375, 1695};

}  // namespace

TabBoxLayout LayOutTabBoxes(std::size_t count, std::span<const int> needed) {
  const int rows = std::max<int>(kRows, static_cast<int>((count + 1) / 2));
  TabBoxLayout layout;
  layout.growth = (rows - kRows) * kRowPitch;
  layout.outline = kOutline;
  layout.outline.height += layout.growth;
  TwipsPlace columns[] = {kColumns[0], kColumns[1]};
  for (std::size_t i = 0; i < count && i < needed.size(); ++i) {
    TwipsPlace& column = columns[std::min<std::size_t>(i / rows, 1)];
    column.width = std::max(column.width, needed[i]);
  }
  columns[1].left = std::max(columns[1].left, columns[0].left + columns[0].width + kColumnGap);
  const TwipsPlace& last = columns[count > static_cast<std::size_t>(rows) ? 1 : 0];
  layout.outline.width =
      std::max(layout.outline.width, last.left + last.width + kOutlineInside - kOutline.left);
  for (std::size_t i = 0; i < count; ++i) {
    const TwipsPlace& column = columns[std::min<std::size_t>(i / rows, 1)];
    const int row = static_cast<int>(i % rows);
    layout.boxes.push_back({column.left, kFirstTop + row * kRowPitch, column.width, kBoxHeight});
  }
  return layout;
}

}  // namespace trelvane::configurator
