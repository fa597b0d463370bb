#include "core/ini_settings_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/failure.h"
#include "core/settings.h"

namespace trelvane {
namespace {

namespace fs = std::filesystem;

class IniSettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("trelvane-ini-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path File() const { return folder_ / "Marrowick.ini"; }
  void WriteFile(std::string_view text) {
    fs::create_directories(folder_);
    std::ofstream(File(), std::ios::binary) << text;
  }
  std::string FileText() const {
    std::ifstream in(File(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  std::optional<std::string> Read(std::string_view key) {
    return store_.Read("Marrowick", "Trelvane", key);
  }
  FailureKind ReadFailure(std::string_view key) { return FailureOfRead(key).kind; }
  Failure FailureOfRead(std::string_view key) {
    try {
      Read(key);
    } catch (const BuildFailure& e) {
      return e.failure();
    }
    return Failure{FailureKind::kInternal, "did not fail", 0};
  }

  fs::path folder_;
  IniSettingsStore store_{fs::temp_directory_path() / "unused"};
};

TEST_F(IniSettingsStoreTest, MissingFolderOrFileReadsAsNothingStored) {
  store_ = IniSettingsStore(folder_ / "not" / "there");
  EXPECT_EQ(Read("Classic"), std::nullopt);
  store_ = IniSettingsStore(folder_);
  fs::create_directories(folder_);
  EXPECT_EQ(Read("Classic"), std::nullopt);
}

TEST_F(IniSettingsStoreTest, ReadsKeyValueLinesOfItsSectionOnly) {
  WriteFile(
      "[Other]\nClassic=7\n"
      "[trelvane]\r\nClassic=0\r\nPage Layout= 1 \nHome=\n"
      "[Next]\nLeft=2\n");
  store_ = IniSettingsStore(folder_);
  EXPECT_EQ(Read("Classic"), "0");              // section names ignore case; CR LF ends a line
  EXPECT_EQ(Read("page layout"), "1");          // keys ignore case; blanks around a value go
  EXPECT_EQ(Read("PageLayout"), std::nullopt);  // blanks are part of the key
  EXPECT_EQ(Read("Home"), "");                  // present and empty is not absent
  EXPECT_EQ(Read("Left"), std::nullopt);        // belongs to another section
  EXPECT_EQ(store_.Read("Marrowick", "Other", "classic"), "7");
}

TEST_F(IniSettingsStoreTest, JunkTruncatedAndDuplicateLinesAreHandled) {
  WriteFile(
      "\xEF\xBB\xBF[Trelvane]\n"
      "garbage without equals\n"
      "=no key\n"
      "; Classic=9\n"
      "# Left=9\n"
      "\x01\x02\xff\xfe \x80\n"
      "All=1\n"
      "all=0\n"
      "[Broken\n"
      "Left=2\n"
      "Classic=1");  // the file ends without a line break
  store_ = IniSettingsStore(folder_);
  EXPECT_EQ(Read("Classic"), "1");
  EXPECT_EQ(Read("Left"), "2");
  EXPECT_EQ(Read("All"), "1");  // the first line of a key wins
  EXPECT_EQ(Read("garbage without equals"), std::nullopt);
}

TEST_F(IniSettingsStoreTest, AFileThatCannotBeAFileOfSettingsFailsClearly) {
  store_ = IniSettingsStore(folder_);
  fs::create_directories(File());  // a folder where the file should be
  EXPECT_EQ(ReadFailure("Classic"), FailureKind::kStore);
  fs::remove_all(File());
  WriteFile(std::string(IniSettingsStore::kLargestFile + 10, 'x'));
  EXPECT_EQ(ReadFailure("Classic"), FailureKind::kStore);
}

TEST_F(IniSettingsStoreTest, WritesCreateTheFolderAndReplaceValuesInPlace) {
  store_ = IniSettingsStore(folder_ / "deeper");
  store_.Write("Marrowick", "Trelvane", "Classic", "1");
  store_.Write("Marrowick", "Trelvane", "Page Layout", "0");
  store_.Write("Marrowick", "Trelvane", "CLASSIC", "0");
  EXPECT_EQ(store_.Read("Marrowick", "Trelvane", "classic"), "0");
  EXPECT_EQ(store_.Read("Marrowick", "Trelvane", "Page Layout"), "0");
  std::ifstream in(folder_ / "deeper" / "Marrowick.ini");
  const std::string text{std::istreambuf_iterator<char>(in), {}};
  EXPECT_EQ(text, "[Trelvane]\nClassic=0\nPage Layout=0\n");
}

TEST_F(IniSettingsStoreTest, WritesKeepEverythingElseAndLeaveNoTemporaryFiles) {
  WriteFile("; kept\n[Other]\nX=1\n[Trelvane]\njunk line\nLeft=1\n\n[Last]\nY=2\n");
  store_ = IniSettingsStore(folder_);
  store_.Write("Marrowick", "Trelvane", "All", "0");
  store_.Write("Marrowick", "Trelvane", "Left", "2");
  store_.Write("Marrowick", "New", "Option", "3");
  EXPECT_EQ(FileText(),
            "; kept\n[Other]\nX=1\n[Trelvane]\njunk line\nLeft=2\nAll=0\n\n[Last]\nY=2\n"
            "\n[New]\nOption=3\n");
  int files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder_))
    ++files;
  EXPECT_EQ(files, 1);
}

TEST_F(IniSettingsStoreTest, RefusesNamesAndValuesThatWouldNotReadBack) {
  store_ = IniSettingsStore(folder_);
  const struct {
    const char* application;
    const char* section;
    const char* key;
    const char* value;
  } cases[] = {
      // Blanks at the ends and bytes that are not UTF-8 would not read back as written.
      {"Marrowick", "Trelvane", " Left", "1"},
      {"Marrowick", "Trelvane", "Left\t", "1"},
      {"Marrowick", " Trelvane", "Left", "1"},
      {"Marrowick", "Trelvane", "Left", " 1"},
      {"Marrowick", "Trelvane", "Left", "1\t"},
      {"Marrowick", "Trelvane", "Left", "\xff"},
      {"Marrowick", "Trelvane",
       "L\xe9"
       "ft",
       "1"},
      {"Marrowick", "Trelvane", "a=b", "1"},
      {"Marrowick", "Trelvane", "", "1"},
      {"Marrowick", "Trelvane", "x\ny", "1"},
      {"Marrowick", "Trelvane", ";x", "1"},
      {"Marrowick", "Trelvane", "[x", "1"},
      {"Marrowick", "Trelvane", "Left", "1\n[Evil]"},
      {"Marrowick", "Tre]lvane", "Left", "1"},
      {"../Marrowick", "Trelvane", "Left", "1"},
      {"", "Trelvane", "Left", "1"},
  };
  for (const auto& c : cases) {
    EXPECT_THROW(store_.Write(c.application, c.section, c.key, c.value), BuildFailure)
        << c.application << "/" << c.section << "/" << c.key;
  }
  EXPECT_FALSE(fs::exists(File()));
}

// `text` as UTF-16 bytes after a byte-order mark, in the given byte order.
std::string Utf16(std::u16string_view text, bool big_endian) {
  std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (const char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    bytes += big_endian ? high : low;
    bytes += big_endian ? low : high;
  }
  return bytes;
}

TEST_F(IniSettingsStoreTest, BlanksAroundKeysValuesAndSectionNamesAreNotPartOfThem) {
  for (const char* header : {"[Trelvane] ", "[ Trelvane ]", "\t[\tTRELVANE\t]\t", "  [Trelvane]"}) {
    WriteFile(std::string(header) +
              "\n"
              "All = 0\n"
              "Left =2\n"
              "\tClassic\t=\t5\t\n"
              "  Page Layout  =  1\n"
              "  ; Home=1\n"
              "View = \n");
    store_ = IniSettingsStore(folder_);
    EXPECT_EQ(Read("All"), "0") << header;
    EXPECT_EQ(Read("Left"), "2") << header;
    EXPECT_EQ(Read("Classic"), "5") << header;
    EXPECT_EQ(Read("page layout"), "1") << header;
    EXPECT_EQ(Read("PageLayout"), std::nullopt) << header;  // blanks inside a key still count
    EXPECT_EQ(Read("Home"), std::nullopt) << header;        // a comment, however indented
    EXPECT_EQ(Read("View"), "") << header;                  // present, and empty
  }
}

TEST_F(IniSettingsStoreTest, DuplicateKeysJunkLinesAndOddCaseReadAsBefore) {
  WriteFile(
      "[Trelvane]\n"
      "  garbage without equals  \n"
      "  = no key\n"
      "cLaSsIc=0\n"
      "All = 1\n"
      "ALL=0\n"
      " all = 2 \n");
  store_ = IniSettingsStore(folder_);
  EXPECT_EQ(Read("Classic"), "0");  // a key with odd case is found
  EXPECT_EQ(Read("All"), "1");      // the first line of a key wins, however it is spaced
  EXPECT_EQ(Read("garbage without equals"), std::nullopt);
  EXPECT_EQ(Read(""), std::nullopt);
}

TEST_F(IniSettingsStoreTest, CrLfLfAndALoneCrEachEndALine) {
  for (const char* text :
       {"[Trelvane]\rAll=0\rLeft=2", "[Trelvane]\r\nAll=0\r\nLeft=2\r\n",
        "[Trelvane]\r\r\nAll=0\n\rLeft=2\r", "\r\n\n[Trelvane]\nAll=0\r\rLeft=2\n"}) {
    WriteFile(text);
    store_ = IniSettingsStore(folder_);
    EXPECT_EQ(Read("All"), "0") << testing::PrintToString(text);
    EXPECT_EQ(Read("Left"), "2") << testing::PrintToString(text);
  }
}

TEST_F(IniSettingsStoreTest, Utf16FilesAreReadByTheirByteOrderMark) {
  // U+1F600 needs a surrogate pair; U+00FC and U+2026 do not.
  const std::u16string text =
      u"[Trelvane]\r\nAll = 0\r\nPage Layout=1\r\nNote=\u00FC\U0001F600\u2026\r\n[Other]\nLeft=2";
  for (const bool big_endian : {false, true}) {
    WriteFile(Utf16(text, big_endian));
    store_ = IniSettingsStore(folder_);
    EXPECT_EQ(Read("All"), "0") << big_endian;
    EXPECT_EQ(Read("Page Layout"), "1") << big_endian;
    EXPECT_EQ(Read("Note"), "\xC3\xBC\xF0\x9F\x98\x80\xE2\x80\xA6") << big_endian;
    EXPECT_EQ(Read("Left"), std::nullopt) << big_endian;
  }
}

TEST_F(IniSettingsStoreTest, TextThatCannotBeReadFailsWithAOneLineReason) {
  const struct {
    std::string text;
    const char* says;
  } cases[] = {
      {Utf16(u"[Trelvane]\nAll=0\n", false) + "\n", "odd number of bytes"},
      {Utf16(u"[Trelvane]\nAll=0\n\xD83D", false), "unpaired surrogate on line 3"},
      {Utf16(u"[Trelvane]\nAll=\xDE00\n", true), "unpaired surrogate on line 2"},
      {Utf16(u"[Trelvane]\r\nAll=\xD83D\x0030\n", true), "unpaired surrogate on line 2"},
      {std::string("\xFF\xFE\0\0[\0\0\0", 8), "UTF-32"},
      {std::string("[\0T\0r\0e\0l\0v\0a\0n\0e\0]\0", 20), "without a byte-order mark"},
      // Latin-1 where UTF-8 belongs: the key, or the section, might be the one asked for.
      {"[Trelvane]\n\x01\x02\xff\xfe=\x80\nAll=0\n", "line 2 of"},
      {"[Trelvane]\r\nAll\xA0= 0\r\n", "line 2 of"},
      {"[Trelvane]\nAll=0\n[Tr\xE9lvane]\nLeft=1\n", "line 3 of"},
  };
  store_ = IniSettingsStore(folder_);
  for (const auto& c : cases) {
    WriteFile(c.text);
    const Failure failure = FailureOfRead("All");
    const std::string shown = testing::PrintToString(c.text);
    EXPECT_EQ(failure.kind, FailureKind::kStore) << shown;
    EXPECT_NE(failure.reason.find(c.says), std::string::npos) << shown << ": " << failure.reason;
    EXPECT_NE(failure.reason.find("Marrowick.ini"), std::string::npos) << failure.reason;
    EXPECT_EQ(failure.reason.find_first_of("\r\n"), std::string::npos) << failure.reason;
    // Nor is such a file rewritten over what it holds.
    EXPECT_THROW(store_.Write("Marrowick", "Trelvane", "All", "1"), BuildFailure) << shown;
    EXPECT_EQ(FileText(), c.text) << shown;
  }
  // The value read must be text too, though writing over it is allowed.
  WriteFile("[Trelvane]\nAll=\xFF\n");
  EXPECT_NE(FailureOfRead("All").reason.find("line 2 of"), std::string::npos);
  store_.Write("Marrowick", "Trelvane", "All", "1");
  EXPECT_EQ(Read("All"), "1");
  // Bytes the store does not need to read stay out of the way.
  WriteFile("x\xFF\n[Trelvane]\njunk \xFF\nOther=\xFF\nAll=0\n[Next]\n\xFF=\xFF\n");
  EXPECT_EQ(Read("All"), "0");
}

TEST_F(IniSettingsStoreTest, ReasonsShowTheSettingsPathOnOneLine) {
  const fs::path odd = folder_ / "odd\nfolder\x1b[2J\r";
  fs::create_directories(odd / "Marrowick.ini");  // a folder where the file should be
  store_ = IniSettingsStore(odd);
  const std::string shown = "odd?folder?[2J?/Marrowick.ini";
  const Failure read = FailureOfRead("All");
  EXPECT_NE(read.reason.find(shown), std::string::npos) << read.reason;
  try {
    store_.Write("Marrowick", "Trelvane", "All", "1");
    ADD_FAILURE() << "the write went through";
  } catch (const BuildFailure& e) {
    EXPECT_NE(e.failure().reason.find(shown), std::string::npos) << e.failure().reason;
  }
  // So do the names a write refuses.
  try {
    store_.Write("Marrowick", "Trelvane", "x\r\ny", "1");
    ADD_FAILURE() << "the write went through";
  } catch (const BuildFailure& e) {
    EXPECT_NE(e.failure().reason.find("\"x??y\""), std::string::npos) << e.failure().reason;
  }
}

TEST_F(IniSettingsStoreTest, WritesSaveUtf8WithLfKeepingEveryOtherLinesText) {
  // A UTF-16 file from a Windows editor, with CR LF and a lone CR.
  WriteFile(
      Utf16(u"; \u00FCber\r\n[Trelvane]\r\n  All = 1  \r\nLeft=1\r[Other]\r\nX = \u2026 ", false));
  store_ = IniSettingsStore(folder_);
  store_.Write("Marrowick", "Trelvane", "All", "0");
  EXPECT_EQ(FileText(),
            "; \xC3\xBC"
            "ber\n[Trelvane]\n  All = 0  \nLeft=1\n[Other]\nX = \xE2\x80\xA6 \n");
  store_.Write("Marrowick", "Trelvane", "Classic", "1");
  EXPECT_EQ(FileText(),
            "; \xC3\xBC"
            "ber\n[Trelvane]\n  All = 0  \nLeft=1\nClassic=1\n[Other]\nX = \xE2\x80\xA6 \n");
  // A UTF-8 file keeps its text and loses its byte-order mark and CR line ends.
  WriteFile("\xEF\xBB\xBF[Trelvane]\rAll=\r\r\n");
  store_.Write("Marrowick", "Trelvane", "All", "1");
  EXPECT_EQ(FileText(), "[Trelvane]\nAll=1\n\n");
}

TEST_F(IniSettingsStoreTest, ANumberAsLongAsTheFileAllowsReadsWhole) {
  const std::string value = "0." + std::string(999'999, '0') + "1e1000000";
  WriteFile("[Trelvane]\nHome=" + value + "\n");
  ASSERT_LE(fs::file_size(File()), IniSettingsStore::kLargestFile);
  store_ = IniSettingsStore(folder_);
  EXPECT_EQ(Settings(store_).ReadDouble("Home", 0), 1.0);
}

}  // namespace
}  // namespace trelvane
