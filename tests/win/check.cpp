#include "tests/win/check.h"

#include <algorithm>
#include <cstdio>

namespace trelvane::wintest {

bool CheckList::Expect(bool passed, std::string_view name, std::string_view detail) {
  ++checks_;
  if (!passed)
    ++failures_;
  std::printf("%s %s: %.*s", passed ? "ok  " : "FAIL", prefix_.c_str(),
              static_cast<int>(name.size()), name.data());
  if (!passed && !detail.empty())
    std::printf(" -- %.*s", static_cast<int>(detail.size()), detail.data());
  std::printf("\n");
  std::fflush(stdout);
  return passed;
}

bool CheckList::ExpectHr(HRESULT actual, HRESULT expected, std::string_view name) {
  return Expect(actual == expected, name, "got " + Hex(actual) + ", expected " + Hex(expected));
}

void CheckList::Report(std::string_view text) const {
  std::printf("info %s: %.*s\n", prefix_.c_str(), static_cast<int>(text.size()), text.data());
  std::fflush(stdout);
}

int CheckList::Finish() const {
  std::printf("%s: %d checks, %d failed\n", prefix_.c_str(), checks_, failures_);
  std::fflush(stdout);
  return failures_ == 0 ? 0 : 1;
}

std::string Hex(HRESULT hr) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
  return text;
}

std::string Utf8(std::wstring_view text) {
  if (text.empty())
    return {};
  const int size = static_cast<int>(text.size());
  const int length =
      ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(std::max(length, 0)), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, out.data(), length, nullptr, nullptr);
  return out;
}

std::string FirstDifference(std::wstring_view actual, std::wstring_view expected) {
  std::size_t at = 0;
  while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
    ++at;
  const std::size_t from = at > 20 ? at - 20 : 0;
  return "lengths " + std::to_string(actual.size()) + "/" + std::to_string(expected.size()) +
         ", first difference at " + std::to_string(at) + ": got \"" +
         Utf8(actual.substr(from, 60)) + "\", expected \"" + Utf8(expected.substr(from, 60)) + "\"";
}

}  // namespace trelvane::wintest
