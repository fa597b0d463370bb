#include "core/win/hresult.h"

#include <cstdio>

namespace trelvane::win {

std::string HresultText(HRESULT hr) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
  return text;
}

void FailWith(FailureKind kind, std::string reason, HRESULT hr) {
  reason += " (";
  reason += HresultText(hr);
  reason += ')';
  throw BuildFailure(kind, std::move(reason), static_cast<std::int32_t>(hr));
}

void FailWithWin32(FailureKind kind, std::string reason, DWORD error) {
  FailWith(kind, std::move(reason), HRESULT_FROM_WIN32(error));
}

HRESULT HresultFromFailure(const Failure& failure) noexcept {
  const HRESULT carried = static_cast<HRESULT>(failure.code);
  // A carried code is only trusted when it really says "failed".
  const auto carried_or = [carried](HRESULT fallback) {
    return FAILED(carried) ? carried : fallback;
  };
  switch (failure.kind) {
    case FailureKind::kNotANumber:
      return DISP_E_TYPEMISMATCH;
    case FailureKind::kOutOfRange:
    case FailureKind::kCounterOverflow:
      return DISP_E_OVERFLOW;
    case FailureKind::kStore:
      return carried_or(E_FAIL);
    case FailureKind::kHost:
      return carried_or(E_FAIL);
    case FailureKind::kOutOfMemory:
      return E_OUTOFMEMORY;
    case FailureKind::kInternal:
      return carried_or(E_UNEXPECTED);
  }
  return E_UNEXPECTED;
}

}  // namespace trelvane::win
