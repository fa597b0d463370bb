#include "core/ribbon_document.h"

#include <gtest/gtest.h>

#include "core/memory_settings_store.h"
#include "core/settings.h"
#include "excel/excel_host.h"
#include "tests/document_scan.h"
#include "word/word_host.h"

namespace trelvane {
namespace {

using testing::Count;

// A host whose Name can fail, as a late-bound call into a real host can.
class FakeHost final : public HostApplication {
 public:
  explicit FakeHost(std::string name) : name_(std::move(name)) {}
  std::string Name() override {
    if (fail_)
      throw BuildFailure(FailureKind::kHost, "Name failed", -2147352573);
    return name_;
  }
  std::string Version() override {
    ++version_reads;
    if (!version)
      throw BuildFailure(FailureKind::kHost, "no Version", -2147352570);
    return *version;
  }
  std::uint32_t UiLanguageId() override {
    ++language_reads;
    if (!ui_language)
      throw BuildFailure(FailureKind::kHost, "no LanguageSettings", -2147352570);
    return *ui_language;
  }
  bool DocumentMap() override { return false; }
  void SetDocumentMap(bool) override {}
  std::int32_t CurrentObjectType() override { return -1; }
  bool GetPressedMso(std::string_view) override { return false; }
  std::vector<bool> GetPressedMsos(std::span<const std::string_view> id_msos) override {
    return std::vector<bool>(id_msos.size());
  }
  bool fail_ = false;
  std::optional<std::string> version = "14.0";  // none: the host has no such property
  int version_reads = 0;
  std::optional<std::uint32_t> ui_language;  // none: the host cannot say
  int language_reads = 0;

 private:
  std::string name_;
};

// A host with three tabs and no content, so that the frame stands alone.
constexpr HostTab kTabs[] = {{"Home", "TabHome"}, {"Page Layout", "TabPL"}, {"View", "TabView"}};
const HostProfile kFrameHost{
    .host_word = "Frame",
    .application_name = "Microsoft Frame",
    .tabs = kTabs,
    .forms = EmitterForms::kExtended,
    .all_menu_start_tag = {},
    .spacer_after_all_menu = std::nullopt,
    .content = {},
};

constexpr std::string_view kRoot =
    R"(<customUI xmlns="http://schemas.microsoft.com/office/2006/01/customui" >)";
constexpr std::string_view kClose = "</group ></tab></tabs></ribbon></customUI>";

class RibbonDocumentTest : public ::testing::Test {
 protected:
  RibbonXml Build(const HostProfile& host, std::optional<std::string> name = std::nullopt) {
    FakeHost app(name ? *name : std::string(host.application_name));
    RibbonBuilder builder(host);
    return builder.GetRibbonXML(&app, store_);
  }
  std::string Document(const HostProfile& host) {
    const RibbonXml xml = Build(host);
    EXPECT_TRUE(xml.ok) << xml.failure.reason;
    return xml.document;
  }
  void Set(std::string_view key, std::string_view value) { Settings(store_).Write(key, value); }

  MemorySettingsStore store_;
};

TEST_F(RibbonDocumentTest, DefaultsGiveTheClassicTabBeforeHomeWithTheAllMenu) {
  EXPECT_EQ(
      Document(kFrameHost),
      std::string(kRoot) +
          R"(<ribbon><tabs><tab id="Menus" label="Classic" insertBeforeMso="TabHome">)"
          R"(<group id="ToolsPanel" label="Tools panel"><box id="boxNew1" boxStyle="horizontal">)"
          R"(<menu id="BR32341" label="All" tag = "BR32341"></menu></box>)" +
          std::string(kClose));
}

TEST_F(RibbonDocumentTest, ClassicZeroOrAHostNameWithoutTheHostWordAddsNothing) {
  Set("Classic", "0");
  RibbonXml xml = Build(excel::ExcelHost());
  EXPECT_TRUE(xml.ok);
  EXPECT_EQ(xml.document, "");
  Set("Classic", "5");
  EXPECT_NE(Document(excel::ExcelHost()), "");
  for (const char* name : {"Microsoft Word", "microsoft excel", "EXCEL", "", "Excе1"}) {
    xml = Build(excel::ExcelHost(), name);
    EXPECT_TRUE(xml.ok) << name;
    EXPECT_EQ(xml.document, "") << name;
  }
  EXPECT_NE(Build(excel::ExcelHost(), "Excel").document, "");
  EXPECT_NE(Build(word::WordHost(), "My Word processor").document, "");
}

TEST_F(RibbonDocumentTest, LeftOtherThanOnePutsTheTabAtTheEnd) {
  for (const char* value : {"0", "2", "-1", "1.4"}) {
    Set("Left", value);
    const std::string doc = Document(kFrameHost);
    const bool before_home = std::string_view(value) == "1.4";  // rounds to 1
    EXPECT_EQ(Count(doc, R"(<tab id="Menus" label="Classic" insertBeforeMso="TabHome">)"),
              before_home ? 1 : 0)
        << value;
    EXPECT_EQ(Count(doc, R"(<tab id="Menus" label="Classic">)"), before_home ? 0 : 1) << value;
  }
}

TEST_F(RibbonDocumentTest, AllOtherThanOneLeavesTheAllMenuOut) {
  Set("All", "0");
  const std::string excel = Document(excel::ExcelHost());
  EXPECT_TRUE(excel.starts_with(std::string(kRoot) +
                                R"(<ribbon><tabs><tab id="Menus" label="Classic" )"
                                R"(insertBeforeMso="TabHome"><group id="ToolsPanel" )"
                                R"(label="Tools panel"><box id="boxNew1" boxStyle="horizontal">)"
                                R"(<menu id="B30002" label="File" tag = "B30002">)"));
  EXPECT_EQ(Count(excel, "AddAll0"), 0);
  EXPECT_EQ(Count(excel, R"( id="All)"), 0);
  Set("All", "2");
  EXPECT_EQ(Count(Document(kFrameHost), "label=\"All\""), 0);
}

TEST_F(RibbonDocumentTest, HidingIsAppliedOnlyWhenHideBuiltInTabsIsOne) {
  Set("Home", "1");
  Set("View", "1");
  const int reads_before = store_.reads();
  EXPECT_EQ(Count(Document(kFrameHost), "<tab idMso="), 0);
  EXPECT_EQ(store_.reads() - reads_before, 4);  // Classic, Hide built-in Tabs, Left, All
  Set("Hide built-in Tabs", "1");
  const std::string doc = Document(kFrameHost);
  EXPECT_NE(doc.find(R"(<ribbon><tabs><tab idMso="TabHome" visible="false"/>)"
                     R"(<tab idMso="TabView" visible="false"/><tab id="Menus")"),
            std::string::npos);
}

TEST_F(RibbonDocumentTest, TabValuesAddingUpToTheRowCountStartFromScratch) {
  Set("Hide built-in Tabs", "1");
  EXPECT_EQ(Count(Document(kFrameHost), "startFromScratch"), 0);  // no keys: total 0
  Set("Home", "1");
  Set("Page Layout", "1.0");
  Set("View", "1");
  std::string doc = Document(kFrameHost);
  EXPECT_NE(doc.find(R"(<ribbon startFromScratch="true"><tabs><tab id="Menus")"),
            std::string::npos);
  EXPECT_EQ(Count(doc, "<tab idMso="), 0);
  // 2 + 1 + 0 also makes three, although one tab is 0 and one is not 1.
  Set("Home", "2");
  Set("View", "0");
  EXPECT_EQ(Count(Document(kFrameHost), "startFromScratch"), 1);
  // The total is rounded to a whole number after each addition: 0.5, 0.5 and 2 give 0+0+2.
  Set("Home", "0.5");
  Set("Page Layout", "0.5");
  Set("View", "2");
  doc = Document(kFrameHost);
  EXPECT_EQ(Count(doc, "startFromScratch"), 0);
  EXPECT_EQ(Count(doc, "<tab idMso="), 0);  // no value equals 1
}

TEST_F(RibbonDocumentTest, PageLayoutAloneHidesOneExcelTab) {
  Set("Hide built-in Tabs", "1");
  Set("Page Layout", "1");
  Set("PageLayout", "1");  // what a differently spelt key would say: not read
  const std::string doc = Document(excel::ExcelHost());
  EXPECT_EQ(Count(doc, "<tab idMso="), 1);
  EXPECT_NE(doc.find(R"(<tabs><tab idMso="TabPageLayoutExcel" visible="false"/><tab id="Menus")"),
            std::string::npos);
}

TEST_F(RibbonDocumentTest, BadStoredValuesFailTheBuildWithNoDocument) {
  const struct {
    const char* key;
    const char* value;
    FailureKind kind;
  } cases[] = {
      {"Classic", "", FailureKind::kNotANumber},
      {"Classic", "on", FailureKind::kNotANumber},
      {"Left", "9999999999", FailureKind::kOutOfRange},
      {"All", "1;", FailureKind::kNotANumber},
      {"Hide built-in Tabs", "0x1", FailureKind::kNotANumber},
      {"Home", "yes", FailureKind::kNotANumber},       // read once hiding is on
      {"Developer", "3e9", FailureKind::kOutOfRange},  // the sum passes 32 bits
      {"Review", "1e400", FailureKind::kOutOfRange},
  };
  for (const auto& c : cases) {
    store_ = MemorySettingsStore();
    Set("Hide built-in Tabs", "1");
    Set(c.key, c.value);
    const RibbonXml xml = Build(excel::ExcelHost());
    EXPECT_FALSE(xml.ok) << c.key << "=" << c.value;
    EXPECT_EQ(xml.document, "") << c.key;
    EXPECT_EQ(xml.failure.kind, c.kind) << c.key << ": " << xml.failure.reason;
    EXPECT_NE(xml.failure.reason.find(c.key), std::string::npos) << xml.failure.reason;
  }
}

TEST_F(RibbonDocumentTest, AHostThatCannotAnswerFailsTheBuild) {
  FakeHost app("Microsoft Excel");
  app.fail_ = true;
  RibbonBuilder builder(excel::ExcelHost());
  RibbonXml xml = builder.GetRibbonXML(&app, store_);
  EXPECT_FALSE(xml.ok);
  EXPECT_EQ(xml.failure.kind, FailureKind::kHost);
  EXPECT_EQ(xml.failure.code, -2147352573);
  xml = builder.GetRibbonXML(nullptr, store_);
  EXPECT_FALSE(xml.ok);
  EXPECT_EQ(xml.failure.kind, FailureKind::kHost);
  // The same builder recovers fully once the host answers.
  app.fail_ = false;
  xml = builder.GetRibbonXML(&app, store_);
  EXPECT_TRUE(xml.ok);
  EXPECT_EQ(xml.document, Document(excel::ExcelHost()));
}

TEST_F(RibbonDocumentTest, TheVersionIsReadOnceABuildAndAnUnreadableOneGivesThe2010Document) {
  FakeHost app("Microsoft Excel");
  RibbonBuilder builder(excel::ExcelHost());
  const std::string office2010 = builder.GetRibbonXML(&app, store_).document;
  EXPECT_EQ(app.version_reads, 1);
  for (const char* version : {"16.0", "15.0"}) {
    app.version = version;
    const RibbonXml xml = builder.GetRibbonXML(&app, store_);
    ASSERT_TRUE(xml.ok) << xml.failure.reason;
    EXPECT_NE(xml.document, office2010) << version;
    EXPECT_EQ(xml.document.find(R"(idMso="FormulaAuditingMenu")"), std::string::npos) << version;
  }
  EXPECT_EQ(builder.office_version(), OfficeVersion::kOffice2013);
  EXPECT_EQ(app.version_reads, 3);
  for (const std::optional<std::string>& version :
       {std::optional<std::string>(), std::optional<std::string>("16,0"),
        std::optional<std::string>("")}) {
    app.version = version;
    const RibbonXml xml = builder.GetRibbonXML(&app, store_);
    ASSERT_TRUE(xml.ok) << xml.failure.reason;
    EXPECT_EQ(xml.document, office2010) << version.value_or("(none)");
    EXPECT_EQ(builder.office_version(), OfficeVersion::kOffice2010);
  }
  EXPECT_EQ(app.version_reads, 6);
  // A host that is not ours is not asked.
  FakeHost other("Microsoft Word");
  EXPECT_EQ(builder.GetRibbonXML(&other, store_).document, "");
  EXPECT_EQ(other.version_reads, 0);
}

TEST_F(RibbonDocumentTest, EveryBuildStartsAfreshSoTheSameSettingsGiveTheSameDocument) {
  FakeHost app("Microsoft Word");
  RibbonBuilder builder(word::WordHost());
  const RibbonXml first = builder.GetRibbonXML(&app, store_);
  Set("Classic", "x");
  EXPECT_FALSE(builder.GetRibbonXML(&app, store_).ok);  // leaves a half-written buffer behind
  Set("Classic", "1");
  const RibbonXml again = builder.GetRibbonXML(&app, store_);
  ASSERT_TRUE(first.ok);
  EXPECT_EQ(first.document, again.document);
}

TEST_F(RibbonDocumentTest, EachHostOpensAndClosesItsAllMenuItsOwnWay) {
  const std::string excel = Document(excel::ExcelHost());
  EXPECT_NE(excel.find(R"(<box id="boxNew1" boxStyle="horizontal"><menu id="AddAll0" label="All">)"
                       R"(<menu id="AllB30002")"),
            std::string::npos);
  EXPECT_NE(excel.find(R"(</menu></menu><button id="sep001" label=" " enabled="false"/>)"
                       R"(<menu id="B30002")"),
            std::string::npos);
  const std::string word = Document(word::WordHost());
  EXPECT_NE(word.find(R"(<box id="boxNew1" boxStyle="horizontal"><menu id="BR32341" label="All" )"
                      R"(tag = "BR32341"><menu id="BR32342" label="File" tag = "BR32342">)"),
            std::string::npos);
  // Word: no gap after the All menu; the row's own File menu follows at once.
  EXPECT_NE(word.find(R"(</menu></menu><menu id="BR323429" label="File" tag = "BR323429">)"),
            std::string::npos);
  for (const std::string& doc : {excel, word}) {
    EXPECT_TRUE(doc.ends_with("</box>" + std::string(kClose)));
  }
}

}  // namespace
}  // namespace trelvane
