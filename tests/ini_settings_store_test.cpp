#include "core/ini_settings_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/failure.h"

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
  EXPECT_EQ(Read("page layout"), " 1 ");        // keys ignore case; the value keeps its blanks
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
      "\x01\x02\xff\xfe=\x80\n"
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
      {"Marrowick", "Trelvane", "a=b", "1"},   {"Marrowick", "Trelvane", "", "1"},
      {"Marrowick", "Trelvane", "x\ny", "1"},  {"Marrowick", "Trelvane", ";x", "1"},
      {"Marrowick", "Trelvane", "[x", "1"},    {"Marrowick", "Trelvane", "Left", "1\n[Evil]"},
      {"Marrowick", "Tre]lvane", "Left", "1"}, {"../Marrowick", "Trelvane", "Left", "1"},
      {"", "Trelvane", "Left", "1"},
  };
  for (const auto& c : cases) {
    EXPECT_THROW(store_.Write(c.application, c.section, c.key, c.value), BuildFailure)
        << c.application << "/" << c.section << "/" << c.key;
  }
  EXPECT_FALSE(fs::exists(File()));
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

}  // namespace
}  // namespace trelvane
