// Whether a window shows every caption whole: each check box, option, button and frame as wide as
// its text needs in its font (with the mark beside a box or an option), none of them over another,
// each inside its frame and the frames and buttons inside the window.
#pragma once

#include <windows.h>

#include <string>

namespace trelvane::wintest {

struct CaptionFit {
  std::string problems;  // empty when everything fits
  std::wstring widest;   // the caption that comes closest to its control's edge
  int widest_needs = 0;  // pixels, mark included
  int widest_has = 0;
};

CaptionFit FitOfCaptions(HWND window);

// The width in pixels of `text` in `control`'s font.
int TextWidth(HWND control, const std::wstring& text);

}  // namespace trelvane::wintest
