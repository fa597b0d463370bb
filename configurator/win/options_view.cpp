#include "configurator/win/options_view.h"

#include <cmath>
#include <string>

#include "configurator/window_layout.h"
#include "core/language_tables.h"
#include "core/win/hresult.h"
#include "core/win/wide_text.h"

namespace trelvane::configurator::win {
namespace {

using trelvane::win::FailWithWin32;

constexpr int kTwipsPerInch = 1440;
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kIconResource = 1;
constexpr HostOption kHosts[] = {HostOption::kWord, HostOption::kExcel, HostOption::kAccess,
                                 HostOption::kPowerPoint, HostOption::kOutlook};
static_assert(std::size(kHosts) == kHostCount);

// Arial, as the window has always been drawn; Chinese, Japanese and Korean in the system's own
// face, which has their characters.
std::wstring FontFace(Language language) {
  if (language == Language::kJapanese || language == Language::kKorean ||
      language == Language::kChineseSimplified || language == Language::kChineseTraditional) {
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) &&
        metrics.lfMessageFont.lfFaceName[0])
      return metrics.lfMessageFont.lfFaceName;
  }
  return L"Arial";
}

HFONT MakeBoldFont(const std::wstring& face, int hundredths_of_a_point, int dpi) {
  LOGFONTW font = {};
  font.lfHeight = -::MulDiv(hundredths_of_a_point, dpi, 7200);
  font.lfWeight = FW_BOLD;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  ::lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
  return ::CreateFontIndirectW(&font);
}

// The width in pixels of `control`'s caption in its font.
int TextWidth(HWND control) {
  const int length = ::GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(control, text.data(), length + 1)));
  trelvane::win::unique_screen_dc dc(::GetDC(control));
  if (!dc)
    return 0;
  const auto font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
  const HGDIOBJ old = ::SelectObject(dc.get(), font);
  SIZE size = {};
  ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
  ::SelectObject(dc.get(), old);
  return size.cx;
}

bool IsBox(int id) {
  return id >= kFirstBoxId && id < kFirstBoxId + kBoxCount;
}

}  // namespace

OptionsView::~OptionsView() {
  window_.reset();
  ::UnregisterClassW(kOptionsWindowClass, instance_);
}

int OptionsView::Pixels(int twips) const {
  return ::MulDiv(twips, dpi_, kTwipsPerInch);
}

int OptionsView::Twips(int pixels) const {
  return ::MulDiv(pixels, kTwipsPerInch, dpi_) + 1;  // never short of the pixels measured
}

void OptionsView::CreateFonts() {
  const std::wstring face = FontFace(language_);
  text_font_.reset(MakeBoldFont(face, 900, dpi_));
  button_font_.reset(MakeBoldFont(face, 1125, dpi_));
  if (!text_font_ || !button_font_)
    FailWithWin32(FailureKind::kInternal, "cannot create the window's fonts", ::GetLastError());
}

void OptionsView::Create() {
  {
    trelvane::win::unique_screen_dc screen(::GetDC(nullptr));
    if (screen)
      dpi_ = ::GetDeviceCaps(screen.get(), LOGPIXELSX);
  }
  CreateFonts();
  pointer_ = ::LoadCursorW(nullptr, IDC_ARROW);
  icon_ = ::LoadIconW(instance_, MAKEINTRESOURCEW(kIconResource));

  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = &OptionsView::Procedure;
  window_class.hInstance = instance_;
  window_class.hIcon = icon_;
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kOptionsWindowClass;
  if (!::RegisterClassExW(&window_class) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    FailWithWin32(FailureKind::kInternal, "cannot register the window's class", ::GetLastError());

  // Sized and centred by Arrange, once the controls are there to measure.
  window_.reset(::CreateWindowExW(0, kOptionsWindowClass, L"", kWindowStyle, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance_, this));
  if (!window_)
    FailWithWin32(FailureKind::kInternal, "cannot create the options window", ::GetLastError());

  // Controls in tab order, where Arrange puts them; the frames and the outline go beneath them.
  constexpr RECT kNowhere = {0, 0, 0, 0};
  for (int k = 0; k < kHostCount; ++k) {
    const DWORD group = k == 0 ? (WS_GROUP | WS_TABSTOP) : 0;
    AddControl(L"BUTTON", OptionCaption(kHosts[k]), BS_AUTORADIOBUTTON | group, kFirstOptionId + k,
               kNowhere, text_font_.get());
  }
  // The boxes in tab order: the fixed ones, "Hide built-in tabs", then every tab box in table
  // order, which is also the order they stand in, down one column and then the next.
  for (int box = 0; box < 3; ++box) {
    AddControl(L"BUTTON", FixedBoxCaption(box, language_),
               BS_CHECKBOX | WS_TABSTOP | (box == 0 ? WS_GROUP : 0), kFirstBoxId + box, kNowhere,
               text_font_.get());
  }
  AddControl(L"BUTTON", FixedBoxCaption(kHideTabsBox, language_), BS_CHECKBOX | WS_TABSTOP,
             kFirstBoxId + kHideTabsBox, kNowhere, text_font_.get());
  for (int index = 0; index < kMaxTabBoxes; ++index) {
    AddControl(L"BUTTON", "", BS_CHECKBOX | WS_TABSTOP, kFirstBoxId + TabBox(index), kNowhere,
               text_font_.get());
  }
  const auto said = [this](std::string_view english) {
    return Text(language_, TextSection::kWindows, english);
  };
  AddControl(L"BUTTON", said("OK"), BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, kOkId, kNowhere,
             button_font_.get());
  AddControl(L"BUTTON", said("Cancel"), BS_PUSHBUTTON | WS_TABSTOP, kCancelId, kNowhere,
             button_font_.get());
  const HWND beneath[] = {
      AddControl(L"STATIC", "", SS_BLACKFRAME, kOutlineId, kNowhere, nullptr),
      AddControl(L"BUTTON", said("Options"), BS_GROUPBOX, kOptionsFrameId, kNowhere,
                 text_font_.get()),
      AddControl(L"BUTTON", said("MS Office Application"), BS_GROUPBOX, kApplicationFrameId,
                 kNowhere, text_font_.get()),
  };
  for (HWND control : beneath)
    ::SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Arrange();
}

// What each caption needs, in twips: the text in its font, and beside a box or an option its
// mark, before a frame's caption and after it the frame's line, around a button's its edges.
CaptionWidths OptionsView::MeasureCaptions(int tab_count) const {
  const int mark = ::GetSystemMetrics(SM_CXMENUCHECK) + 8;
  const int frame_ends = 2 * ::GetSystemMetrics(SM_CXMENUCHECK);
  const int button_edges = 4 * ::GetSystemMetrics(SM_CXEDGE) + 16;
  const auto need = [this](int id, int extra) {
    return Twips(TextWidth(::GetDlgItem(window_.get(), id)) + extra);
  };
  CaptionWidths needed;
  for (int k = 0; k < kHostCount; ++k)
    needed.options.push_back(need(kFirstOptionId + k, mark));
  for (int box = 0; box < 3; ++box)
    needed.fixed_boxes[box] = need(kFirstBoxId + box, mark);
  needed.hide_box = need(kFirstBoxId + kHideTabsBox, mark);
  for (int index = 0; index < tab_count; ++index)
    needed.tab_boxes.push_back(need(kFirstBoxId + TabBox(index), mark));
  needed.application_frame = need(kApplicationFrameId, frame_ends);
  needed.options_frame = need(kOptionsFrameId, frame_ends);
  needed.ok = need(kOkId, button_edges);
  needed.cancel = need(kCancelId, button_edges);
  return needed;
}

// The twips table has " Word" reach 30 twips into "Excel": an option gives up the strip it
// shares with the next, so that neither paints over the other's circle or text.
void OptionsView::ClipOverlappingOptions(const WindowLayout& layout) {
  for (std::size_t k = 0; k < layout.options.size(); ++k) {
    const HWND option = ::GetDlgItem(window_.get(), kFirstOptionId + static_cast<int>(k));
    const TwipsPlace& mine = layout.options[k];
    int shared = 0;
    if (k + 1 < layout.options.size())
      shared = Pixels(mine.left) + Pixels(mine.width) - Pixels(layout.options[k + 1].left);
    if (shared <= 0) {
      ::SetWindowRgn(option, nullptr, FALSE);
      continue;
    }
    HRGN region = ::CreateRectRgn(0, 0, Pixels(mine.width) - shared, Pixels(mine.height));
    if (region && !::SetWindowRgn(option, region, FALSE))
      ::DeleteObject(region);  // the window owns it only when it took it
  }
}

// The chosen host's tab boxes with its captions, the others hidden; then every control where
// its caption fits (LayOutWindow). A host with more rows, or a caption that needs more room,
// makes the window larger; it is centred again then.
void OptionsView::Arrange() {
  const int count = model_ ? model_->TabCount() : 0;
  for (int index = 0; index < kMaxTabBoxes; ++index) {
    const HWND box = ::GetDlgItem(window_.get(), kFirstBoxId + TabBox(index));
    if (index >= count) {
      ::ShowWindow(box, SW_HIDE);
      continue;
    }
    ::SetWindowTextW(box, trelvane::win::Widen(model_->BoxCaption(TabBox(index))).c_str());
    ::ShowWindow(box, SW_SHOWNA);
  }
  const WindowLayout layout = LayOutWindow(MeasureCaptions(count));
  const auto place = [this](int id, const TwipsPlace& twips) {
    ::MoveWindow(::GetDlgItem(window_.get(), id), Pixels(twips.left), Pixels(twips.top),
                 Pixels(twips.width), Pixels(twips.height), FALSE);
  };
  place(kApplicationFrameId, layout.application_frame);
  for (int k = 0; k < kHostCount; ++k)
    place(kFirstOptionId + k, layout.options[k]);
  place(kOptionsFrameId, layout.options_frame);
  for (int box = 0; box < 3; ++box)
    place(kFirstBoxId + box, layout.fixed_boxes[box]);
  place(kFirstBoxId + kHideTabsBox, layout.hide_box);
  place(kOutlineId, layout.outline);
  for (int index = 0; index < count; ++index)
    place(kFirstBoxId + TabBox(index), layout.tab_boxes[index]);
  place(kOkId, layout.ok);
  place(kCancelId, layout.cancel);
  ClipOverlappingOptions(layout);
  if (model_)
    laid_out_for_ = model_->tab_host();

  RECT client = {0, 0, Pixels(layout.client_width), Pixels(layout.client_height)};
  ::AdjustWindowRectEx(&client, kWindowStyle, FALSE, 0);
  RECT now;
  ::GetWindowRect(window_.get(), &now);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  if (now.right - now.left != width || now.bottom - now.top != height) {
    ::SetWindowPos(window_.get(), nullptr, 0, 0, width, height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    try {
      Centre();
    } catch (...) {
      // Left where it was: the window still shows whole.
    }
  }
  ::InvalidateRect(window_.get(), nullptr, TRUE);
}

HWND OptionsView::AddControl(const wchar_t* window_class, std::string_view text, DWORD style,
                             int id, RECT twips, HFONT font) {
  const std::wstring caption = trelvane::win::Widen(text);
  HWND control = ::CreateWindowExW(
      0, window_class, caption.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
      Pixels(twips.left), Pixels(twips.top), Pixels(twips.right), Pixels(twips.bottom),
      window_.get(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
  if (!control)
    FailWithWin32(FailureKind::kInternal, "cannot create the window's controls", ::GetLastError());
  if (font)
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

void OptionsView::Show() {
  ShowModelState();
  ::ShowWindow(window_.get(), SW_SHOWNORMAL);
  ::UpdateWindow(window_.get());
  ::SetFocus(::GetDlgItem(window_.get(), kFirstOptionId));
}

void OptionsView::ShowModelState() {
  if (!model_ || !window_)
    return;
  if (laid_out_for_ != model_->tab_host())
    Arrange();
  for (int box = 0; box < kBoxCount; ++box) {
    ::SendDlgItemMessageW(window_.get(), kFirstBoxId + box, BM_SETCHECK,
                          model_->IsSet(box) ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  const int selected = static_cast<int>(model_->selected());
  for (int k = 1; k <= kHostCount; ++k) {
    const HWND option = ::GetDlgItem(window_.get(), kFirstOptionId + k - 1);
    ::SendMessageW(option, BM_SETCHECK, k == selected ? BST_CHECKED : BST_UNCHECKED, 0);
    ::EnableWindow(option, model_->IsInstalled(static_cast<HostOption>(k)));
  }
}

void OptionsView::ApplySkin(std::string_view) {
  // There is no skin engine: the window keeps its own colours and frame.
}

void OptionsView::Centre() {
  RECT place;
  if (!::GetWindowRect(window_.get(), &place))
    FailWithWin32(FailureKind::kInternal, "cannot measure the window", ::GetLastError());
  // In twips and in floating point, as the window has always been centred; a window larger
  // than the screen gets a negative left or top.
  const double twips_per_pixel = static_cast<double>(kTwipsPerInch) / dpi_;
  const double screen_width = ::GetSystemMetrics(SM_CXSCREEN) * twips_per_pixel;
  const double screen_height = ::GetSystemMetrics(SM_CYSCREEN) * twips_per_pixel;
  const double width = (place.right - place.left) * twips_per_pixel;
  const double height = (place.bottom - place.top) * twips_per_pixel;
  const int left = static_cast<int>(std::lround((screen_width - width) / 2 / twips_per_pixel));
  const int top = static_cast<int>(std::lround((screen_height - height) / 2 / twips_per_pixel));
  if (!::SetWindowPos(window_.get(), nullptr, left, top, 0, 0,
                      SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE))
    FailWithWin32(FailureKind::kInternal, "cannot centre the window", ::GetLastError());
}

void OptionsView::LoadHandPointer(std::string_view cursor_file) {
  const std::wstring path = trelvane::win::Widen(cursor_file);
  hand_.reset(static_cast<HCURSOR>(
      ::LoadImageW(nullptr, path.c_str(), IMAGE_CURSOR, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE)));
  if (!hand_) {
    FailWithWin32(FailureKind::kInternal,
                  "the pointer file " + std::string(cursor_file) + " holds no cursor",
                  ::GetLastError());
  }
}

void OptionsView::SetCaptionAndIcon(std::string_view caption) {
  const std::wstring text = trelvane::win::Widen(caption);
  if (!::SetWindowTextW(window_.get(), text.c_str()))
    FailWithWin32(FailureKind::kInternal, "cannot set the caption", ::GetLastError());
  if (!icon_)
    FailWithWin32(FailureKind::kInternal, "the program has no icon", ERROR_RESOURCE_NOT_FOUND);
  ::SendMessageW(window_.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  ::SendMessageW(window_.get(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
}

void OptionsView::Close() {
  window_.reset();  // WM_DESTROY ends the message loop
}

void OptionsView::OnCommand(int id, int code) {
  if (!model_ || code != BN_CLICKED)
    return;
  if (IsBox(id)) {
    model_->ClickBox(id - kFirstBoxId);
  } else if (id >= kFirstOptionId && id < kFirstOptionId + kHostCount) {
    model_->ClickOption(static_cast<HostOption>(id - kFirstOptionId + 1));
  } else if (id == kOkId) {
    const HCURSOR before = pointer_;
    pointer_ = ::LoadCursorW(nullptr, IDC_WAIT);
    ::SetCursor(pointer_);
    model_->ClickOk();
    pointer_ = before;
  } else if (id == kCancelId) {
    model_->ClickCancel();
  }
  if (!model_->closed())
    ShowModelState();
}

// Over a box or a button the pointer becomes the hand (the default where HAND-M.CUR gave
// none), over the background and the frames the arrow; over an option it stays as it was, and
// nothing changes while it is the hourglass.
bool OptionsView::SetPointer(HWND over) noexcept {
  const HCURSOR wait = ::LoadCursorW(nullptr, IDC_WAIT);
  const HCURSOR arrow = ::LoadCursorW(nullptr, IDC_ARROW);
  if (pointer_ != wait) {
    const int id = over == window_.get() ? 0 : ::GetDlgCtrlID(over);
    if (IsBox(id) || id == kOkId || id == kCancelId) {
      pointer_ = hand_ ? hand_.get() : arrow;
    } else if (id == 0 || id == kApplicationFrameId || id == kOptionsFrameId || id == kOutlineId) {
      pointer_ = arrow;
    }
  }
  ::SetCursor(pointer_);
  return true;
}

LRESULT CALLBACK OptionsView::Procedure(HWND window, UINT message, WPARAM wparam,
                                        LPARAM lparam) noexcept {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<OptionsView*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self)
    return ::DefWindowProcW(window, message, wparam, lparam);
  try {
    return self->Handle(window, message, wparam, lparam);
  } catch (...) {
    // Nothing thrown leaves a window procedure; the model reports its own failures.
    return 0;
  }
}

LRESULT OptionsView::Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case DM_GETDEFID:
      return MAKELRESULT(kOkId, DC_HASDEFID);  // Enter is OK
    case WM_SETCURSOR:
      if (LOWORD(lparam) == HTCLIENT)
        return SetPointer(reinterpret_cast<HWND>(wparam));
      break;
    case WM_CLOSE:
      // The close box ends the program without saving, as Cancel does.
      Close();
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      (void)window_.release();  // already going
      break;
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace trelvane::configurator::win
