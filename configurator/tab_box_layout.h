// Where the chosen host's tab boxes stand in the options frame: in table order down two columns
// of four rows, which is where Word's eight have always stood. A host with more than eight tabs
// gets more rows, and the outline around the boxes, the frame and the window grow by them.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace trelvane::configurator {

// Left, top, width and height in twips, relative to the container.
struct TwipsPlace {
  int left, top, width, height;
};

struct TabBoxLayout {
  std::vector<TwipsPlace> boxes;  // in the options frame, in table order
  TwipsPlace outline;             // in the options frame
  int growth = 0;  // twips added below the outline: to the frame, the window, the buttons' top
};

// `needed`: the width in twips each box's caption needs, in table order (none: the columns'
// own widths); a column is as wide as its widest caption needs, the next one and the outline
// moving over.
TabBoxLayout LayOutTabBoxes(std::size_t count, std::span<const int> needed = {});

}  // namespace trelvane::configurator
