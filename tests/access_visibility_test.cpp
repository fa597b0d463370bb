// What each Access getVisible callback answers for the situations a user is in, and exactly
// which host queries it makes to find out.
#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <set>

#include "access/visibility_rules.h"
#include "tests/fake_access_host.h"

namespace trelvane {
namespace {

using access::IsVisible;
using access::NamedVisibilityRule;
using access::VisibilityRules;
using testing::FakeAccess;
using testing::Situation;

// The callbacks that answer true.
std::set<std::string> VisibleCallbacks(FakeAccess& host) {
  std::set<std::string> visible;
  for (const NamedVisibilityRule& entry : VisibilityRules()) {
    if (IsVisible(entry.rule, host))
      visible.emplace(entry.callback);
  }
  return visible;
}

TEST(AccessVisibility, FollowsTheActiveObjectAndItsView) {
  struct Case {
    const char* situation;
    FakeAccess host;
    std::set<std::string> visible;
  } cases[] = {
      {"form in design view",
       Situation(2, true, false),
       {"OnGetVisibleFormOrReport", "OnGetVisibleText", "OnGetVisibleEdit", "OnGetVisibleView",
        "OnGetVisibleInsert", "OnGetVisibleFormat"}},
      {"table in datasheet view",
       Situation(0, false, true),
       {"OnGetVisibleDatasheet", "OnGetVisibleText", "OnGetVisibleEdit", "OnGetVisibleView",
        "OnGetVisibleInsert", "OnGetVisibleFormat", "OnGetVisibleRecords"}},
      {"query in design view",
       Situation(1, true, false),
       {"OnGetVisibleQuery0", "OnGetVisibleEdit", "OnGetVisibleView", "OnGetVisibleInsert",
        "OnGetVisibleQuery", "OnGetVisibleRecords"}},
      {"table in design view",
       Situation(0, true, false),
       {"OnGetVisibleTable0", "OnGetVisibleEdit", "OnGetVisibleView", "OnGetVisibleInsert",
        "OnGetVisibleFormat", "OnGetVisibleRecords"}},
      {"report in print preview",
       Situation(3, false, false),
       {"OnGetVisibleEdit", "OnGetVisibleView", "OnGetVisibleInsert", "OnGetVisibleFormat"}},
      {"nothing active", Situation(-1, false, false), {"OnGetVisibleEdit", "OnGetVisibleView"}},
      {"macro",
       Situation(4, false, false),
       {"OnGetVisibleEdit", "OnGetVisibleView", "OnGetVisibleInsert"}},
  };
  for (Case& c : cases)
    EXPECT_EQ(VisibleCallbacks(c.host), c.visible) << c.situation;
}

TEST(AccessVisibility, KindsOutsideTheKnownSixShowOnlyEditAndView) {
  constexpr std::int32_t kOthers[] = {-1,
                                      6,
                                      7,
                                      12,
                                      1000,
                                      std::numeric_limits<std::int32_t>::max(),
                                      std::numeric_limits<std::int32_t>::min()};
  for (const std::int32_t kind : kOthers) {
    FakeAccess design = Situation(kind, true, false);
    EXPECT_EQ(VisibleCallbacks(design),
              (std::set<std::string>{"OnGetVisibleEdit", "OnGetVisibleView"}))
        << kind;
    FakeAccess datasheet = Situation(kind, false, true);
    EXPECT_EQ(VisibleCallbacks(datasheet),
              (std::set<std::string>{"OnGetVisibleDatasheet", "OnGetVisibleText",
                                     "OnGetVisibleEdit", "OnGetVisibleView"}))
        << kind;
  }
}

TEST(AccessVisibility, EachCallbackMakesItsOwnHostQueriesAndNoShortCut) {
  const std::vector<std::string> kind_kind_design = {"kind", "kind", "ViewsDesignView"};
  const std::vector<std::string> kind_design = {"kind", "ViewsDesignView"};
  const std::vector<std::string> kind = {"kind"};
  const std::map<std::string, std::vector<std::string>> expected = {
      {"OnGetVisibleFormOrReport", kind_kind_design},
      {"OnGetVisibleTable0", kind_design},
      {"OnGetVisibleQuery0", kind_design},
      {"OnGetVisibleText", {"kind", "kind", "ViewsDesignView", "ViewsDatasheetView"}},
      {"OnGetVisibleDatasheet", {"ViewsDatasheetView"}},
      {"OnGetVisibleEdit", kind},
      {"OnGetVisibleView", kind},
      {"OnGetVisibleInsert", kind},
      {"OnGetVisibleFormat", kind},
      {"OnGetVisibleQuery", kind},
      {"OnGetVisibleRecords", kind},
  };
  ASSERT_EQ(VisibilityRules().size(), expected.size());
  // The same queries whatever the answers: a true first operand skips nothing, nor a false one.
  for (const FakeAccess& situation :
       {Situation(2, true, true), Situation(-1, false, false), Situation(0, true, false)}) {
    for (const NamedVisibilityRule& entry : VisibilityRules()) {
      FakeAccess host = situation;
      IsVisible(entry.rule, host);
      EXPECT_EQ(host.calls, expected.at(std::string(entry.callback))) << entry.callback;
    }
  }
}

TEST(AccessVisibility, AFailingHostQueryEndsTheCallbackWithItsCode) {
  for (const NamedVisibilityRule& entry : VisibilityRules()) {
    FakeAccess probe = Situation(2, true, true);
    IsVisible(entry.rule, probe);
    for (std::size_t at = 0; at < probe.calls.size(); ++at) {
      FakeAccess host = Situation(2, true, true);
      host.fail_at = at;
      try {
        IsVisible(entry.rule, host);
        ADD_FAILURE() << entry.callback << " did not fail at query " << at;
      } catch (const BuildFailure& e) {
        EXPECT_EQ(e.failure().kind, FailureKind::kHost);
        EXPECT_EQ(e.failure().code, FakeAccess::kNoDatabaseCode);
      }
      EXPECT_EQ(host.calls.size(), at + 1) << entry.callback << ": queried on after a failure";
    }
  }
}

TEST(AccessVisibility, CallbacksAreNamedAsTheMarkupNamesThemInTableOrder) {
  const auto rules = VisibilityRules();
  EXPECT_EQ(rules.front().callback, "OnGetVisibleFormOrReport");
  EXPECT_EQ(rules.back().callback, "OnGetVisibleRecords");
  std::set<std::string_view> names;
  for (const NamedVisibilityRule& entry : rules)
    names.insert(entry.callback);
  EXPECT_EQ(names.size(), 11u);
}

}  // namespace
}  // namespace trelvane
