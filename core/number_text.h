// Conversion of stored setting text to numbers, as every reader of the settings store does it.
// A number is: optional blanks, an optional sign, digits with an optional fraction (".5" and
// "1." included) and an optional exponent, optional blanks. Nothing else is a number: empty
// text, words, hex, thousands separators and trailing junk are all refused.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace trelvane {

enum class NumberError { kNotANumber, kOutOfRange };

struct ParsedNumber {
  std::optional<double> value;
  NumberError error = NumberError::kNotANumber;  // meaningful when value is empty
};

// The text as a double. Magnitudes beyond double's range are kOutOfRange; tiny ones become 0.
ParsedNumber ParseDecimal(std::string_view text);

// A double rounded half to even to a 32-bit signed integer; empty outside that range.
std::optional<std::int32_t> RoundToInt32(double value);

}  // namespace trelvane
