#include "tests/win/access_office.h"

#include "access/win/refresh_window.h"
#include "tests/win/gui_probe.h"

namespace trelvane::wintest {

Answer Call(IDispatch* addin, const wchar_t* name, IDispatch* control) {
  Answer answer;
  HRESULT hr = S_OK;
  const DISPID id = IdOfName(addin, name, hr);
  if (FAILED(hr)) {
    answer.hr = hr;
    return answer;
  }
  ExceptionInfo exception;
  VARIANT argument;
  ::VariantInit(&argument);
  V_VT(&argument) = VT_DISPATCH;
  V_DISPATCH(&argument) = control;
  DISPPARAMS params = {&argument, nullptr, 1, 0};
  answer.hr = addin->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                            answer.result.put(), exception.get(), nullptr);
  answer.exception_code = exception.code();
  return answer;
}

Answer CallPlain(IDispatch* addin, const wchar_t* name, WORD flags) {
  Answer answer;
  HRESULT hr = S_OK;
  const DISPID id = IdOfName(addin, name, hr);
  answer.hr = FAILED(hr) ? hr : InvokeWith(addin, id, flags, nullptr, 0, answer.result.put());
  return answer;
}

std::optional<bool> Visible(const Answer& answer) {
  if (answer.hr != S_OK || answer.result.type() != VT_BOOL)
    return std::nullopt;
  return V_BOOL(answer.result.get()) != VARIANT_FALSE;
}

void PumpFor(DWORD milliseconds) {
  const ULONGLONG end = ::GetTickCount64() + milliseconds;
  for (ULONGLONG now = ::GetTickCount64(); now < end; now = ::GetTickCount64()) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    PumpMessages();
  }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeout) {
  const ULONGLONG end = ::GetTickCount64() + timeout;
  while (!done()) {
    const ULONGLONG now = ::GetTickCount64();
    if (now >= end)
      return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    PumpMessages();
  }
  return true;
}

double NowMs() {
  static const double ticks_per_ms = [] {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / ticks_per_ms;
}

namespace {

BOOL CALLBACK CollectRefreshWindow(HWND window, LPARAM list) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  if (std::wstring_view(name) == win::kRefreshWindowClass)
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

// The values of every getVisible attribute, written ` getVisible = "X"` or `getVisible="X"`.
std::vector<std::wstring> GetVisibleNames(std::wstring_view document) {
  constexpr std::wstring_view kAttribute = L"getVisible";
  std::vector<std::wstring> names;
  std::size_t at = document.find(kAttribute);
  while (at != std::wstring_view::npos) {
    at += kAttribute.size();
    const auto skip_blanks = [&] {
      while (at < document.size() && document[at] == L' ')
        ++at;
    };
    skip_blanks();
    if (at < document.size() && document[at] == L'=') {
      ++at;
      skip_blanks();
      if (at < document.size() && document[at] == L'"') {
        const std::size_t end = document.find(L'"', at + 1);
        if (end == std::wstring_view::npos)
          break;
        names.emplace_back(document.substr(at + 1, end - at - 1));
        at = end + 1;
      }
    }
    at = document.find(kAttribute, at);
  }
  return names;
}

}  // namespace

std::vector<HWND> RefreshWindows() {
  std::vector<HWND> found;
  ::EnumThreadWindows(::GetCurrentThreadId(), &CollectRefreshWindow,
                      reinterpret_cast<LPARAM>(&found));
  return found;
}

RibbonRedraw::RibbonRedraw(IDispatch* addin, IDispatch* control, std::wstring_view document)
    : addin_(addin), control_(control), callbacks_(GetVisibleNames(document)) {}

void RibbonRedraw::Run() {
  const double start = NowMs();
  ++rounds;
  failed_last = 0;
  answers_.clear();
  for (const std::wstring& name : callbacks_) {
    const std::optional<bool> shown = Visible(Call(addin_, name.c_str(), control_));
    ++asked;
    if (!shown)
      ++failed_last;
    answers_[name] = shown.value_or(false);
  }
  finished = NowMs();
  took = finished - start;
}

std::set<std::wstring> RibbonRedraw::Shown() const {
  std::set<std::wstring> shown;
  for (const auto& [name, visible] : answers_) {
    if (visible)
      shown.insert(name);
  }
  return shown;
}

}  // namespace trelvane::wintest
