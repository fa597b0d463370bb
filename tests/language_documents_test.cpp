// Every host's document, for every Office version and line of the settings matrix, in every
// language: the same document as in English but for its texts. A built-in control carries none
// of ours (Office shows its own words), and each of our own texts is the table's words for the
// English text in its place, so none stays English unless the table says the word is the same.
#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/language_tables.h"
#include "tests/document_scan.h"
#include "tools/host_catalog.h"

namespace trelvane {
namespace {

// One label, screentip or supertip in a document: in which tag it stands (counted from 0), its
// attribute's name, its text, and whether its element is a built-in control.
struct PlacedText {
  int tag;
  std::string attribute;
  std::string text;
  bool built_in;
  bool operator==(const PlacedText&) const = default;
};

void PrintTo(const PlacedText& placed, std::ostream* out) {
  *out << "tag " << placed.tag << " " << placed.attribute << "=\"" << placed.text << "\""
       << (placed.built_in ? " (built in)" : "");
}

bool IsTextAttribute(std::string_view name) {
  return name == "label" || name == "screentip" || name == "supertip";
}

// The document without its text attributes, and those attributes in order. Attributes are
// ` name="value"` or ` name = "value"`, as the writer forms them.
struct Scanned {
  std::string rest;
  std::vector<PlacedText> texts;
};

Scanned Scan(std::string_view document) {
  Scanned out;
  int tag = -1;
  bool built_in = false;
  std::size_t at = 0;
  while (at < document.size()) {
    const char c = document[at];
    if (c == '<') {
      ++tag;
      const std::size_t close = document.find('>', at);
      built_in = document.substr(at, close - at).find(" idMso=") != std::string_view::npos;
    }
    if (c == ' ' && tag >= 0) {
      // ` name` then optional blanks, `=`, optional blanks, a quoted value.
      std::size_t end = at + 1;
      while (end < document.size() && std::isalpha(static_cast<unsigned char>(document[end])))
        ++end;
      const std::string_view name = document.substr(at + 1, end - at - 1);
      std::size_t quote = end;
      while (quote < document.size() && (document[quote] == ' ' || document[quote] == '='))
        ++quote;
      if (IsTextAttribute(name) && quote < document.size() && document[quote] == '"' &&
          document.substr(end, quote - end).find('=') != std::string_view::npos) {
        const std::size_t value_end = document.find('"', quote + 1);
        out.texts.push_back({tag, std::string(name),
                             std::string(document.substr(quote + 1, value_end - quote - 1)),
                             built_in});
        at = value_end + 1;
        continue;
      }
    }
    out.rest += c;
    ++at;
  }
  return out;
}

// What `language`'s document carries where the English one has `english`.
std::vector<PlacedText> Translated(const std::vector<PlacedText>& english, Language language,
                                   std::string& missing) {
  std::vector<PlacedText> out;
  for (PlacedText placed : english) {
    if (placed.built_in)
      continue;
    if (placed.text.find_first_not_of(' ') != std::string::npos) {
      const auto words = FindText(language, TextSection::kRibbon, placed.text);
      if (!words)
        missing = placed.text;
      else
        placed.text = std::string(*words);
    }
    out.push_back(placed);
  }
  return out;
}

struct SettingsLine {
  std::string name;
  testing::SettingValues values;
};

// The matrix the document checks run in English: Left, All and the tab hiding cases.
std::vector<SettingsLine> Matrix(const HostProfile& host) {
  std::vector<std::pair<std::string, testing::SettingValues>> hiding;
  const auto tab = [&](std::size_t i) { return std::string(host.tabs[i].name); };
  hiding.push_back({"no tab keys", {}});
  hiding.push_back({"first tab", {{tab(0), "1"}}});
  testing::SettingValues all;
  for (std::size_t i = 0; i < host.tabs.size(); ++i)
    all.push_back({tab(i), "1"});
  hiding.push_back({"all tabs", all});
  hiding.push_back({"all but one", {all.begin() + 1, all.end()}});
  std::vector<SettingsLine> lines = {{"defaults", {}}};
  for (const char* left : {"0", "1", "2"}) {
    for (const char* all_menu : {"0", "1"}) {
      for (const auto& [case_name, values] : hiding) {
        SettingsLine line{std::string("Left=") + left + " All=" + all_menu + " " + case_name,
                          {{"Left", left}, {"All", all_menu}, {"Hide built-in Tabs", "1"}}};
        line.values.insert(line.values.end(), values.begin(), values.end());
        lines.push_back(std::move(line));
      }
    }
  }
  return lines;
}

std::string Document(const HostProfile& host, const SettingsLine& line, const char* version,
                     std::optional<std::uint32_t> lcid) {
  return testing::BuildDocument(host, line.values, version, lcid).document;
}

TEST(LanguageDocuments, EveryLineOfTheMatrixEqualsEnglishButForItsTexts) {
  int documents = 0;
  for (const CatalogEntry& entry : HostCatalog()) {
    const HostProfile& host = entry.profile();
    for (const char* version : {"14.0", "15.0", "16.0"}) {
      for (const SettingsLine& line : Matrix(host)) {
        const Scanned english = Scan(Document(host, line, version, std::nullopt));
        ASSERT_FALSE(english.texts.empty());
        for (const LanguageInfo& info : TranslatedLanguages()) {
          const std::string where = std::string(entry.key) + " " + version + " " +
                                    std::string(info.tag) + " " + line.name;
          const Scanned other = Scan(Document(host, line, version, info.lcid));
          ASSERT_EQ(other.rest, english.rest) << where << ": more differs than the texts";
          std::string missing;
          const std::vector<PlacedText> wanted = Translated(english.texts, info.language, missing);
          ASSERT_EQ(missing, "") << where << ": a text of ours in no table";
          ASSERT_EQ(other.texts, wanted) << where;
          ++documents;
        }
      }
    }
  }
  // Every host's matrix in every language, so that a host or language left out shows.
  EXPECT_EQ(documents,
            static_cast<int>(HostCatalog().size() * 3 * 25 * TranslatedLanguages().size()));
}

}  // namespace
}  // namespace trelvane
