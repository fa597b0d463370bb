// A check box's stored value. The configurator reads its boxes as 16-bit integers, the way it
// reads every stored whole number, and a box shows nothing but cleared (0) or set (1).
#pragma once

#include <cstdint>
#include <string_view>

namespace trelvane::configurator {

// The stored text as a 16-bit integer, rounded half to even as every reader rounds. Throws
// BuildFailure naming the key: kNotANumber for text that is no number (empty text included),
// kOutOfRange for a number outside -32768 to 32767.
std::int16_t SettingToInt16(std::string_view key, std::string_view text);

// The stored text as a box state, 0 or 1. Throws BuildFailure as SettingToInt16 does, and
// kOutOfRange for any other whole number.
int SettingToBoxState(std::string_view key, std::string_view text);

}  // namespace trelvane::configurator
