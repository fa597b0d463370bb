#include "configurator/window_layout.h"

#include <algorithm>

namespace trelvane::configurator {
namespace {

// The table's places; options and boxes relative to their frame, frames to the window.
constexpr int kClientWidth = 8040;
constexpr int kClientHeight = 4965;
constexpr int kMargin = 120;  // around the frames and the buttons
constexpr TwipsPlace kApplicationFrame = {120, 120, 7800, 705};
constexpr TwipsPlace kOptionsFrame = {120, 900, 7800, 3435};
constexpr TwipsPlace kOptions[] = {
    {240, 300, 1230, 285}, {1440, 300, 1230, 285}, {2760, 300, 1410, 285}, {4200, 300, 1455, 285}};
constexpr int kOptionGap = 60;  // between an option that grew and the next
constexpr TwipsPlace kFixedBoxes[] = {
    {240, 330, 5295, 255}, {600, 675, 3975, 255}, {600, 1035, 3375, 255}};
constexpr TwipsPlace kHideBox = {600, 1380, 1815, 255};
constexpr int kFrameInside = 240;   // from a frame's right edge to the rightmost control in it
constexpr int kOutlineInside = 60;  // from the outline's right edge to the hide box's
constexpr int kButtonHeight = 405;
constexpr int kButtonTop = 4460;

TwipsPlace Widened(TwipsPlace place, int needed) {
  place.width = std::max(place.width, needed);
  return place;
}

TwipsPlace In(const TwipsPlace& frame, TwipsPlace place) {
  place.left += frame.left;
  place.top += frame.top;
  return place;
}

int Right(const TwipsPlace& place) {
  return place.left + place.width;
}

}  // namespace

WindowLayout LayOutWindow(const CaptionWidths& needed) {
  WindowLayout layout;

  // The options in a row, each where the table puts it or just right of the one before.
  std::vector<TwipsPlace> options;
  for (std::size_t k = 0; k < needed.options.size(); ++k) {
    TwipsPlace place = kOptions[std::min(k, std::size(kOptions) - 1)];
    if (k >= std::size(kOptions))
      place.left = Right(options.back()) + kOptionGap;
    // Clear of what the option before really needs (the table lets " Word" reach into "Excel").
    if (k > 0 && needed.options[k - 1] > 0)
      place.left = std::max(place.left, options.back().left + needed.options[k - 1] + kOptionGap);
    options.push_back(Widened(place, needed.options[k]));
  }

  std::array<TwipsPlace, 3> fixed;
  for (std::size_t i = 0; i < fixed.size(); ++i)
    fixed[i] = Widened(kFixedBoxes[i], needed.fixed_boxes[i]);
  const TwipsPlace hide = Widened(kHideBox, needed.hide_box);
  TabBoxLayout tabs = LayOutTabBoxes(needed.tab_boxes.size(), needed.tab_boxes);
  // The outline reaches past the box that sits on its top edge.
  tabs.outline.width =
      std::max(tabs.outline.width, Right(hide) + kOutlineInside - tabs.outline.left);

  // Both frames as wide as the wider one's content needs, the window around them.
  int inside = 0;
  for (const TwipsPlace& option : options)
    inside = std::max(inside, Right(option));
  for (const TwipsPlace& box : fixed)
    inside = std::max(inside, Right(box));
  inside = std::max({inside, Right(hide), Right(tabs.outline)});
  const int frame_width = std::max({kApplicationFrame.width, inside + kFrameInside,
                                    needed.application_frame, needed.options_frame});
  layout.application_frame = {kApplicationFrame.left, kApplicationFrame.top, frame_width,
                              kApplicationFrame.height};
  layout.options_frame = {kOptionsFrame.left, kOptionsFrame.top, frame_width,
                          kOptionsFrame.height + tabs.growth};
  for (const TwipsPlace& option : options)
    layout.options.push_back(In(layout.application_frame, option));
  for (std::size_t i = 0; i < fixed.size(); ++i)
    layout.fixed_boxes[i] = In(layout.options_frame, fixed[i]);
  layout.hide_box = In(layout.options_frame, hide);
  layout.outline = In(layout.options_frame, tabs.outline);
  for (const TwipsPlace& box : tabs.boxes)
    layout.tab_boxes.push_back(In(layout.options_frame, box));

  // The buttons share the width below the frames, as wide as the wider caption needs.
  layout.client_width = std::max(kClientWidth, kApplicationFrame.left + frame_width + kMargin);
  const int button_width =
      std::max({(layout.client_width - 3 * kMargin) / 2, needed.ok, needed.cancel});
  layout.client_width = std::max(layout.client_width, 3 * kMargin + 2 * button_width);
  const int top = kButtonTop + tabs.growth;
  layout.ok = {kMargin, top, button_width, kButtonHeight};
  layout.cancel = {2 * kMargin + button_width, top, button_width, kButtonHeight};
  layout.client_height = kClientHeight + tabs.growth;
  return layout;
}

}  // namespace trelvane::configurator
