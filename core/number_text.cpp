#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "core/blanks.h"

namespace trelvane {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Largest decimal exponent of a finite double is 308; anything whose leading digit stands
// above 10^309 cannot be one. The smallest double is near 4.9e-324, so anything whose leading
// digit stands below 10^-400 is zero.
constexpr std::int64_t kMaxDecimalExponent = 309;
constexpr std::int64_t kMinDecimalExponent = -400;

}  // namespace

ParsedNumber ParseDecimal(std::string_view text) {
  ParsedNumber result;
  std::string_view body = TrimBlanks(text);

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

  std::int64_t exponent = 0;
  if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
    ++i;
    bool exponent_negative = false;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
      exponent_negative = body[i] == '-';
      ++i;
    }
    if (i == body.size() || !IsDigit(body[i]))
      return result;
    // The mantissa's zeros can shift the number by at most the text's length, so an exponent
    // past that (and past double's range) decides the outcome whatever its exact value.
    const std::int64_t saturated =
        static_cast<std::int64_t>(body.size()) + kMaxDecimalExponent - kMinDecimalExponent;
    for (; i < body.size() && IsDigit(body[i]); ++i) {
      if (exponent < saturated)
        exponent = exponent * 10 + (body[i] - '0');
    }
    if (exponent_negative)
      exponent = -exponent;
  }
  if (i != body.size())
    return result;

  // The significant digits from the first non-zero one, and that digit's decimal exponent.
  std::string digits;
  std::int64_t lead = 0;
  for (std::size_t k = 0; k < int_digits + frac_digits; ++k) {
    const char digit = k < int_digits ? body[int_begin + k] : body[frac_begin + k - int_digits];
    if (digits.empty()) {
      if (digit == '0')
        continue;
      lead = static_cast<std::int64_t>(int_digits) - 1 - static_cast<std::int64_t>(k);
    }
    digits += digit;
  }
  while (!digits.empty() && digits.back() == '0')
    digits.pop_back();
  if (digits.empty()) {
    result.value = negative ? -0.0 : 0.0;
    return result;
  }
  const std::int64_t magnitude = lead + exponent;
  if (magnitude > kMaxDecimalExponent) {
    result.error = NumberError::kOutOfRange;
    return result;
  }
  if (magnitude < kMinDecimalExponent) {
    result.value = negative ? -0.0 : 0.0;
    return result;
  }

  // from_chars takes no '+' and no blanks; hand it one digit before the point and a small
  // exponent, however the text spelt them.
  std::string plain(1, digits.front());
  if (digits.size() > 1) {
    plain += '.';
    plain.append(digits, 1);
  }
  plain += 'e';
  plain += std::to_string(magnitude);
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
