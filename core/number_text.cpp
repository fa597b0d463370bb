#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace trelvane {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Largest decimal exponent of a finite double is 308; anything whose leading digit stands
// above 10^309 cannot be one. Used only to tell overflow from underflow.
constexpr long kMaxDecimalExponent = 309;

}  // namespace

ParsedNumber ParseDecimal(std::string_view text) {
  ParsedNumber result;
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin]))
    ++begin;
  while (end > begin && IsBlank(text[end - 1]))
    --end;
  std::string_view body = text.substr(begin, end - begin);

  bool negative = false;
  std::size_t i = 0;
  if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
    negative = body[i] == '-';
    ++i;
  }

  // Mantissa: digits, an optional point, digits; at least one digit in all.
  const std::size_t int_begin = i;
  while (i < body.size() && IsDigit(body[i]))
    ++i;
  const std::size_t int_digits = i - int_begin;
  std::size_t frac_begin = i;
  std::size_t frac_digits = 0;
  if (i < body.size() && body[i] == '.') {
    frac_begin = ++i;
    while (i < body.size() && IsDigit(body[i]))
      ++i;
    frac_digits = i - frac_begin;
  }
  if (int_digits + frac_digits == 0)
    return result;
  const std::size_t mantissa_end = i;

  // Decimal exponent of the first non-zero digit, if there is one.
  std::optional<long> lead;
  for (std::size_t k = 0; k < int_digits && !lead; ++k) {
    if (body[int_begin + k] != '0')
      lead = static_cast<long>(int_digits - 1 - k);
  }
  for (std::size_t k = 0; k < frac_digits && !lead; ++k) {
    if (body[frac_begin + k] != '0')
      lead = -static_cast<long>(k) - 1;
  }

  long exponent = 0;
  if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
    ++i;
    bool exponent_negative = false;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
      exponent_negative = body[i] == '-';
      ++i;
    }
    if (i == body.size() || !IsDigit(body[i]))
      return result;
    for (; i < body.size() && IsDigit(body[i]); ++i) {
      if (exponent < 100000)
        exponent = exponent * 10 + (body[i] - '0');
    }
    if (exponent_negative)
      exponent = -exponent;
  }
  if (i != body.size())
    return result;

  if (!lead) {
    result.value = negative ? -0.0 : 0.0;
    return result;
  }
  const long magnitude = *lead + exponent;
  if (magnitude > kMaxDecimalExponent) {
    result.error = NumberError::kOutOfRange;
    return result;
  }
  if (magnitude < -400) {
    result.value = negative ? -0.0 : 0.0;
    return result;
  }

  // from_chars takes no '+' and no blanks; hand it the mantissa and a normalised exponent.
  std::string plain(body.substr(int_begin, mantissa_end - int_begin));
  plain += 'e';
  plain += std::to_string(exponent);
  double value = 0;
  const auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (ec == std::errc::result_out_of_range) {
    if (magnitude > 0) {
      result.error = NumberError::kOutOfRange;
      return result;
    }
    value = 0;  // underflow below the smallest double
  } else if (ec != std::errc() || ptr != plain.data() + plain.size()) {
    return result;
  }
  if (!std::isfinite(value)) {
    result.error = NumberError::kOutOfRange;
    return result;
  }
  result.value = negative ? -value : value;
  return result;
}

std::optional<std::int32_t> RoundToInt32(double value) {
  if (!std::isfinite(value))
    return std::nullopt;
  // Half to even, independent of the current rounding mode.
  double whole = std::floor(value);
  const double fraction = value - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
    whole += 1.0;
  if (whole < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
      whole > static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(whole);
}

}  // namespace trelvane
