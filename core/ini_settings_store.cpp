#include "core/ini_settings_store.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <system_error>

#include "core/ascii_case.h"
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

// A name as a reason quotes it.
std::string Quoted(std::string_view text) {
  constexpr std::size_t kLongestQuote = 64;
  return '"' + TextForReason(text, kLongestQuote) + '"';
}

std::string_view WithoutCarriageReturn(std::string_view line) {
  if (!line.empty() && line.back() == '\r')
    line.remove_suffix(1);
  return line;
}

// The section name of a "[Name]" line, or nothing.
std::optional<std::string_view> SectionOf(std::string_view line) {
  line = WithoutCarriageReturn(line);
  if (line.size() < 2 || line.front() != '[' || line.back() != ']')
    return std::nullopt;
  return line.substr(1, line.size() - 2);
}

struct KeyValue {
  std::string_view key;
  std::string_view value;
};

// The key and value of a "Key=Value" line, or nothing for comments and junk.
std::optional<KeyValue> KeyValueOf(std::string_view line) {
  line = WithoutCarriageReturn(line);
  if (line.empty() || line.front() == ';' || line.front() == '#' || line.front() == '[') {
    return std::nullopt;
  }
  const auto equals = line.find('=');
  if (equals == 0 || equals == std::string_view::npos)
    return std::nullopt;
  return KeyValue{line.substr(0, equals), line.substr(equals + 1)};
}

bool HasLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

void CheckName(std::string_view what, std::string_view name, std::string_view forbidden) {
  if (name.empty() || HasLineBreak(name) || name.find('\0') != std::string_view::npos ||
      name.find_first_of(forbidden) != std::string_view::npos) {
    FailStore("cannot store a value under the " + std::string(what) + " " + Quoted(name));
  }
}

// Index of the line after which `key` of `section` is, or should go, and whether it exists.
struct Place {
  std::optional<std::size_t> key_line;
  std::optional<std::size_t> section_end;  // one past the section's last key line
};

Place Find(const std::vector<std::string>& lines, std::string_view section, std::string_view key) {
  Place place;
  bool inside = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (const auto name = SectionOf(lines[i])) {
      inside = EqualsIgnoringAsciiCase(*name, section);
      if (inside && !place.section_end)
        place.section_end = i + 1;
      continue;
    }
    if (!inside)
      continue;
    if (const auto kv = KeyValueOf(lines[i])) {
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
  const auto size = fs::file_size(file, ec);
  if (!ec && size > kLargestFile) {
    FailStore("the settings file " + Shown(file) + " is too large to be a settings file");
  }
  std::ifstream in(file, std::ios::binary);
  if (!in)
    FailStore("cannot open the settings file " + Shown(file));
  std::vector<std::string> lines;
  std::string line;
  std::uintmax_t total = 0;
  while (std::getline(in, line)) {
    total += line.size() + 1;
    if (total > kLargestFile + 1) {
      FailStore("the settings file " + Shown(file) + " is too large to be a settings file");
    }
    lines.push_back(std::move(line));
  }
  if (in.bad())
    FailStore("cannot read the settings file " + Shown(file));
  // A UTF-8 byte-order mark is not part of the first line.
  if (!lines.empty() && lines.front().rfind("\xEF\xBB\xBF", 0) == 0)
    lines.front().erase(0, 3);
  return lines;
}

std::optional<std::string> IniSettingsStore::Read(std::string_view application,
                                                  std::string_view section, std::string_view key) {
  CheckName("application", application, "/\\:");
  const auto lines = LoadLines(FileFor(application));
  const Place place = Find(lines, section, key);
  if (!place.key_line)
    return std::nullopt;
  return std::string(KeyValueOf(lines[*place.key_line])->value);
}

void IniSettingsStore::Write(std::string_view application, std::string_view section,
                             std::string_view key, std::string_view value) {
  CheckName("application", application, "/\\:");
  CheckName("section", section, "]");
  CheckName("key", key, "=");
  // A key must not read back as a comment or a section header.
  if (key.front() == ';' || key.front() == '#' || key.front() == '[') {
    FailStore("cannot store a value under the key " + Quoted(key));
  }
  if (HasLineBreak(value))
    FailStore("cannot store a value that spans lines under " + Quoted(key));

  const fs::path file = FileFor(application);
  auto lines = LoadLines(file);
  std::string entry(key);
  entry += '=';
  entry += value;
  const Place place = Find(lines, section, key);
  if (place.key_line) {
    // The stored spelling of the key stays; only its value changes, as in the registry.
    std::string& line = lines[*place.key_line];
    line.replace(line.find('=') + 1, std::string::npos, value);
  } else if (place.section_end) {
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*place.section_end), entry);
  } else {
    if (!lines.empty() && !WithoutCarriageReturn(lines.back()).empty())
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
  // either the old file or the new one.
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
