#include "core/settings.h"

#include "core/failure.h"
#include "core/number_text.h"

namespace trelvane {
namespace {

// Stored keys and values are cut this short in a reason.
constexpr std::size_t kLongestQuote = 64;

// Characters that would end the reason's line or act on the terminal rather than show.
bool BreaksALine(char32_t code) {
  return code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0x2028 || code == 0x2029;
}

[[noreturn]] void FailConversion(std::string_view key, std::string_view text, NumberError error,
                                 std::string_view type) {
  std::string reason = "setting \"";
  reason += TextForReason(key, kLongestQuote);
  reason += "\" holds \"";
  reason += TextForReason(text, kLongestQuote);
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

Utf8Character DecodeUtf8(std::string_view text) {
  if (text.empty())
    return {};
  const auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  if (byte(0) < 0x80)
    return {byte(0), 1};
  std::size_t length = 0;
  char32_t code = 0;
  char32_t least = 0;  // smaller codes in this length are overlong
  if ((byte(0) & 0xE0) == 0xC0) {
    length = 2;
    code = byte(0) & 0x1F;
    least = 0x80;
  } else if ((byte(0) & 0xF0) == 0xE0) {
    length = 3;
    code = byte(0) & 0x0F;
    least = 0x800;
  } else if ((byte(0) & 0xF8) == 0xF0) {
    length = 4;
    code = byte(0) & 0x07;
    least = 0x10000;
  } else {
    return {};
  }
  if (text.size() < length)
    return {};
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80)
      return {};
    code = (code << 6) | (byte(i) & 0x3F);
  }
  if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
    return {};
  return {code, length};
}

std::string TextForReason(std::string_view text, std::size_t longest) {
  std::string out;
  std::size_t at = 0;
  while (at < text.size()) {
    const Utf8Character c = DecodeUtf8(text.substr(at));
    const std::size_t length = c.length != 0 ? c.length : 1;
    if (length > longest || at > longest - length)
      break;
    if (c.length == 0 || BreaksALine(c.code))
      out += '?';
    else
      out.append(text, at, length);
    at += length;
  }
  if (at < text.size())
    out += "...";
  return out;
}

}  // namespace trelvane
