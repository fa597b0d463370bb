#include "core/settings.h"

#include <gtest/gtest.h>

#include "core/failure.h"
#include "core/memory_settings_store.h"

namespace trelvane {
namespace {

// The failure a read throws, or a failure of kind kInternal when it does not throw.
template <typename Read>
Failure FailureOf(Read read) {
  try {
    read();
  } catch (const BuildFailure& e) {
    return e.failure();
  }
  return Failure{FailureKind::kInternal, "did not fail", 0};
}

// `text` between double quotes, as a reason quotes stored text.
std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  quoted += text;
  quoted += '"';
  return quoted;
}

class SettingsTest : public ::testing::Test {
 protected:
  void Store(std::string_view key, std::string_view value) {
    store_.Write(kSettingsApplication, kSettingsSection, key, value);
  }
  MemorySettingsStore store_;
  Settings settings_{store_};
};

TEST_F(SettingsTest, AbsentKeysReadAsTheDecimalTextOfTheirDefault) {
  EXPECT_EQ(settings_.ReadText("Classic", 1), "1");
  EXPECT_EQ(settings_.ReadText("Classic", -1), "-1");
  EXPECT_EQ(settings_.ReadInt32("Left", 1), 1);
  EXPECT_EQ(settings_.ReadDouble("Home", 0), 0.0);
}

TEST_F(SettingsTest, ValuesLiveUnderMarrowickTrelvaneAndKeysIgnoreCaseButNotBlanks) {
  settings_.Write("Page Layout", "1");
  EXPECT_EQ(store_.Read("Marrowick", "Trelvane", "Page Layout"), "1");
  EXPECT_EQ(settings_.ReadInt32("PAGE LAYOUT", 0), 1);
  EXPECT_EQ(settings_.ReadInt32("PageLayout", 0), 0);
  EXPECT_EQ(settings_.ReadInt32(" Page Layout", 0), 0);
}

TEST_F(SettingsTest, StoredTextIsConvertedAsANumber) {
  Store("Classic", "5");
  Store("Left", "2");
  Store("All", " 1.0 ");
  Store("Home", "1.0");
  Store("View", "0.5");
  EXPECT_EQ(settings_.ReadInt32("Classic", 1), 5);
  EXPECT_EQ(settings_.ReadInt32("Left", 1), 2);
  EXPECT_EQ(settings_.ReadInt32("All", 1), 1);
  EXPECT_EQ(settings_.ReadDouble("Home", 0), 1.0);
  EXPECT_EQ(settings_.ReadInt32("View", 0), 0);  // half to even
  EXPECT_EQ(settings_.ReadDouble("View", 0), 0.5);
}

TEST_F(SettingsTest, TextThatIsNotANumberFailsNamingTheKeyAndTheText) {
  for (const char* text : {"", "yes", "0x1", "1 1", "1O"}) {
    Store("Classic", text);
    const Failure failure = FailureOf([&] { settings_.ReadInt32("Classic", 1); });
    EXPECT_EQ(failure.kind, FailureKind::kNotANumber) << text;
    EXPECT_NE(failure.reason.find("\"Classic\""), std::string::npos) << failure.reason;
    EXPECT_NE(failure.reason.find(Quoted(text)), std::string::npos) << failure.reason;
    EXPECT_EQ(FailureOf([&] { settings_.ReadDouble("Classic", 1); }).kind,
              FailureKind::kNotANumber);
  }
}

TEST_F(SettingsTest, NumbersThatDoNotFitFailAsOutOfRange) {
  Store("Left", "2147483648");
  EXPECT_EQ(FailureOf([&] { settings_.ReadInt32("Left", 1); }).kind, FailureKind::kOutOfRange);
  Store("Left", "-2147483648");
  EXPECT_EQ(settings_.ReadInt32("Left", 1), -2147483648);
  Store("Home", "1e400");
  EXPECT_EQ(FailureOf([&] { settings_.ReadDouble("Home", 0); }).kind, FailureKind::kOutOfRange);
}

TEST_F(SettingsTest, FailureReasonsStayOnOneLineAndShort) {
  Store("Classic", "1\r\n2\x01" + std::string(500, 'x'));
  const Failure failure = FailureOf([&] { settings_.ReadInt32("Classic", 1); });
  EXPECT_EQ(failure.reason.find_first_of("\r\n\x01"), std::string::npos);
  EXPECT_LT(failure.reason.size(), 160u);
  // A long value made of multi-byte characters is not cut inside a character.
  Store("Classic", std::string(63, 'x') + "\xE2\x80\xA6" + std::string(10, 'y'));
  const Failure cut = FailureOf([&] { settings_.ReadInt32("Classic", 1); });
  EXPECT_NE(cut.reason.find(std::string(63, 'x') + "...\""), std::string::npos) << cut.reason;
}

TEST_F(SettingsTest, ReasonsShowNoLineSeparatorOrStrayByteOfTheStoredText) {
  // NEL, LINE SEPARATOR and PARAGRAPH SEPARATOR end a line for many readers; stray bytes
  // (one '?' each) could join with what follows into one of them.
  Store("Classic",
        "1\xC2\x85"
        "2\xE2\x80\xA8"
        "3\xE2\x80\xA9"
        "4\x85"
        "5\xE2\x80"
        "6");
  const Failure failure = FailureOf([&] { settings_.ReadInt32("Classic", 1); });
  EXPECT_NE(failure.reason.find("\"1?2?3?4?5??6\""), std::string::npos) << failure.reason;
  Store("Classic", "\xC3\xA9t\xC3\xA9");  // well-formed text is shown as it is
  const Failure kept = FailureOf([&] { settings_.ReadInt32("Classic", 1); });
  EXPECT_NE(kept.reason.find(Quoted("\xC3\xA9t\xC3\xA9")), std::string::npos) << kept.reason;
}

TEST(TextForReason, CutsAtACharacterOnlyWhenTooLong) {
  const std::string path = "/home/a\nb/" + std::string(300, 'x') + "/Marrowick.ini";
  EXPECT_EQ(TextForReason(path, std::string::npos),
            "/home/a?b/" + std::string(300, 'x') + "/Marrowick.ini");
  // Stray bytes count one each, so a run of them is cut where its length says.
  EXPECT_EQ(TextForReason(std::string(10, '\x80'), 4), "????...");
  EXPECT_EQ(TextForReason("ab\xE2\x80\xA6", 4), "ab...");
  EXPECT_EQ(TextForReason("ab\xE2\x80\xA6", 5), "ab\xE2\x80\xA6");
}

TEST(DecodeUtf8, TakesWellFormedCharactersOnly) {
  const struct {
    const char* text;
    char32_t code;
    std::size_t length;
  } cases[] = {
      {"A", U'A', 1},
      {"\xC3\xA9x", 0xE9, 2},
      {"\xE2\x80\xA6", 0x2026, 3},
      {"\xF0\x9F\x98\x80", 0x1F600, 4},
      {"\xF4\x8F\xBF\xBF", 0x10FFFF, 4},
      {"\x80", 0, 0},                  // a continuation byte alone
      {"\xC3", 0, 0},                  // cut short
      {"\xE2\x80", 0, 0},              // cut short
      {"\xC3(", 0, 0},                 // not followed by a continuation byte
      {"\xC0\x80", 0, 0},              // overlong NUL
      {"\xE0\x80\xAF", 0, 0},          // overlong '/'
      {"\xED\xA0\x80", 0, 0},          // a surrogate
      {"\xF4\x90\x80\x80", 0, 0},      // past U+10FFFF
      {"\xF8\x88\x80\x80\x80", 0, 0},  // five-byte form
  };
  for (const auto& c : cases) {
    const Utf8Character got = DecodeUtf8(c.text);
    EXPECT_EQ(got.length, c.length) << c.text;
    if (c.length != 0) {
      EXPECT_EQ(got.code, c.code) << c.text;
    }
  }
  EXPECT_EQ(DecodeUtf8("").length, 0u);
  EXPECT_EQ(DecodeUtf8(std::string_view("\0", 1)).length, 1u);
}

}  // namespace
}  // namespace trelvane
