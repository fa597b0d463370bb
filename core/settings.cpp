#include "core/settings.h"

#include <algorithm>

#include "core/failure.h"
#include "core/number_text.h"

namespace trelvane {
namespace {

// Stored text as it appears in a one-line reason: control characters shown as '?', long text
// cut short.
std::string Printable(std::string_view text) {
  constexpr std::size_t kLongest = 64;
  std::size_t cut = std::min(text.size(), kLongest);
  // Never cut a UTF-8 sequence in two.
  while (cut < text.size() && cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
    --cut;
  }
  std::string out;
  for (char c : text.substr(0, cut)) {
    out += (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) ? '?' : c;
  }
  if (cut < text.size())
    out += "...";
  return out;
}

[[noreturn]] void FailConversion(std::string_view key, std::string_view text, NumberError error,
                                 std::string_view type) {
  std::string reason = "setting \"";
  reason += Printable(key);
  reason += "\" holds \"";
  reason += Printable(text);
  if (error == NumberError::kNotANumber) {
    reason += "\", which is not a number";
    throw BuildFailure(FailureKind::kNotANumber, std::move(reason));
  }
  reason += "\", which does not fit a ";
  reason += type;
  throw BuildFailure(FailureKind::kOutOfRange, std::move(reason));
}

}  // namespace

std::string Settings::ReadText(std::string_view key, std::int32_t default_value) const {
  auto stored = store_.Read(kSettingsApplication, kSettingsSection, key);
  return stored ? std::move(*stored) : std::to_string(default_value);
}

std::int32_t Settings::ReadInt32(std::string_view key, std::int32_t default_value) const {
  return SettingToInt32(key, ReadText(key, default_value));
}

double Settings::ReadDouble(std::string_view key, std::int32_t default_value) const {
  return SettingToDouble(key, ReadText(key, default_value));
}

void Settings::Write(std::string_view key, std::string_view value) const {
  store_.Write(kSettingsApplication, kSettingsSection, key, value);
}

std::int32_t SettingToInt32(std::string_view key, std::string_view text) {
  const ParsedNumber parsed = ParseDecimal(text);
  if (!parsed.value)
    FailConversion(key, text, parsed.error, "32-bit integer");
  const auto rounded = RoundToInt32(*parsed.value);
  if (!rounded)
    FailConversion(key, text, NumberError::kOutOfRange, "32-bit integer");
  return *rounded;
}

double SettingToDouble(std::string_view key, std::string_view text) {
  const ParsedNumber parsed = ParseDecimal(text);
  if (!parsed.value)
    FailConversion(key, text, parsed.error, "double");
  return *parsed.value;
}

}  // namespace trelvane
