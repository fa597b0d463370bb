// The Access add-in's refresh window: a window of its own whose only work is a timer on the
// host's thread. Four times a second it looks at what the visibility rules read of Access (the
// kind of the active object and the two view buttons) and, when that has changed, invalidates
// the ribbon, so that Access asks every getVisible callback again and the Classic tab keeps up
// with the active object and its view. While nothing changes the ribbon is left alone.
// It never gets in the user's way: it is never shown, has no area, takes no focus and has no
// task-bar button. Closing it stops the timer.
#pragma once

#include <windows.h>

#include <optional>

#include "access/refresh_policy.h"
#include "core/win/com_ptr.h"
#include "core/win/office_interfaces.h"
#include "core/win/unique_handle.h"

namespace trelvane::win {

// A change shows within a quarter second; a look costs four host calls, under 1,000 a minute.
inline constexpr UINT kRefreshIntervalMs = 250;
inline constexpr wchar_t kRefreshWindowClass[] = L"TrelvaneRefreshWindow";

class RefreshWindow {
 public:
  explicit RefreshWindow(HMODULE module) noexcept : module_(module) {}
  RefreshWindow(const RefreshWindow&) = delete;
  RefreshWindow& operator=(const RefreshWindow&) = delete;
  ~RefreshWindow();

  // Takes the first look at Access through `application` now and, on every tick from now on,
  // another, invalidating `ribbon` when it differs from the last. Creates the window (at left 0,
  // top 0) on first use. The ribbon is borrowed: its owner keeps it for as long as the window
  // exists. Throws BuildFailure when the window or its timer cannot be made.
  void Start(IRibbonUI* ribbon, com_ptr<IDispatch> application);

  // Destroys the window, which stops the timer, and lets go of Access. Nothing of it runs
  // afterwards.
  void Close() noexcept;

  HWND window() const noexcept { return window_.get(); }

 private:
  void Create();
  void Poll() noexcept;
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam,
                                    LPARAM lparam) noexcept;

  HMODULE module_;
  unique_hwnd window_;
  IRibbonUI* ribbon_ = nullptr;
  com_ptr<IDispatch> application_;
  std::optional<access::RefreshPolicy> policy_;
  bool polling_ = false;
};

}  // namespace trelvane::win
