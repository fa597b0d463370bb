// Blanks as stored text has them: spaces and tabs, which a number or a settings line may carry
// around it and which are no part of it.
#pragma once

#include <string_view>

namespace trelvane {

constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// `text` without the blanks at its two ends.
constexpr std::string_view TrimBlanks(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin]))
    ++begin;
  while (end > begin && IsBlank(text[end - 1]))
    --end;
  return text.substr(begin, end - begin);
}

}  // namespace trelvane
