// The Access add-in's refresh window: a window of its own whose only work is a timer on the
// host's thread that invalidates the ribbon every two seconds, so that Access asks every
// getVisible callback again and the Classic tab keeps up with the active object and its view.
// It never gets in the user's way: it is never shown, has no area, takes no focus and has no
// task-bar button. Closing it stops the timer.
#pragma once

#include <windows.h>

#include "core/win/office_interfaces.h"
#include "core/win/unique_handle.h"

namespace trelvane::win {

inline constexpr UINT kRefreshIntervalMs = 2000;
inline constexpr wchar_t kRefreshWindowClass[] = L"TrelvaneRefreshWindow";

class RefreshWindow {
 public:
  explicit RefreshWindow(HMODULE module) noexcept : module_(module) {}
  RefreshWindow(const RefreshWindow&) = delete;
  RefreshWindow& operator=(const RefreshWindow&) = delete;
  ~RefreshWindow();

  // Invalidates `ribbon` on every tick from now on, creating the window (at left 0, top 0) on
  // first use. The ribbon is borrowed: its owner keeps it for as long as the window exists.
  // Throws BuildFailure when the window or its timer cannot be made.
  void Start(IRibbonUI* ribbon);

  // Destroys the window, which stops the timer. Nothing of it runs afterwards.
  void Close() noexcept;

  HWND window() const noexcept { return window_.get(); }

 private:
  void Create();
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam,
                                    LPARAM lparam) noexcept;

  HMODULE module_;
  unique_hwnd window_;
  IRibbonUI* ribbon_ = nullptr;
};

}  // namespace trelvane::win
