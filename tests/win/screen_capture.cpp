#include "tests/win/screen_capture.h"

#include <vector>

#include "core/win/unique_handle.h"

namespace trelvane::wintest {

bool CaptureWindow(HWND window, const std::wstring& bmp_path) {
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT place;
  if (!::GetClientRect(window, &place))
    return false;
  ::MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&place), 2);
  const int width = place.right - place.left;
  const int height = place.bottom - place.top;
  if (width <= 0 || height <= 0)
    return false;
  win::unique_screen_dc screen(::GetDC(nullptr));
  HDC memory = ::CreateCompatibleDC(screen.get());
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as BMP files are
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool written = false;
  if (memory && bitmap) {
    const HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen.get(), place.left, place.top, SRCCOPY);
    ::GdiFlush();
    ::SelectObject(memory, old);
    const DWORD row = ((width * 3 + 3) / 4) * 4;
    const DWORD image = row * height;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + image;
    win::unique_file out(::CreateFileW(bmp_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD done = 0;
    written = out && ::WriteFile(out.get(), &file, sizeof file, &done, nullptr) &&
              ::WriteFile(out.get(), &info.bmiHeader, sizeof info.bmiHeader, &done, nullptr) &&
              ::WriteFile(out.get(), bits, image, &done, nullptr) && done == image;
  }
  if (bitmap)
    ::DeleteObject(bitmap);
  if (memory)
    ::DeleteDC(memory);
  return written;
}

}  // namespace trelvane::wintest
