#include "core/ini_settings_store.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <system_error>

#include "core/ascii_case.h"
#include "core/blanks.h"
#include "core/failure.h"
#include "core/settings.h"

namespace trelvane {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void FailStore(std::string reason) {
  throw BuildFailure(FailureKind::kStore, std::move(reason));
}

// A path as a reason shows it: whole, but never breaking the reason's line.
std::string Shown(const fs::path& path) {
  return TextForReason(path.string(), std::string::npos);
}

// A name or value as a reason quotes it.
std::string Quoted(std::string_view text) {
  constexpr std::size_t kLongestQuote = 64;
  return '"' + TextForReason(text, kLongestQuote) + '"';
}

bool IsUtf8(std::string_view text) {
  while (!text.empty()) {
    const std::size_t length = DecodeUtf8(text).length;
    if (length == 0)
      return false;
    text.remove_prefix(length);
  }
  return true;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The line of `text` that its end falls on, counting from 1; CR LF is one line end.
std::size_t LineAtEnd(std::string_view text) {
  std::size_t line = 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
      ++line;
  }
  return line;
}

// UTF-16 (after its byte-order mark) as UTF-8; refuses what has no UTF-8 form.
std::string FromUtf16(std::string_view bytes, bool big_endian, const fs::path& file) {
  if (bytes.size() % 2 != 0) {
    FailStore("the settings file " + Shown(file) +
              " is UTF-16 but ends in half a character (an odd number of bytes)");
  }
  const auto unit = [bytes, big_endian](std::size_t at) {
    const auto first = static_cast<unsigned char>(bytes[at]);
    const auto second = static_cast<unsigned char>(bytes[at + 1]);
    return static_cast<char32_t>(big_endian ? (first << 8) | second : (second << 8) | first);
  };
  std::string text;
  text.reserve(bytes.size() + bytes.size() / 2);
  for (std::size_t at = 0; at < bytes.size(); at += 2) {
    char32_t code = unit(at);
    if (code >= 0xD800 && code <= 0xDFFF) {
      const bool paired = code <= 0xDBFF && at + 2 < bytes.size() && unit(at + 2) >= 0xDC00 &&
                          unit(at + 2) <= 0xDFFF;
      if (!paired) {
        FailStore("the settings file " + Shown(file) +
                  " is UTF-16 with an unpaired surrogate on line " +
                  std::to_string(LineAtEnd(text)));
      }
      at += 2;
      code = 0x10000 + ((code - 0xD800) << 10) + (unit(at) - 0xDC00);
    }
    AppendUtf8(text, code);
  }
  return text;
}

// The file's bytes as UTF-8 text: a UTF-8 byte-order mark is dropped, UTF-16 (which Windows
// editors save with a byte-order mark) is converted.
std::string DecodeFile(std::string bytes, const fs::path& file) {
  if (StartsWith(bytes, "\xEF\xBB\xBF"))
    return bytes.substr(3);
  using namespace std::string_view_literals;
  if (StartsWith(bytes, "\xFF\xFE\0\0"sv) || StartsWith(bytes, "\0\0\xFE\xFF"sv)) {
    FailStore("the settings file " + Shown(file) +
              " is UTF-32, which is not read; save it as UTF-8 or UTF-16");
  }
  if (StartsWith(bytes, "\xFF\xFE"))
    return FromUtf16(std::string_view(bytes).substr(2), false, file);
  if (StartsWith(bytes, "\xFE\xFF"))
    return FromUtf16(std::string_view(bytes).substr(2), true, file);
  // No text file starts with a NUL beside a character, but UTF-16 without its mark does.
  if (bytes.size() >= 2 && (bytes[0] == '\0') != (bytes[1] == '\0')) {
    FailStore("the settings file " + Shown(file) +
              " looks like UTF-16 without a byte-order mark; save it as UTF-8, or as UTF-16 "
              "with the mark");
  }
  return bytes;
}

// CR LF, LF and a lone CR each end a line; a last line need not be ended.
std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n' && text[i] != '\r')
      continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
      ++i;
    start = i + 1;
  }
  if (start < text.size())
    lines.emplace_back(text.substr(start));
  return lines;
}

// The section name of a "[Name]" line, or nothing.
std::optional<std::string_view> SectionOf(std::string_view line) {
  line = TrimBlanks(line);
  if (line.size() < 2 || line.front() != '[' || line.back() != ']')
    return std::nullopt;
  return TrimBlanks(line.substr(1, line.size() - 2));
}

struct KeyValue {
  std::string_view key;
  std::string_view value;  // points into the line, so its place there is known
};

// The key and value of a "Key=Value" line, or nothing for comments and junk.
std::optional<KeyValue> KeyValueOf(std::string_view line) {
  const std::string_view content = TrimBlanks(line);
  if (content.empty() || content.front() == ';' || content.front() == '#' ||
      content.front() == '[') {
    return std::nullopt;
  }
  const auto equals = line.find('=');
  if (equals == std::string_view::npos)
    return std::nullopt;
  const std::string_view key = TrimBlanks(line.substr(0, equals));
  if (key.empty())
    return std::nullopt;
  return KeyValue{key, TrimBlanks(line.substr(equals + 1))};
}

bool HasLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

[[noreturn]] void FailNotUtf8(const fs::path& file, std::size_t index) {
  FailStore("line " + std::to_string(index + 1) + " of the settings file " + Shown(file) +
            " is not UTF-8 text; save the file as UTF-8");
}

void CheckName(std::string_view what, std::string_view name, std::string_view forbidden) {
  // Blanks at either end would be dropped when the name is read back.
  if (name.empty() || HasLineBreak(name) || name.find('\0') != std::string_view::npos ||
      name.find_first_of(forbidden) != std::string_view::npos || TrimBlanks(name) != name ||
      !IsUtf8(name)) {
    FailStore("cannot store a value under the " + std::string(what) + " " + Quoted(name));
  }
}

// Index of the line after which `key` of `section` is, or should go, and whether it exists.
struct Place {
  std::optional<std::size_t> key_line;
  std::optional<std::size_t> section_end;  // one past the section's last key line
};

// Every header, and every key of `section`, must be text: one the store cannot decode might be
// the very section or key asked for, and passing over it would lose the value without a word.
Place Find(const std::vector<std::string>& lines, std::string_view section, std::string_view key,
           const fs::path& file) {
  Place place;
  bool inside = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (const auto name = SectionOf(lines[i])) {
      if (!IsUtf8(*name))
        FailNotUtf8(file, i);
      inside = EqualsIgnoringAsciiCase(*name, section);
      if (inside && !place.section_end)
        place.section_end = i + 1;
      continue;
    }
    if (!inside)
      continue;
    if (const auto kv = KeyValueOf(lines[i])) {
      if (!IsUtf8(kv->key))
        FailNotUtf8(file, i);
      if (!place.key_line && EqualsIgnoringAsciiCase(kv->key, key))
        place.key_line = i;
      place.section_end = i + 1;
    }
  }
  return place;
}

}  // namespace

fs::path IniSettingsStore::FileFor(std::string_view application) const {
  return folder_ / (std::string(application) + ".ini");
}

std::vector<std::string> IniSettingsStore::LoadLines(const fs::path& file) const {
  std::error_code ec;
  const auto status = fs::status(file, ec);
  if (ec && status.type() != fs::file_type::not_found) {
    FailStore("cannot read the settings file " + Shown(file) + ": " + ec.message());
  }
  if (status.type() == fs::file_type::not_found)
    return {};
  if (status.type() != fs::file_type::regular) {
    FailStore("the settings file " + Shown(file) + " is not a regular file");
  }
  const auto too_large = [&file] {
    FailStore("the settings file " + Shown(file) + " is too large to be a settings file");
  };
  const auto size = fs::file_size(file, ec);
  if (!ec && size > kLargestFile)
    too_large();
  std::ifstream in(file, std::ios::binary);
  if (!in)
    FailStore("cannot open the settings file " + Shown(file));
  // The file may grow after its size was taken: read no more than the limit allows.
  std::string bytes;
  char buffer[1 << 16];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > kLargestFile)
      too_large();
  }
  if (in.bad())
    FailStore("cannot read the settings file " + Shown(file));
  return SplitLines(DecodeFile(std::move(bytes), file));
}

std::optional<std::string> IniSettingsStore::Read(std::string_view application,
                                                  std::string_view section, std::string_view key) {
  CheckName("application", application, "/\\:");
  const fs::path file = FileFor(application);
  const auto lines = LoadLines(file);
  const Place place = Find(lines, section, key, file);
  if (!place.key_line)
    return std::nullopt;
  const std::string_view value = KeyValueOf(lines[*place.key_line])->value;
  if (!IsUtf8(value))
    FailNotUtf8(file, *place.key_line);
  return std::string(value);
}

void IniSettingsStore::Write(std::string_view application, std::string_view section,
                             std::string_view key, std::string_view value) {
  CheckName("application", application, "/\\:");
  CheckName("section", section, "]");
  CheckName("key", key, "=");
  // A key must not read back as a comment or a section header.
  if (key.front() == ';' || key.front() == '#' || key.front() == '[')
    FailStore("cannot store a value under the key " + Quoted(key));
  if (HasLineBreak(value))
    FailStore("cannot store a value that spans lines under " + Quoted(key));
  if (TrimBlanks(value) != value)
    FailStore("cannot store a value with blanks at its ends under " + Quoted(key));
  if (!IsUtf8(value))
    FailStore("cannot store a value that is not UTF-8 text under " + Quoted(key));

  const fs::path file = FileFor(application);
  auto lines = LoadLines(file);
  std::string entry(key);
  entry += '=';
  entry += value;
  const Place place = Find(lines, section, key, file);
  if (place.key_line) {
    // The stored spelling of the key and the blanks around the value stay; only the value
    // changes, as in the registry.
    std::string& line = lines[*place.key_line];
    const std::string_view old_value = KeyValueOf(line)->value;
    line.replace(static_cast<std::size_t>(old_value.data() - line.data()), old_value.size(), value);
  } else if (place.section_end) {
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*place.section_end), entry);
  } else {
    if (!lines.empty() && !TrimBlanks(lines.back()).empty())
      lines.emplace_back();
    std::string header = "[";
    header += section;
    header += ']';
    lines.push_back(std::move(header));
    lines.push_back(entry);
  }

  std::error_code ec;
  fs::create_directories(folder_, ec);
  if (ec)
    FailStore("cannot create the settings folder " + Shown(folder_) + ": " + ec.message());

  // Write a sibling file, then rename it over the old one: the rename is atomic, so readers see
  // either the old file or the new one. It is always UTF-8 with LF line ends, whatever the old
  // one was; the text of every line but the one written is kept.
  std::random_device random;
  const fs::path temporary =
      file.string() + ".tmp" + std::to_string(random()) + std::to_string(random());
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    for (const auto& line : lines)
      out << line << '\n';
    out.flush();
    if (!out) {
      out.close();
      fs::remove(temporary, ec);
      FailStore("cannot write the settings file " + Shown(temporary));
    }
  }
  fs::rename(temporary, file, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    FailStore("cannot replace the settings file " + Shown(file) + ": " + ec.message());
  }
}

fs::path DefaultSettingsFolder() {
  // An empty or relative XDG_CONFIG_HOME is ignored, as the XDG base directory rules say.
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
    return fs::path(xdg);
  if (const char* home = std::getenv("HOME"); home && *home)
    return fs::path(home) / ".config";
  FailStore("neither XDG_CONFIG_HOME nor HOME is set, so there is no settings folder");
}

}  // namespace trelvane
