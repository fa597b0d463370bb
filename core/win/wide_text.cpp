#include "core/win/wide_text.h"

#include <windows.h>

#include <climits>
#include <new>

#include "core/failure.h"

namespace trelvane::win {

std::optional<std::wstring> TryWiden(std::string_view utf8) {
  if (utf8.empty())
    return std::wstring();
  if (utf8.size() > INT_MAX)
    throw std::bad_alloc();
  const int size = static_cast<int>(utf8.size());
  const int length =
      ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
  if (length <= 0)
    return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  if (::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(),
                            length) != length) {
    return std::nullopt;
  }
  return wide;
}

std::wstring Widen(std::string_view utf8) {
  auto wide = TryWiden(utf8);
  if (!wide)
    throw BuildFailure(FailureKind::kInternal, "text that is not UTF-8 reached the host boundary");
  return std::move(*wide);
}

std::string Narrow(std::wstring_view utf16) {
  if (utf16.empty())
    return std::string();
  if (utf16.size() > INT_MAX / 3)
    throw std::bad_alloc();
  const int size = static_cast<int>(utf16.size());
  const int length =
      ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0)
    throw BuildFailure(FailureKind::kInternal, "text could not be converted to UTF-8");
  std::string narrow(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, narrow.data(), length, nullptr, nullptr);
  return narrow;
}

}  // namespace trelvane::win
