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

}  // namespace
}  // namespace trelvane
