// Failures at the COM boundary: the HRESULT each failure kind is reported as, and the guard
// every entry point runs its body in, so that nothing thrown reaches the host.
#pragma once

#include <windows.h>

#include <string>

#include "core/failure.h"

namespace trelvane::win {

// "0x80070005".
std::string HresultText(HRESULT hr);

// Throws BuildFailure of `kind` carrying `hr`, with the code appended to the reason.
[[noreturn]] void FailWith(FailureKind kind, std::string reason, HRESULT hr);

// As FailWith, for a Win32 error code (LONG from the registry functions, GetLastError()).
[[noreturn]] void FailWithWin32(FailureKind kind, std::string reason, DWORD error);

// The HRESULT that reports `failure` to a COM caller. Never a success code.
HRESULT HresultFromFailure(const Failure& failure) noexcept;

// Runs `body` (which returns an HRESULT) and turns anything it throws into a failure HRESULT;
// `failure` keeps the reason for callers that can pass it on (EXCEPINFO).
template <typename Body>
HRESULT Guarded(Body&& body, Failure& failure) noexcept {
  HRESULT hr = E_UNEXPECTED;
  if (!CatchFailure([&] { hr = body(); }, failure))
    hr = HresultFromFailure(failure);
  return hr;
}

template <typename Body>
HRESULT Guarded(Body&& body) noexcept {
  Failure ignored;
  return Guarded(std::forward<Body>(body), ignored);
}

}  // namespace trelvane::win
