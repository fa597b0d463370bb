// ASCII case folding, as the settings stores compare sections and keys and the add-ins compare
// callback names.
#pragma once

#include <string>
#include <string_view>

namespace trelvane {

template <typename Char>
constexpr Char AsciiLower(Char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<Char>(c + ('a' - 'A')) : c;
}

inline std::string AsciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    c = AsciiLower(c);
  return out;
}

// For narrow and wide text alike (COM names arrive as UTF-16).
template <typename Char>
constexpr bool EqualsIgnoringAsciiCase(std::basic_string_view<Char> a,
                                       std::basic_string_view<Char> b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i]))
      return false;
  }
  return true;
}

constexpr bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return EqualsIgnoringAsciiCase<char>(a, b);
}

// A UTF-16 name against an ASCII one: COM names arrive wide, and the tables they are looked up
// in hold ASCII.
constexpr bool EqualsIgnoringAsciiCase(std::wstring_view wide, std::string_view ascii) {
  if (wide.size() != ascii.size())
    return false;
  for (std::size_t i = 0; i < wide.size(); ++i) {
    if (wide[i] > 0x7F || AsciiLower(wide[i]) != static_cast<wchar_t>(AsciiLower(ascii[i])))
      return false;
  }
  return true;
}

}  // namespace trelvane
