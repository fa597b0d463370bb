#include "access/win/refresh_window.h"

#include "access/observed_view.h"
#include "core/win/dispatch_host.h"
#include "core/win/hresult.h"

namespace trelvane::win {
namespace {

constexpr UINT_PTR kTimerId = 1;

}  // namespace

RefreshWindow::~RefreshWindow() {
  Close();
  // Fails while another add-in object's window of this class exists; the last one succeeds.
  ::UnregisterClassW(kRefreshWindowClass, module_);
}

void RefreshWindow::Start(IRibbonUI* ribbon, com_ptr<IDispatch> application) {
  DispatchHost host(application);
  const access::RefreshPolicy policy(access::ObserveView(host));
  if (!window_)
    Create();
  // Nothing above changed the window's state when it threw.
  policy_.emplace(policy);
  application_ = std::move(application);
  ribbon_ = ribbon;
}

void RefreshWindow::Create() {
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = &RefreshWindow::Procedure;
  window_class.hInstance = module_;
  window_class.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  window_class.lpszClassName = kRefreshWindowClass;
  if (!::RegisterClassExW(&window_class) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    FailWithWin32(FailureKind::kInternal, "cannot register the refresh window", ::GetLastError());
  // A tool window that cannot be activated keeps out of the task bar and of Alt+Tab even if
  // something should show it; it is created without WS_VISIBLE and never shown.
  window_.reset(::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kRefreshWindowClass,
                                  L"Trelvane refresh", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  module_, this));
  if (!window_)
    FailWithWin32(FailureKind::kInternal, "cannot create the refresh window", ::GetLastError());
  if (::SetTimer(window_.get(), kTimerId, kRefreshIntervalMs, nullptr) == 0) {
    const DWORD error = ::GetLastError();
    window_.reset();
    FailWithWin32(FailureKind::kInternal, "cannot start the refresh timer", error);
  }
}

void RefreshWindow::Close() noexcept {
  if (window_)
    ::KillTimer(window_.get(), kTimerId);
  window_.reset();
  ribbon_ = nullptr;
  policy_.reset();
  application_.reset();
}

void RefreshWindow::Poll() noexcept {
  // A tick that arrives while Access redraws inside Invalidate waits for the next one.
  if (!ribbon_ || !policy_ || polling_)
    return;
  polling_ = true;
  try {
    DispatchHost host(application_);
    if (policy_->Poll(access::ObserveView(host))) {
      const HRESULT hr = ribbon_->Invalidate();
      // The host may have disconnected the add-in while it redrew.
      if (policy_)
        policy_->Invalidated(SUCCEEDED(hr));
    }
  } catch (...) {
    // Without memory for a look this tick is skipped; the host carries on, the next one asks.
  }
  polling_ = false;
}

LRESULT CALLBACK RefreshWindow::Procedure(HWND window, UINT message, WPARAM wparam,
                                          LPARAM lparam) noexcept {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<RefreshWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_TIMER:
      if (self && wparam == kTimerId)
        self->Poll();
      return 0;
    case WM_SETCURSOR:
      // The default pointer over the window, unless the host is busy.
      if (::GetCursor() != ::LoadCursorW(nullptr, IDC_WAIT))
        ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
      return TRUE;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_NCDESTROY:
      ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      break;
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace trelvane::win
