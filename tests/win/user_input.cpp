#include "tests/win/user_input.h"

#include <cstdlib>
#include <vector>

#include "tests/win/check.h"
#include "tests/win/gui_probe.h"

namespace trelvane::wintest {
namespace {

struct Search {
  DWORD process_id;
  const wchar_t* window_class;
  const std::wstring* caption;
  HWND found;
};

BOOL CALLBACK FindInProcess(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  if (process != search->process_id || !::IsWindowVisible(window))
    return TRUE;
  if (search->window_class) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    if (std::wstring_view(name) != search->window_class)
      return TRUE;
  }
  if (!search->caption->empty() && WindowText(window) != *search->caption)
    return TRUE;
  search->found = window;
  return FALSE;
}

struct Listing {
  DWORD process_id;
  std::string text;
};

BOOL CALLBACK ListInProcess(HWND window, LPARAM data) {
  auto* listing = reinterpret_cast<Listing*>(data);
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  if (process != listing->process_id)
    return TRUE;
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  listing->text += (listing->text.empty() ? "" : ", ") + Utf8(name) + " \"" +
                   Utf8(WindowText(window)) + "\"" + (::IsWindowVisible(window) ? "" : " hidden");
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM data) {
  reinterpret_cast<std::vector<std::wstring>*>(data)->push_back(WindowText(window));
  return TRUE;
}

INPUT Key(WORD key, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

INPUT Mouse(DWORD flags, LONG x = 0, LONG y = 0) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = x;
  input.mi.dy = y;
  input.mi.dwFlags = flags;
  return input;
}

}  // namespace

void ClickOn(HWND window) {
  RECT place;
  ::GetWindowRect(window, &place);
  const LONG x = (place.left + place.right) / 2;
  const LONG y = (place.top + place.bottom) / 2;
  // Absolute moves are in 0..65535 across the primary screen.
  const LONG width = ::GetSystemMetrics(SM_CXSCREEN);
  const LONG height = ::GetSystemMetrics(SM_CYSCREEN);
  const LONG dx = (x * 65536 + width / 2) / width;
  const LONG dy = (y * 65536 + height / 2) / height;
  constexpr DWORD kAt = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  // The button events carry the place too: a press that lands before the move would otherwise
  // hit whatever the pointer was over last (on a busy machine, the previous window's OK).
  INPUT inputs[] = {
      Mouse(kAt, dx, dy),
      Mouse(kAt | MOUSEEVENTF_LEFTDOWN, dx, dy),
      Mouse(kAt | MOUSEEVENTF_LEFTUP, dx, dy),
  };
  ::SendInput(1, &inputs[0], sizeof(INPUT));
  WaitUntil(
      [&] {
        POINT at;
        // Within a pixel: the screen's 0..65535 scale rounds.
        return ::GetCursorPos(&at) && std::abs(at.x - x) <= 1 && std::abs(at.y - y) <= 1;
      },
      2000);
  ::SendInput(2, &inputs[1], sizeof(INPUT));
}

void PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys)
    inputs.push_back(Key(key, false));
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
    inputs.push_back(Key(*key, true));
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void Activate(HWND window) {
  ::SetForegroundWindow(window);
  WaitUntil([window] { return ::GetForegroundWindow() == window; }, 2000);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds) {
  const ULONGLONG end = ::GetTickCount64() + milliseconds;
  for (;;) {
    if (condition())
      return true;
    if (::GetTickCount64() >= end)
      return false;
    ::Sleep(50);
  }
}

HWND FindProcessWindow(DWORD process_id, const wchar_t* window_class, const std::wstring& caption) {
  Search search{process_id, window_class, &caption, nullptr};
  ::EnumWindows(&FindInProcess, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string DescribeProcessWindows(DWORD process_id) {
  Listing listing{process_id, {}};
  ::EnumWindows(&ListInProcess, reinterpret_cast<LPARAM>(&listing));
  return listing.text.empty() ? "none" : listing.text;
}

std::vector<std::wstring> ChildTexts(HWND window) {
  std::vector<std::wstring> texts;
  ::EnumChildWindows(window, &CollectChild, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

RECT PlaceInParent(HWND window) {
  RECT place;
  ::GetWindowRect(window, &place);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(window), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

}  // namespace trelvane::wintest
