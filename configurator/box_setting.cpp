#include "configurator/box_setting.h"

#include <charconv>
#include <limits>
#include <string>

#include "core/failure.h"
#include "core/number_text.h"
#include "core/settings.h"

namespace trelvane::configurator {
namespace {

// The number itself rather than the stored text: it is what did not fit, and it holds no
// control characters.
std::string NumberText(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

[[noreturn]] void FailRange(std::string_view key, std::string number, std::string_view why) {
  std::string reason = "setting \"";
  reason += key;
  reason += "\" holds ";
  reason += number;
  reason += ", which ";
  reason += why;
  throw BuildFailure(FailureKind::kOutOfRange, std::move(reason));
}

}  // namespace

std::int16_t SettingToInt16(std::string_view key, std::string_view text) {
  // Not a number, or beyond a double, fails here with the stored text in the reason.
  const double value = SettingToDouble(key, text);
  const auto rounded = RoundToInt32(value);
  if (!rounded || *rounded < std::numeric_limits<std::int16_t>::min() ||
      *rounded > std::numeric_limits<std::int16_t>::max()) {
    FailRange(key, NumberText(value), "does not fit a 16-bit integer");
  }
  return static_cast<std::int16_t>(*rounded);
}

int SettingToBoxState(std::string_view key, std::string_view text) {
  const std::int16_t value = SettingToInt16(key, text);
  if (value != 0 && value != 1)
    FailRange(key, std::to_string(value), "a check box cannot show");
  return value;
}

}  // namespace trelvane::configurator
