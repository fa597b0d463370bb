// Owning wrappers for Win32 handles, so that every key, font, cursor and window is released on
// every path, including the ones a failure takes.
#pragma once

#include <windows.h>

#include <utility>

namespace trelvane::win {

// Owns one handle of type T; Traits::Close releases it, Traits::Invalid() is the empty value.
template <typename T, typename Traits>
class unique_any {
 public:
  unique_any() noexcept = default;
  explicit unique_any(T value) noexcept : value_(value) {}
  unique_any(const unique_any&) = delete;
  unique_any& operator=(const unique_any&) = delete;
  unique_any(unique_any&& other) noexcept : value_(other.release()) {}
  unique_any& operator=(unique_any&& other) noexcept {
    if (this != &other)
      reset(other.release());
    return *this;
  }
  ~unique_any() { reset(); }

  T get() const noexcept { return value_; }
  explicit operator bool() const noexcept { return value_ != Traits::Invalid(); }

  void reset(T value = Traits::Invalid()) noexcept {
    const T old = std::exchange(value_, value);
    if (old != Traits::Invalid())
      Traits::Close(old);
  }
  [[nodiscard]] T release() noexcept { return std::exchange(value_, Traits::Invalid()); }

  // For out parameters: releases what is held and hands out the slot.
  T* put() noexcept {
    reset();
    return &value_;
  }

 private:
  T value_ = Traits::Invalid();
};

struct HkeyTraits {
  static HKEY Invalid() noexcept { return nullptr; }
  static void Close(HKEY key) noexcept { ::RegCloseKey(key); }
};
struct HandleTraits {  // process and thread handles: "none" is null
  static HANDLE Invalid() noexcept { return nullptr; }
  static void Close(HANDLE handle) noexcept { ::CloseHandle(handle); }
};
struct FileTraits {  // CreateFile's "none" is INVALID_HANDLE_VALUE
  static HANDLE Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE handle) noexcept { ::CloseHandle(handle); }
};
struct HwndTraits {
  static HWND Invalid() noexcept { return nullptr; }
  static void Close(HWND window) noexcept { ::DestroyWindow(window); }
};
struct HfontTraits {
  static HFONT Invalid() noexcept { return nullptr; }
  static void Close(HFONT font) noexcept { ::DeleteObject(font); }
};
struct HcursorTraits {  // cursors loaded from files, not shared system ones
  static HCURSOR Invalid() noexcept { return nullptr; }
  static void Close(HCURSOR cursor) noexcept { ::DestroyCursor(cursor); }
};
struct HdcTraits {  // a window's DC, taken with GetDC(nullptr)
  static HDC Invalid() noexcept { return nullptr; }
  static void Close(HDC dc) noexcept { ::ReleaseDC(nullptr, dc); }
};

using unique_hkey = unique_any<HKEY, HkeyTraits>;
using unique_handle = unique_any<HANDLE, HandleTraits>;
using unique_file = unique_any<HANDLE, FileTraits>;
using unique_hwnd = unique_any<HWND, HwndTraits>;
using unique_hfont = unique_any<HFONT, HfontTraits>;
using unique_hcursor = unique_any<HCURSOR, HcursorTraits>;
using unique_screen_dc = unique_any<HDC, HdcTraits>;

}  // namespace trelvane::win
