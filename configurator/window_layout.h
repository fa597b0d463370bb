// Where every control of the options window stands, in twips relative to the window's client
// area: the places the window has always had, as long as each caption fits its control. A
// caption that needs more room (a longer language) widens its control; what stands to its right
// moves over, and the frames, the outline and the window grow to hold it all, so that nothing
// is cut off and nothing overlaps.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "configurator/tab_box_layout.h"

namespace trelvane::configurator {

// The width in twips each caption needs: its text in its font, and for a box or an option the
// mark beside it. Zero where nothing is known: the table's width then stands.
struct CaptionWidths {
  std::vector<int> options;          // the host options, in order
  std::array<int, 3> fixed_boxes{};  // boxes 0 to 2
  int hide_box = 0;                  // box 11
  std::vector<int> tab_boxes;        // the shown host's tab boxes, in table order
  int application_frame = 0;         // a frame's caption, with its frame line either side
  int options_frame = 0;
  int ok = 0;
  int cancel = 0;
};

struct WindowLayout {
  int client_width = 0;
  int client_height = 0;
  TwipsPlace application_frame;
  std::vector<TwipsPlace> options;
  TwipsPlace options_frame;
  std::array<TwipsPlace, 3> fixed_boxes;
  TwipsPlace hide_box;
  TwipsPlace outline;
  std::vector<TwipsPlace> tab_boxes;
  TwipsPlace ok;
  TwipsPlace cancel;
};

// `needed.options` and `needed.tab_boxes` give the number of options and tab boxes.
WindowLayout LayOutWindow(const CaptionWidths& needed);

}  // namespace trelvane::configurator
