// Driving another program's windows as a user does: the pointer moved and clicked and keys
// pressed through the system's input queue, and windows found and read from outside.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace trelvane::wintest {

// Moves the pointer to the middle of `window` and clicks the left button there.
void ClickOn(HWND window);
// Presses and releases the keys in order, holding each until all are down (Alt+F4 is
// {VK_MENU, VK_F4}).
void PressKeys(std::initializer_list<WORD> keys);
// Brings `window` to the front so that keys reach it.
void Activate(HWND window);

// Asks `condition` every 50 ms until it holds or `milliseconds` have passed.
bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds);

// A visible top-level window of the process with this class (null: any) and caption (empty:
// any).
HWND FindProcessWindow(DWORD process_id, const wchar_t* window_class, const std::wstring& caption);

// Every top-level window of the process, visible or not, as `class "caption"` (" hidden" after
// one that is not visible), for a report of why a wait ran out; "none" when it has none.
std::string DescribeProcessWindows(DWORD process_id);

// The texts of a window's child windows, in their order.
std::vector<std::wstring> ChildTexts(HWND window);

// A window's place relative to its parent's client area (or the screen for a top-level one).
RECT PlaceInParent(HWND window);

}  // namespace trelvane::wintest
