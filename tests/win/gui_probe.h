// Looking at the windows an add-in opens in this process, the way a user would see them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "core/win/unique_handle.h"

namespace trelvane::wintest {

// Handles the messages queued for this thread.
void PumpMessages();

// Visible top-level windows of this process with exactly this caption.
std::vector<HWND> WindowsCaptioned(const std::wstring& caption);

std::wstring WindowText(HWND window);

// The texts of a window's static controls, in creation order.
std::vector<std::wstring> StaticTexts(HWND window);

// Watches, on a thread of its own, for a message box opened by `owner_thread`, reads its
// texts and presses its OK button; so a test can call something that blocks in MessageBox.
class MessageBoxWatcher {
 public:
  explicit MessageBoxWatcher(DWORD owner_thread);
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;
  ~MessageBoxWatcher();

  // Waits for the watcher to finish: true when a box was found and dismissed.
  bool Finish();

  std::vector<std::wstring> texts;  // the box's static texts
  bool had_ok = false;              // a visible OK button
  bool had_cancel = false;          // a visible Cancel button

 private:
  static DWORD WINAPI Run(void* self);
  void Watch();

  DWORD owner_thread_;
  win::unique_handle thread_;
  bool found_ = false;
};

// A small monochrome cursor file, for the About window's custom pointer.
bool WriteCursorFile(const std::wstring& path);

}  // namespace trelvane::wintest
