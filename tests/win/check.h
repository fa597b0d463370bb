// A tiny check list for the Windows test programs (no test framework runs under the cross
// compilers): one line per check, and the exit status says whether all passed.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace trelvane::wintest {

class CheckList {
 public:
  explicit CheckList(std::string prefix) : prefix_(std::move(prefix)) {}

  // Prints "ok" or "FAIL" with the name; a failure adds the detail. Returns `passed`.
  bool Expect(bool passed, std::string_view name, std::string_view detail = {});
  bool ExpectHr(HRESULT actual, HRESULT expected, std::string_view name);

  // A measured figure for the log, not a check: "info <prefix>: <text>".
  void Report(std::string_view text) const;

  int failures() const { return failures_; }
  // Prints the summary line; the process exit status.
  int Finish() const;

 private:
  std::string prefix_;
  int checks_ = 0;
  int failures_ = 0;
};

// "0x80020005".
std::string Hex(HRESULT hr);
// UTF-16 to UTF-8, for messages.
std::string Utf8(std::wstring_view text);
// Where two texts first differ, with a little context, for a failure's detail.
std::string FirstDifference(std::wstring_view actual, std::wstring_view expected);

}  // namespace trelvane::wintest
