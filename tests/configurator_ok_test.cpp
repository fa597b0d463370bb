#include <gtest/gtest.h>

#include "configurator/options_window.h"
#include "core/ribbon_document.h"
#include "fake_configurator_world.h"
#include "tests/document_scan.h"
#include "tools/host_catalog.h"

namespace trelvane::configurator {
namespace {

using testing::FakeConfiguratorWorld;
using testing::Join;
using testing::Log;

class ConfiguratorOkTest : public ::testing::Test {
 protected:
  // Lays out both builds of every add-in, loads a window, selects `host` and forgets what that
  // logged.
  OptionsWindow& Open(HostOption host) {
    world_.InstallAddins();
    window_.emplace(world_.seams());
    EXPECT_TRUE(window_->Load());
    window_->ClickOption(host);
    world_.log.clear();
    return *window_;
  }
  // What OK did beyond storing the boxes.
  Log Actions() const {
    Log actions;
    for (const std::string& entry : world_.log) {
      if (!entry.starts_with("write "))
        actions.push_back(entry);
    }
    return actions;
  }
  FakeConfiguratorWorld world_;
  std::optional<OptionsWindow> window_;
};

TEST_F(ConfiguratorOkTest, OkStoresEveryBoxRegistersTheAddinStartsTheHostAndCloses) {
  OptionsWindow& window = Open(HostOption::kWord);
  window.ClickBox(8);
  window.ClickOk();
  EXPECT_EQ(world_.log,
            (Log{"write Classic=1", "write Left=1", "write All=1", "write Home=0", "write Insert=0",
                 "write Page Layout=0", "write References=0", "write Mailings=0", "write Review=1",
                 "write View=0", "write Developer=0", "write Hide built-in Tabs=1",
                 "register WordTrelvane.Connect 32-bit C:\\Program Files\\Marrowick "
                 "Trelvane\\WordTrelvane.dll",
                 "register WordTrelvane.Connect 64-bit C:\\Program Files\\Marrowick "
                 "Trelvane\\x64\\WordTrelvane.dll",
                 "shell WINWORD", "close"}));
  EXPECT_TRUE(window.closed());
  EXPECT_TRUE(world_.messages.empty());

  // Box 11 is read back as stored: an OK that changes nothing stores it unchanged.
  Open(HostOption::kWord).ClickOk();
  EXPECT_EQ(world_.Logged("write Hide"), Log{"write Hide built-in Tabs=1"});
  world_.Store("Review", "0");
  Open(HostOption::kWord).ClickOk();
  EXPECT_EQ(world_.Logged("write Hide"), Log{"write Hide built-in Tabs=1"});
}

// For each host: "Hide built-in tabs" set and OK make that host's add-in start its ribbon from
// scratch; one tab box cleared again, it hides the others one by one. OK writes the host's own
// tab keys and no other host's.
TEST_F(ConfiguratorOkTest, HidingEveryTabOfTheChosenHostMakesItsRibbonStartFromScratch) {
  for (const HostChoice& choice : HostChoices()) {
    const CatalogEntry* found = nullptr;
    for (const CatalogEntry& candidate : HostCatalog()) {
      if (candidate.profile().tabs.data() == choice.tabs.data())  // the very table the add-in reads
        found = &candidate;
    }
    ASSERT_NE(found, nullptr) << choice.caption;
    const CatalogEntry& entry = *found;
    const HostProfile& profile = entry.profile();
    const auto document = [&] {
      StandInHost application(std::string(profile.application_name));
      RibbonBuilder builder(profile);
      const RibbonXml xml = builder.GetRibbonXML(&application, world_);
      EXPECT_TRUE(xml.ok) << entry.key;
      return xml.document;
    };
    for (bool keep_one : {false, true}) {
      world_ = FakeConfiguratorWorld();
      OptionsWindow& window = Open(choice.host);
      window.ClickBox(kHideTabsBox);
      if (keep_one)
        window.ClickBox(TabBox(1));
      window.ClickOk();
      Log expected;
      for (std::size_t index = 0; index < profile.tabs.size(); ++index) {
        const bool hidden = !(keep_one && index == 1);
        expected.push_back(Join("write ", profile.tabs[index].name, hidden ? "=1" : "=0"));
      }
      expected.push_back("write Hide built-in Tabs=1");
      Log written;
      for (const std::string& entry_text : world_.Logged("write ")) {
        if (!entry_text.starts_with("write Classic") && !entry_text.starts_with("write Left") &&
            !entry_text.starts_with("write All"))
          written.push_back(entry_text);
      }
      EXPECT_EQ(written, expected) << entry.key;
      const std::string markup = document();
      if (!keep_one) {
        EXPECT_NE(markup.find("<ribbon startFromScratch=\"true\">"), std::string::npos)
            << entry.key;
        EXPECT_EQ(testing::Count(markup, "visible=\"false\"/>"), 0) << entry.key;
      } else {
        EXPECT_EQ(markup.find("startFromScratch"), std::string::npos) << entry.key;
        // Every tab of every other key, as the 2010 document names them.
        std::size_t hidden = 0;
        for (std::size_t index = 0; index < profile.tabs.size(); ++index) {
          if (index != 1)
            hidden += TabIdMsos(profile.tabs[index], OfficeVersion::kOffice2010).size();
        }
        EXPECT_EQ(testing::Count(markup, "<tab idMso="), static_cast<int>(hidden)) << entry.key;
        for (const std::string_view id_mso : TabIdMsos(profile.tabs[1], OfficeVersion::kOffice2010))
          EXPECT_EQ(markup.find(Join("<tab idMso=\"", id_mso, "\"")), std::string::npos)
              << entry.key;
      }
    }
  }
}

// Each host's own add-in, from the add-ins' table, both builds from a folder with blanks.
TEST_F(ConfiguratorOkTest, EachHostRegistersItsOwnAddinAndStartsItsOwnProgram) {
  world_.folder = "E:\\a b\\  c";
  for (const auto& [host, file, program] :
       {std::tuple{HostOption::kExcel, "ExcelTrelvane", "Excel"},
        {HostOption::kAccess, "AccessTrelvane", "MSACCESS"},
        {HostOption::kPowerPoint, "PPTTrelvane", "POWERPNT"},
        {HostOption::kOutlook, "OutlookTrelvane", "OUTLOOK"}}) {
    Open(host).ClickOk();
    const std::string prog_id = Join(file, ".Connect");
    EXPECT_EQ(Actions(),
              (Log{Join("register ", prog_id, " 32-bit E:\\a b\\  c\\", file, ".dll"),
                   Join("register ", prog_id, " 64-bit E:\\a b\\  c\\x64\\", file, ".dll"),
                   Join("shell ", program), "close"}));
    EXPECT_TRUE(world_.registered.contains(Join(prog_id, " 32-bit")));
    EXPECT_TRUE(world_.registered.contains(Join(prog_id, " 64-bit")));
  }
}

// A build the folder lacks is not registered: the 32-bit Windows package has no x64 folder.
// With neither build there, nothing is registered and nothing is reported.
TEST_F(ConfiguratorOkTest, OnlyTheBuildsTheFolderHoldsAreRegistered) {
  world_.InstallAddins();
  world_.files.erase("C:\\Program Files\\Marrowick Trelvane\\x64\\ExcelTrelvane.dll");
  window_.emplace(world_.seams());
  ASSERT_TRUE(window_->Load());
  window_->ClickOption(HostOption::kExcel);
  world_.log.clear();
  window_->ClickOk();
  EXPECT_EQ(world_.Logged("register"),
            Log{"register ExcelTrelvane.Connect 32-bit C:\\Program Files\\Marrowick "
                "Trelvane\\ExcelTrelvane.dll"});

  world_.files.erase("C:\\Program Files\\Marrowick Trelvane\\ExcelTrelvane.dll");
  window_.emplace(world_.seams());
  ASSERT_TRUE(window_->Load());
  world_.log.clear();
  window_->ClickOk();
  EXPECT_TRUE(world_.Logged("register").empty());
  EXPECT_EQ(Actions(), (Log{"shell Excel", "close"}));
  EXPECT_TRUE(world_.messages.empty());
}

TEST_F(ConfiguratorOkTest, WithTheClassicBoxClearedOkUnregistersTwiceQuietlyAndStartsTheHost) {
  world_.registered = {"PPTTrelvane.Connect 32-bit", "PPTTrelvane.Connect 64-bit"};
  const Log unregister = {"unregister PPTTrelvane.Connect 32-bit",
                          "unregister PPTTrelvane.Connect 64-bit", "shell POWERPNT", "close"};
  OptionsWindow& window = Open(HostOption::kPowerPoint);
  window.ClickBox(0);
  window.ClickOk();
  EXPECT_EQ(world_.Logged("write Classic"), Log{"write Classic=0"});
  EXPECT_EQ(Actions(), unregister);
  EXPECT_TRUE(world_.registered.empty());

  Open(HostOption::kPowerPoint).ClickOk();  // "Classic" = 0 keeps box 0 cleared
  EXPECT_EQ(Actions(), unregister);
  EXPECT_TRUE(world_.messages.empty());
}

TEST_F(ConfiguratorOkTest, AFailingStepOfOkIsReportedAndOkGoesOnWithTheNext) {
  world_.failing = {"write Left", "write Review", "register", "shell", "close"};
  OptionsWindow& window = Open(HostOption::kWord);
  window.ClickOk();
  EXPECT_EQ(world_.Reports(),
            (Log{"PushButton2_Click 102", "PushButton2_Click 108", "PushButton2_Click 112",
                 "PushButton2_Click 118", "PushButton2_Click 132"}));
  EXPECT_EQ(world_.Logged("write M"), Log{"write Mailings=0"});
  // A refusal in one view ends the registration: the other view is not tried.
  EXPECT_EQ(world_.Logged("register").size(), 1u);
  EXPECT_FALSE(window.closed());
}

TEST_F(ConfiguratorOkTest, CancelStoresNothingButTheHostAClickHasStored) {
  OptionsWindow& window = Open(HostOption::kExcel);
  window.ClickBox(0);
  window.ClickCancel();
  EXPECT_EQ(world_.log, Log{"close"});
  EXPECT_TRUE(window.closed());
  EXPECT_EQ(world_.Stored("Option"), "2");

  OptionsWindow next(world_.seams());
  next.Load();
  EXPECT_EQ(next.selected(), HostOption::kExcel);
  world_.failing = {"close"};
  next.ClickCancel();
  EXPECT_EQ(world_.Reports(), Log{"PushButton1_Click 100"});
  EXPECT_FALSE(next.closed());
}

}  // namespace
}  // namespace trelvane::configurator
