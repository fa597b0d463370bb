// The refresh timer's side of Access: the one look it takes per poll (which host calls, what it
// makes of the answers and of failures) and when it invalidates the ribbon.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "access/observed_view.h"
#include "access/refresh_policy.h"
#include "tests/fake_access_host.h"

namespace trelvane {
namespace {

using access::ObjectKind;
using access::ObservedView;
using access::ObserveView;
using access::RefreshPolicy;
using testing::FakeAccess;
using testing::Situation;

ObservedView View(ObjectKind kind, bool design, bool datasheet) {
  return ObservedView{.kind = kind, .design = design, .datasheet = datasheet};
}

TEST(AccessObservedView, OneLookIsFourHostCallsThroughOneCommandBarsRead) {
  const std::vector<std::string> four = {"kind", "CommandBars", "ViewsDesignView",
                                         "ViewsDatasheetView"};
  struct Case {
    FakeAccess host;
    ObservedView view;
  } cases[] = {
      {Situation(2, true, false), View(ObjectKind::kForm, true, false)},
      {Situation(0, false, true), View(ObjectKind::kTable, false, true)},
      {Situation(3, true, true), View(ObjectKind::kReport, true, true)},
      {Situation(5, false, false), View(ObjectKind::kModule, false, false)},
  };
  for (Case& c : cases) {
    EXPECT_EQ(ObserveView(c.host), c.view) << c.host.kind;
    EXPECT_EQ(c.host.calls, four) << c.host.kind;
  }
}

TEST(AccessObservedView, KindsTheRulesCannotTellApartLookTheSame) {
  // -1 (nothing selected) and 7 (a kind without rules) show the same tab: no change to refresh.
  FakeAccess none = Situation(-1, false, false);
  FakeAccess other = Situation(7, false, false);
  FakeAccess table = Situation(0, false, false);
  EXPECT_EQ(ObserveView(none), ObserveView(other));
  EXPECT_NE(ObserveView(none), ObserveView(table));
}

TEST(AccessObservedView, AFailingQueryGivesTheFailedLookAndEndsIt) {
  for (std::size_t at = 0; at < 4; ++at) {
    FakeAccess host = Situation(2, true, false);
    host.fail_at = at;
    EXPECT_EQ(ObserveView(host), ObservedView::Failed()) << at;
    EXPECT_EQ(host.calls.size(), at + 1) << "queried on after a failure at " << at;
  }
  // Whatever else the host said before failing, two failed looks are the same state.
  FakeAccess form = Situation(2, true, false);
  FakeAccess table = Situation(0, false, true);
  form.fail_at = 3;
  table.fail_at = 1;
  EXPECT_EQ(ObserveView(form), ObserveView(table));
}

// Polls a fake Access as the timer does, Invalidate answering as `invalidate_succeeds` says;
// counts what the poll cost.
struct Session {
  FakeAccess host = Situation(2, true, false);
  RefreshPolicy policy{ObserveView(host)};
  int invalidations = 0;
  int polls = 0;
  std::size_t most_calls_in_a_poll = 0;
  bool invalidate_succeeds = true;

  // Returns the Invalidate calls these polls made.
  int Poll(int times = 1) {
    const int before = invalidations;
    for (int i = 0; i < times; ++i) {
      host.calls.clear();
      const bool invalidate = policy.Poll(ObserveView(host));
      ++polls;
      most_calls_in_a_poll = std::max(most_calls_in_a_poll, host.calls.size());
      if (invalidate) {
        ++invalidations;
        policy.Invalidated(invalidate_succeeds);
      }
    }
    return invalidations - before;
  }
};

TEST(AccessRefreshPolicy, AnIdleAccessIsNeverInvalidated) {
  Session session;
  EXPECT_EQ(session.Poll(240), 0);  // a minute of polls
  EXPECT_EQ(session.most_calls_in_a_poll, 4u);
}

TEST(AccessRefreshPolicy, EachChangeOfObjectOrViewInvalidatesOnce) {
  Session session;
  // A form in design view, then a table in datasheet view, and back.
  session.host = Situation(0, false, true);
  EXPECT_EQ(session.Poll(), 1);
  EXPECT_EQ(session.Poll(10), 0);
  session.host = Situation(2, true, false);
  EXPECT_EQ(session.Poll(), 1);
  // The same form from design to datasheet view: only a button changed.
  session.host.design = false;
  session.host.datasheet = true;
  EXPECT_EQ(session.Poll(), 1);
  // From "nothing selected" to another kind without rules: the tab cannot change.
  session.host = Situation(-1, false, false);
  EXPECT_EQ(session.Poll(), 1);
  session.host.kind = 9;
  EXPECT_EQ(session.Poll(5), 0);
}

TEST(AccessRefreshPolicy, ALastingFailureInvalidatesOnEntryAndOnLeavingOnly) {
  Session session;
  session.host.failing = true;
  EXPECT_EQ(session.Poll(), 1);
  EXPECT_EQ(session.Poll(20), 0);  // five seconds of a host that cannot answer
  session.host.failing = false;
  EXPECT_EQ(session.Poll(), 1);  // the same state as before it failed, but the tab showed failure
  EXPECT_EQ(session.Poll(4), 0);
}

TEST(AccessRefreshPolicy, AHostFailingWhenTheRibbonLoadsInvalidatesWhenItAnswers) {
  FakeAccess failing = Situation(1, true, false);
  failing.failing = true;
  Session session;
  session.host = failing;
  session.policy = RefreshPolicy(ObserveView(session.host));
  EXPECT_EQ(session.Poll(8), 0);
  session.host.failing = false;
  EXPECT_EQ(session.Poll(), 1);
  EXPECT_EQ(session.Poll(4), 0);
}

TEST(AccessRefreshPolicy, AFailedInvalidateIsRetriedAtEachPollUntilItGoesThrough) {
  Session session;
  session.invalidate_succeeds = false;
  session.host = Situation(1, true, false);
  EXPECT_EQ(session.Poll(), 1);
  EXPECT_EQ(session.Poll(), 1);  // no change since, but the last one did not get through
  // Back where the ribbon was loaded: what Office last asked is unknown, so still asked for.
  session.host = Situation(2, true, false);
  EXPECT_EQ(session.Poll(), 1);
  session.invalidate_succeeds = true;
  EXPECT_EQ(session.Poll(), 1);
  EXPECT_EQ(session.Poll(6), 0);
}

}  // namespace
}  // namespace trelvane
