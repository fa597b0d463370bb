// A picture of what the screen shows of a window's client area, as a 24-bit BMP file.
#pragma once

#include <windows.h>

#include <string>

namespace trelvane::wintest {

// The client area as it stands on the screen (without a window manager there is no frame to
// show); false when it cannot be written.
bool CaptureWindow(HWND window, const std::wstring& bmp_path);

}  // namespace trelvane::wintest
