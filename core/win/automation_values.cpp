#include "core/win/automation_values.h"

#include <climits>
#include <new>

namespace trelvane::win {

unique_bstr MakeBstr(std::wstring_view text) {
  if (text.size() > UINT_MAX / sizeof(wchar_t))
    throw std::bad_alloc();
  unique_bstr result(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size())));
  if (!result.get())
    throw std::bad_alloc();
  return result;
}

}  // namespace trelvane::win
