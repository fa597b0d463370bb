#include "tests/win/about_probe.h"

#include "core/win/about_window.h"
#include "tests/win/gui_probe.h"

namespace trelvane::wintest {

std::wstring AboutCaption(const std::wstring& title) {
  return L"About " + title;
}

HWND FindAboutWindow(const std::wstring& caption, std::size_t& count) {
  PumpMessages();
  const auto windows = WindowsCaptioned(caption);
  count = windows.size();
  return count == 1 ? windows.front() : nullptr;
}

PointerLook PointAt(HWND about, HWND part) {
  PointerLook look;
  ::SetCursor(nullptr);
  // What the child's default handling does: offer WM_SETCURSOR to the parent first.
  ::SendMessageW(about, WM_SETCURSOR, reinterpret_cast<WPARAM>(part),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  look.cursor = ::GetCursor();
  const HWND link = ::GetDlgItem(about, win::kAboutLink);
  const auto font = reinterpret_cast<HFONT>(::SendMessageW(link, WM_GETFONT, 0, 0));
  LOGFONTW description = {};
  look.link_underlined =
      font && ::GetObjectW(font, sizeof description, &description) && description.lfUnderline;
  return look;
}

HCURSOR ArrowCursor() {
  return ::LoadCursorW(nullptr, IDC_ARROW);
}

}  // namespace trelvane::wintest
