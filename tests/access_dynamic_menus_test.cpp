// The content Access gets when it opens a dynamic menu: built for the kind of the active object,
// numbered on from the document and from every earlier request, and empty exactly where the
// menu's getVisible callback hides the menu.
#include <gtest/gtest.h>

#include <limits>
#include <regex>
#include <set>

#include "access/access_host.h"
#include "access/dynamic_menus.h"
#include "core/memory_settings_store.h"
#include "core/ribbon_document.h"
#include "tests/document_scan.h"
#include "tests/fake_access_host.h"

namespace trelvane {
namespace {

using access::BuildMenuContent;
using access::DynamicMenu;
using access::DynamicMenus;
using access::NamedDynamicMenu;
using testing::FakeAccess;
using testing::Ids;

constexpr std::int32_t kKinds[] = {0,
                                   1,
                                   2,
                                   3,
                                   4,
                                   5,
                                   -1,
                                   6,
                                   std::numeric_limits<std::int32_t>::max(),
                                   std::numeric_limits<std::int32_t>::min()};

const std::string kEmpty = "<menu xmlns=\"" + std::string(kCustomUiNamespace) + "\"></menu>";

std::string Content(DynamicMenu menu, std::int32_t kind, MarkupWriter& writer,
                    OfficeVersion version = OfficeVersion::kOffice2010) {
  FakeAccess host;
  host.kind = kind;
  return BuildMenuContent(menu, host, writer, version, Language::kEnglish);
}

// The text with the running numbers of its ids taken out.
std::string WithoutNumbers(const std::string& text) {
  static const std::regex kNumbers(R"((msep00|BR3234)\d+)");
  return std::regex_replace(text, kNumbers, "$1#");
}

access::VisibilityRule RuleOf(const NamedDynamicMenu& menu) {
  for (const access::NamedVisibilityRule& entry : access::VisibilityRules()) {
    if (entry.callback == "OnGetVisible" + std::string(menu.name))
      return entry.rule;
  }
  ADD_FAILURE() << "no visibility callback for " << menu.name;
  return access::VisibilityRule::kEdit;
}

TEST(AccessDynamicMenus, TheEditMenuOfATableStartsWithTheEditHeadNumberedOnFromTheDocument) {
  MarkupWriter writer;
  writer.counters().separator = 41;
  const std::string edit = Content(DynamicMenu::kEdit, 0, writer);
  EXPECT_TRUE(edit.starts_with("<menu xmlns=\"" + std::string(kCustomUiNamespace) +
                               "\"><control idMso=\"Undo\"/><control idMso=\"Redo\"/>"
                               "<menuSeparator id=\"msep0042d\"/>"
                               "<control idMso=\"Cut\" label=\"Cut\"/>"))
      << edit;
  EXPECT_TRUE(edit.ends_with("</menu>"));
  EXPECT_EQ(writer.text(), edit);
}

TEST(AccessDynamicMenus, AMenuIsEmptyExactlyWhereItsCallbackHidesIt) {
  for (const NamedDynamicMenu& menu : DynamicMenus()) {
    for (const std::int32_t kind : kKinds) {
      MarkupWriter writer;
      const bool empty = Content(menu.menu, kind, writer) == kEmpty;
      FakeAccess host;
      host.kind = kind;
      EXPECT_EQ(empty, !access::IsVisible(RuleOf(menu), host)) << menu.name << " kind " << kind;
    }
  }
  // Edit and View offer their lists even when nothing is active.
  MarkupWriter writer;
  EXPECT_NE(Content(DynamicMenu::kEdit, -1, writer), kEmpty);
  EXPECT_NE(Content(DynamicMenu::kView, -1, writer), kEmpty);
  EXPECT_EQ(Content(DynamicMenu::kInsert, -1, writer), kEmpty);
}

TEST(AccessDynamicMenus, TwoRequestsInARowDifferOnlyInTheirIds) {
  MarkupWriter writer;
  const std::string first = Content(DynamicMenu::kInsert, 2, writer);
  const std::string second = Content(DynamicMenu::kInsert, 2, writer);
  EXPECT_NE(first, second);
  EXPECT_EQ(WithoutNumbers(first), WithoutNumbers(second));
}

TEST(AccessDynamicMenus, NoIdRepeatsAcrossTheDocumentAndEveryRequestAfterIt) {
  MemorySettingsStore store;
  FakeAccess host;
  RibbonBuilder builder(access::AccessHost());
  const RibbonXml xml = builder.GetRibbonXML(&host, store);
  ASSERT_TRUE(xml.ok) << xml.failure.reason;
  std::vector<std::string> ids = Ids(xml.document);
  for (int round = 0; round < 2; ++round) {
    for (const NamedDynamicMenu& menu : DynamicMenus()) {
      for (const std::int32_t kind : kKinds) {
        const std::vector<std::string> more = Ids(Content(menu.menu, kind, builder.writer()));
        ids.insert(ids.end(), more.begin(), more.end());
      }
    }
  }
  EXPECT_EQ(std::set<std::string>(ids.begin(), ids.end()).size(), ids.size());
  EXPECT_GT(ids.size(), 174u * 2);
}

TEST(AccessDynamicMenus, EachRequestReadsTheKindOnceAndAFailingQueryGivesNoContent) {
  for (const NamedDynamicMenu& menu : DynamicMenus()) {
    FakeAccess host;
    host.kind = 0;
    MarkupWriter writer;
    BuildMenuContent(menu.menu, host, writer, OfficeVersion::kOffice2016, Language::kEnglish);
    EXPECT_EQ(host.calls, std::vector<std::string>{"kind"}) << menu.name;

    FakeAccess failing;
    failing.fail_at = 0;
    try {
      BuildMenuContent(menu.menu, failing, writer, OfficeVersion::kOffice2010, Language::kEnglish);
      ADD_FAILURE() << menu.name << " gave content without a kind";
    } catch (const BuildFailure& e) {
      EXPECT_EQ(e.failure().code, FakeAccess::kNoDatabaseCode);
    }
  }
}

TEST(AccessDynamicMenus, MenusFollowTheirDocumentsVersionAndLanguageWithoutAskingTheHostAgain) {
  MemorySettingsStore store;
  RibbonBuilder builder(access::AccessHost());
  struct Case {
    const char* version;
    std::optional<std::uint32_t> ui_language;
  };
  for (const Case& c : {Case{"14.0", std::nullopt}, Case{"16.0", 1031}, Case{"14.0", 2052}}) {
    FakeAccess host;
    host.version = c.version;
    host.ui_language = c.ui_language;
    host.kind = 0;
    const RibbonXml xml = builder.GetRibbonXML(&host, store);
    ASSERT_TRUE(xml.ok) << xml.failure.reason;
    EXPECT_EQ(host.calls, (std::vector<std::string>{"version", "language"}));
    host.calls.clear();
    const std::string view = BuildMenuContent(DynamicMenu::kView, host, builder.writer(),
                                              builder.office_version(), builder.language());
    EXPECT_EQ(host.calls, std::vector<std::string>{"kind"});
    // PivotTable views went with Office 2013; the separator after them stays.
    const bool office2010 = std::string_view(c.version) == "14.0";
    EXPECT_EQ(view.find("ViewsPivotTableView") != std::string::npos, office2010) << c.version;
    EXPECT_EQ(xml.document.find("ViewsPivotTableView") != std::string::npos, office2010);
    const std::string next =
        office2010 ? "<control idMso=\"ViewsPivotTableView\"" : "<menuSeparator";
    // Outside English the built-in control carries Office's own label, not ours.
    const std::string datasheet =
        c.ui_language ? R"(<control idMso="ViewsDatasheetView"/>)" : R"(label="Datasheet View"/>)";
    EXPECT_NE(view.find(datasheet + next), std::string::npos) << view;
  }
}

TEST(AccessDynamicMenus, ContentAskedBeforeAnyDocumentNumbersFromOne) {
  RibbonBuilder builder(access::AccessHost());
  const std::string edit = Content(DynamicMenu::kEdit, 0, builder.writer());
  EXPECT_EQ(testing::IdsStartingWith(edit, "msep").front(), "msep001d");
}

TEST(AccessDynamicMenus, MenusAreFoundByNameInAnyCase) {
  EXPECT_EQ(access::DynamicMenuNamed("records"), DynamicMenu::kRecords);
  EXPECT_EQ(access::DynamicMenuNamed("EDIT"), DynamicMenu::kEdit);
  EXPECT_EQ(access::DynamicMenuNamed("Tools"), std::nullopt);
  EXPECT_EQ(access::DynamicMenuNamed(""), std::nullopt);
  for (const NamedDynamicMenu& menu : DynamicMenus())
    EXPECT_EQ(menu.callback, "OnGetContent" + std::string(menu.name));
}

}  // namespace
}  // namespace trelvane
