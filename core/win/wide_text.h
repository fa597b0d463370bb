// UTF-8 inside, UTF-16 at the Windows boundary: the conversions between the two.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trelvane::win {

// Nothing when `utf8` is not valid UTF-8. Embedded NULs are kept.
std::optional<std::wstring> TryWiden(std::string_view utf8);

// As TryWiden; throws BuildFailure (kInternal) for text that is not UTF-8, which only a fault
// of the system itself can produce.
std::wstring Widen(std::string_view utf8);

// Never fails on content: an unpaired surrogate becomes U+FFFD, so that text a host or the
// registry hands over can always be shown and compared.
std::string Narrow(std::wstring_view utf16);

}  // namespace trelvane::win
