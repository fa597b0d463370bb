#include "core/win/about_window.h"

#include <shellapi.h>

#include <algorithm>

#include "core/addin_texts.h"
#include "core/win/hresult.h"
#include "core/win/module.h"
#include "core/win/version_info.h"
#include "core/win/wide_text.h"

namespace trelvane::win {
namespace {

constexpr wchar_t kWindowClass[] = L"TrelvaneAboutWindow";
constexpr COLORREF kLinkColour = RGB(0, 0, 204);
constexpr int kMargin = 16;
constexpr int kClientWidth = 360;

[[noreturn]] void FailWindow(const char* reason) {
  FailWithWin32(FailureKind::kInternal, reason, ::GetLastError());
}

bool FileExists(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

LOGFONTW MessageFont() {
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof metrics;
  if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    return metrics.lfMessageFont;
  LOGFONTW font = {};
  ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  return font;
}

SIZE TextSize(HFONT font, const std::wstring& text) {
  SIZE size = {0, 0};
  unique_screen_dc dc(::GetDC(nullptr));
  if (!dc)
    return size;
  const HGDIOBJ old = ::SelectObject(dc.get(), font);
  ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
  ::SelectObject(dc.get(), old);
  return size;
}

}  // namespace

AboutWindow::~AboutWindow() {
  window_.reset();
  // Fails while another add-in object's window of this class is open; the last one succeeds,
  // so no class outlives the module's code.
  ::UnregisterClassW(kWindowClass, module_);
}

void AboutWindow::Show(std::string_view host_word, Language language) {
  if (!prepared_)
    PrepareFirstUse();
  if (!window_)
    Create(host_word, language);
  ::ShowWindow(window_.get(), ::IsIconic(window_.get()) ? SW_RESTORE : SW_SHOWNORMAL);
  ::SetForegroundWindow(window_.get());
}

// Once per window object: the hand pointer from the add-in's folder, when that file is there.
// A file that is missing, or that is no cursor, leaves the ordinary pointer.
void AboutWindow::PrepareFirstUse() {
  folder_ = ModuleFolder();
  const std::wstring pointer_file = folder_ + L"\\" + kHandPointerFile;
  if (FileExists(pointer_file)) {
    hand_.reset(static_cast<HCURSOR>(::LoadImageW(nullptr, pointer_file.c_str(), IMAGE_CURSOR, 0, 0,
                                                  LR_LOADFROMFILE | LR_DEFAULTSIZE)));
  }
  CreateFonts();
  prepared_ = true;
}

void AboutWindow::CreateFonts() {
  LOGFONTW font = MessageFont();
  text_font_.reset(::CreateFontIndirectW(&font));
  link_font_.reset(::CreateFontIndirectW(&font));
  font.lfUnderline = TRUE;
  underlined_link_font_.reset(::CreateFontIndirectW(&font));
  font.lfUnderline = FALSE;
  font.lfWeight = FW_BOLD;
  font.lfHeight = font.lfHeight * 5 / 4;
  title_font_.reset(::CreateFontIndirectW(&font));
  if (!text_font_ || !link_font_ || !underlined_link_font_ || !title_font_)
    FailWindow("cannot create the About window's fonts");
}

void AboutWindow::Create(std::string_view host_word, Language language) {
  const ModuleVersion version = ReadModuleVersion(module_);
  const AboutTexts said = AboutWindowTexts(host_word, language, VersionNumber(version));
  const std::wstring title = Widen(said.title);
  const std::wstring version_line = Widen(said.version);
  const std::wstring website = Widen(said.website);
  const std::wstring ok = Widen(said.ok);
  const std::wstring address = kWideWebAddress;

  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = &AboutWindow::Procedure;
  window_class.hInstance = module_;
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kWindowClass;
  // Another add-in object of this module may have registered it already.
  if (!::RegisterClassExW(&window_class) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    FailWindow("cannot register the About window's class");

  const int line = std::max<int>(TextSize(text_font_.get(), L"Ag").cy, 8) + 6;
  const int title_line = std::max<int>(TextSize(title_font_.get(), L"Ag").cy, 8) + 6;
  const int button_height = line + 10;
  const int client_height =
      kMargin + title_line + line + line / 2 + line + kMargin + button_height + kMargin;

  // Each text as wide as it is written; the window as wide as the widest line needs.
  const int title_width = static_cast<int>(TextSize(title_font_.get(), title).cx) + 2;
  const int version_width = static_cast<int>(TextSize(text_font_.get(), version_line).cx) + 2;
  const int website_width = static_cast<int>(TextSize(text_font_.get(), website).cx) + 2;
  const int link_width = static_cast<int>(TextSize(underlined_link_font_.get(), address).cx) + 2;
  const int button_width =
      std::max(88, static_cast<int>(TextSize(text_font_.get(), ok).cx) + 2 * line);
  const int inner = std::max({kClientWidth - 2 * kMargin, title_width, version_width,
                              website_width + link_width, button_width});
  const int client_width = inner + 2 * kMargin;

  constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame = {0, 0, client_width, client_height};
  ::AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  RECT work = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int left = work.left + std::max(0L, (work.right - work.left - width) / 2);
  const int top = work.top + std::max(0L, (work.bottom - work.top - height) / 2);

  window_.reset(::CreateWindowExW(0, kWindowClass, Widen(said.caption).c_str(), kStyle, left, top,
                                  width, height, nullptr, nullptr, module_, this));
  if (!window_)
    FailWindow("cannot create the About window");

  int y = kMargin;
  constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;
  AddControl(L"STATIC", title, kLabel, kAboutTitle, {kMargin, y, inner, title_line},
             title_font_.get());
  y += title_line;
  AddControl(L"STATIC", version_line, kLabel, kAboutVersion, {kMargin, y, inner, line},
             text_font_.get());
  y += line + line / 2;
  AddControl(L"STATIC", website, kLabel, kAboutWebsiteLabel, {kMargin, y, website_width, line},
             text_font_.get());
  link_ = AddControl(L"STATIC", address, kLabel | SS_NOTIFY, kAboutLink,
                     {kMargin + website_width, y, link_width, line}, link_font_.get());
  y += line + kMargin;
  ok_ = AddControl(L"BUTTON", ok, BS_PUSHBUTTON | WS_TABSTOP, kAboutOk,
                   {client_width - kMargin - button_width, y, button_width, button_height},
                   text_font_.get());
  underlined_ = false;
}

// `place` is left, top, width, height.
HWND AboutWindow::AddControl(const wchar_t* window_class, const std::wstring& text, DWORD style,
                             int id, RECT place, HFONT font) {
  HWND control =
      ::CreateWindowExW(0, window_class, text.c_str(), WS_CHILD | WS_VISIBLE | style, place.left,
                        place.top, place.right, place.bottom, window_.get(),
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), module_, nullptr);
  if (!control) {
    const DWORD error = ::GetLastError();
    window_.reset();
    FailWithWin32(FailureKind::kInternal, "cannot create the About window's controls", error);
  }
  ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

void AboutWindow::SetLinkUnderlined(bool underlined) noexcept {
  if (underlined == underlined_ || !link_)
    return;
  underlined_ = underlined;
  HFONT font = underlined ? underlined_link_font_.get() : link_font_.get();
  ::SendMessageW(link_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

// The link and the Ok button show the hand (when there is one); the rest of the window shows
// the arrow and takes the underline off the link.
void AboutWindow::SetPointer(HWND over) noexcept {
  const HCURSOR arrow = ::LoadCursorW(nullptr, IDC_ARROW);
  if (over == link_) {
    SetLinkUnderlined(true);
    ::SetCursor(hand_ ? hand_.get() : arrow);
    return;
  }
  SetLinkUnderlined(false);
  ::SetCursor(over == ok_ && hand_ ? hand_.get() : arrow);
}

// A failure here has nobody to report to: the window procedure runs from the host's message
// loop, so a failed start simply leaves the window as it was.
void AboutWindow::OpenLink() noexcept {
  if (link_opening_ == LinkOpening::kShellOpen) {
    ::ShellExecuteW(window_.get(), L"open", kWideWebAddress, nullptr,
                    folder_.empty() ? nullptr : folder_.c_str(), SW_SHOWNORMAL);
    return;
  }
  try {
    std::wstring command = L"explorer \"";
    command += kWideWebAddress;
    command += L'"';
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;
    PROCESS_INFORMATION started = {};
    if (::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                         &startup, &started)) {
      // Nobody waits for the browser.
      unique_handle process(started.hProcess);
      unique_handle thread(started.hThread);
    }
  } catch (...) {
  }
}

LRESULT CALLBACK AboutWindow::Procedure(HWND window, UINT message, WPARAM wparam,
                                        LPARAM lparam) noexcept {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<AboutWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self)
    return ::DefWindowProcW(window, message, wparam, lparam);
  try {
    return self->Handle(window, message, wparam, lparam);
  } catch (...) {
    return ::DefWindowProcW(window, message, wparam, lparam);
  }
}

LRESULT AboutWindow::Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SETCURSOR:
      if (LOWORD(lparam) != HTCLIENT)
        break;
      SetPointer(reinterpret_cast<HWND>(wparam));
      return TRUE;
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(lparam) == link_) {
        const HDC dc = reinterpret_cast<HDC>(wparam);
        ::SetTextColor(dc, kLinkColour);
        ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
      }
      break;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lparam) == link_ && link_ && HIWORD(wparam) == STN_CLICKED) {
        OpenLink();
        return 0;
      }
      if (LOWORD(wparam) == kAboutOk || LOWORD(wparam) == IDCANCEL) {
        ::DestroyWindow(window);
        return 0;
      }
      break;
    case WM_NCDESTROY:
      // The window is going on its own (Ok, close box, or our owner): forget its handles.
      if (window_.get() == window)
        (void)window_.release();
      link_ = nullptr;
      ok_ = nullptr;
      underlined_ = false;
      ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      break;
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace trelvane::win
