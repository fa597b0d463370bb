// Looking at an add-in's About window: finding it, reading it, pointing at its parts.
#pragma once

#include <windows.h>

#include <string>

namespace trelvane::wintest {

// The English caption of the About window of `title` ("Trelvane for Excel").
std::wstring AboutCaption(const std::wstring& title);

// The one visible About window captioned `caption`; null when there is none or more than one
// (`count` says).
HWND FindAboutWindow(const std::wstring& caption, std::size_t& count);

// What the pointer and the link look like with the pointer over `part` of the window (a
// control, or the window itself for its background), as the system asks the window.
struct PointerLook {
  HCURSOR cursor = nullptr;
  bool link_underlined = false;
};
PointerLook PointAt(HWND about, HWND part);

HCURSOR ArrowCursor();

}  // namespace trelvane::wintest
