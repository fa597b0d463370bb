#include "tests/win/caption_fit.h"

#include <vector>

#include "core/win/wide_text.h"
#include "tests/win/gui_probe.h"
#include "tests/win/user_input.h"

namespace trelvane::wintest {
namespace {

bool Overlap(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

struct Shown {
  HWND control;
  RECT place;
  std::wstring text;
  LONG kind;  // BS_CHECKBOX, BS_AUTORADIOBUTTON, BS_GROUPBOX, BS_PUSHBUTTON ...
};

}  // namespace

int TextWidth(HWND control, const std::wstring& text) {
  const HDC dc = ::GetDC(control);
  const auto font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
  const HGDIOBJ old = ::SelectObject(dc, font);
  SIZE size = {};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  ::SelectObject(dc, old);
  ::ReleaseDC(control, dc);
  return size.cx;
}

CaptionFit FitOfCaptions(HWND window) {
  CaptionFit fit;
  RECT client;
  ::GetClientRect(window, &client);
  std::vector<Shown> frames;
  std::vector<Shown> shown;
  for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    wchar_t class_name[32] = {};
    ::GetClassNameW(child, class_name, 32);
    if (!::IsWindowVisible(child) || ::lstrcmpiW(class_name, L"Button") != 0)
      continue;
    const LONG kind = static_cast<LONG>(::GetWindowLongPtrW(child, GWL_STYLE) & BS_TYPEMASK);
    Shown item{child, PlaceInParent(child), WindowText(child), kind};
    (kind == BS_GROUPBOX ? frames : shown).push_back(item);
  }
  const int mark = ::GetSystemMetrics(SM_CXMENUCHECK) + 4;
  const auto need = [&](const Shown& item) {
    const int text = TextWidth(item.control, item.text);
    switch (item.kind) {
      case BS_GROUPBOX:
        return text + 2 * mark;
      case BS_PUSHBUTTON:
      case BS_DEFPUSHBUTTON:
        return text + 8;
      default:
        return text + mark;
    }
  };
  // Built by appending: GCC 12 at -O3 mistakes chains of string + for overlapping copies.
  const auto report = [&](const std::wstring& text, const std::string& what) {
    fit.problems.append("\"").append(win::Narrow(text)).append("\" ").append(what).append("; ");
  };
  for (const std::vector<Shown>* list : {&frames, &shown}) {
    for (const Shown& item : *list) {
      const int needs = need(item);
      const int has = item.place.right - item.place.left;
      if (needs > has)
        report(item.text, "needs " + std::to_string(needs) + " px, has " + std::to_string(has));
      if (fit.widest.empty() || has - needs < fit.widest_has - fit.widest_needs) {
        fit.widest = item.text;
        fit.widest_needs = needs;
        fit.widest_has = has;
      }
      if (!Inside(item.place, client))
        report(item.text, "leaves the window");
    }
  }
  for (std::size_t i = 0; i < shown.size(); ++i) {
    bool framed = shown[i].kind == BS_PUSHBUTTON || shown[i].kind == BS_DEFPUSHBUTTON;
    for (const Shown& frame : frames)
      framed = framed || Inside(shown[i].place, frame.place);
    if (!framed)
      report(shown[i].text, "stands in no frame");
    for (std::size_t j = i + 1; j < shown.size(); ++j) {
      RECT painted = shown[i].place;
      // An option that gives up a strip to the next paints only the rest (the " Word" quirk).
      const HRGN region = ::CreateRectRgn(0, 0, 0, 0);
      RECT box;
      if (region && ::GetWindowRgn(shown[i].control, region) != ERROR && ::GetRgnBox(region, &box))
        painted.right = painted.left + box.right;
      if (region)
        ::DeleteObject(region);
      if (Overlap(painted, shown[j].place))
        report(shown[i].text, "over " + win::Narrow(shown[j].text));
    }
  }
  return fit;
}

}  // namespace trelvane::wintest
