#include "tests/win/gui_probe.h"

#include <cstdint>
#include <cstring>

namespace trelvane::wintest {
namespace {

struct Search {
  const std::wstring* caption;
  DWORD thread;  // 0: any thread of this process
  const wchar_t* window_class;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM lparam) {
  auto& search = *reinterpret_cast<Search*>(lparam);
  DWORD process = 0;
  const DWORD thread = ::GetWindowThreadProcessId(window, &process);
  if (process != ::GetCurrentProcessId() || !::IsWindowVisible(window))
    return TRUE;
  if (search.thread && thread != search.thread)
    return TRUE;
  if (search.caption && WindowText(window) != *search.caption)
    return TRUE;
  if (search.window_class) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    if (std::wstring(name) != search.window_class)
      return TRUE;
  }
  search.found.push_back(window);
  return TRUE;
}

BOOL CALLBACK CollectStatic(HWND window, LPARAM lparam) {
  wchar_t name[32] = {};
  ::GetClassNameW(window, name, 32);
  if (::lstrcmpiW(name, L"Static") == 0) {
    auto& texts = *reinterpret_cast<std::vector<std::wstring>*>(lparam);
    texts.push_back(WindowText(window));
  }
  return TRUE;
}

bool VisibleChild(HWND dialog, int id) {
  const HWND child = ::GetDlgItem(dialog, id);
  return child && ::IsWindowVisible(child);
}

}  // namespace

void PumpMessages() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

std::vector<HWND> WindowsCaptioned(const std::wstring& caption) {
  Search search{&caption, 0, nullptr, {}};
  ::EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring WindowText(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

std::vector<std::wstring> StaticTexts(HWND window) {
  std::vector<std::wstring> texts;
  ::EnumChildWindows(window, &CollectStatic, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

MessageBoxWatcher::MessageBoxWatcher(DWORD owner_thread) : owner_thread_(owner_thread) {
  thread_.reset(::CreateThread(nullptr, 0, &MessageBoxWatcher::Run, this, 0, nullptr));
}

MessageBoxWatcher::~MessageBoxWatcher() {
  Finish();
}

bool MessageBoxWatcher::Finish() {
  if (thread_) {
    ::WaitForSingleObject(thread_.get(), INFINITE);
    thread_.reset();
  }
  return found_;
}

DWORD WINAPI MessageBoxWatcher::Run(void* self) {
  static_cast<MessageBoxWatcher*>(self)->Watch();
  return 0;
}

// Polls for the box: it appears once the owner thread has entered MessageBox. Gives up after
// a generous while, so a missing box fails the check instead of hanging the run; the owner
// thread would then still wait in MessageBox, and the runner's time limit ends the program.
void MessageBoxWatcher::Watch() {
  for (int attempt = 0; attempt < 600 && !found_; ++attempt) {
    Search search{nullptr, owner_thread_, L"#32770", {}};
    ::EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    if (search.found.empty()) {
      ::Sleep(50);
      continue;
    }
    const HWND box = search.found.front();
    texts = StaticTexts(box);
    had_ok = VisibleChild(box, IDOK);
    had_cancel = VisibleChild(box, IDCANCEL);
    found_ = true;
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(box, IDOK)));
  }
}

bool WriteCursorFile(const std::wstring& path) {
  constexpr int kSize = 32;
  constexpr int kRowBytes = kSize / 8;
  constexpr int kMaskBytes = kRowBytes * kSize;
  std::vector<std::uint8_t> file;
  const auto put16 = [&file](std::uint16_t v) {
    file.push_back(static_cast<std::uint8_t>(v));
    file.push_back(static_cast<std::uint8_t>(v >> 8));
  };
  const auto put32 = [&](std::uint32_t v) {
    put16(static_cast<std::uint16_t>(v));
    put16(static_cast<std::uint16_t>(v >> 16));
  };
  constexpr std::uint32_t kImageBytes = 40 + 8 + 2 * kMaskBytes;
  // Directory: one cursor image, hot spot at the top left.
  put16(0);
  put16(2);
  put16(1);
  file.push_back(kSize);
  file.push_back(kSize);
  file.push_back(2);
  file.push_back(0);
  put16(0);
  put16(0);
  put32(kImageBytes);
  put32(6 + 16);
  // The image: header, two-colour palette, colour mask, then transparency mask.
  put32(40);
  put32(kSize);
  put32(2 * kSize);
  put16(1);
  put16(1);
  put32(0);
  put32(2 * kMaskBytes);
  put32(0);
  put32(0);
  put32(0);
  put32(0);
  put32(0x00000000);
  put32(0x00FFFFFF);
  for (int row = 0; row < kSize; ++row) {  // a white square with a black border
    for (int byte = 0; byte < kRowBytes; ++byte)
      file.push_back(row < 16 && byte < 2 ? 0x7F : 0x00);
  }
  for (int row = 0; row < kSize; ++row) {
    for (int byte = 0; byte < kRowBytes; ++byte)
      file.push_back(row < 16 && byte < 2 ? 0x00 : 0xFF);
  }

  const win::unique_file handle(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle)
    return false;
  DWORD written = 0;
  return ::WriteFile(handle.get(), file.data(), static_cast<DWORD>(file.size()), &written,
                     nullptr) &&
         written == file.size();
}

}  // namespace trelvane::wintest
