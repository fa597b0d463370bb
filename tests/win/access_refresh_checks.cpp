// The Classic tab following Access, from ribbonLoaded to OnDisconnection. The refresh window
// looks at Access on its timer and invalidates the ribbon only when what the visibility rules
// read has changed; the test plays Office's redraw after each Invalidate (every getVisible
// callback the document names, asked again) and reports what an idle Access costs and how soon
// a change reaches the tab. Counts are checked; times are reported.
#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "access/win/refresh_window.h"
#include "tests/win/access_office.h"

namespace trelvane::wintest {
namespace {

struct Situation {
  const char* name;
  double kind;
  bool design;
  bool datasheet;
  std::set<std::wstring> shown;  // the getVisible callbacks that say visible
};

const Situation kFormDesign = {
    "a form in design view",
    2,
    true,
    false,
    {L"OnGetVisibleFormOrReport", L"OnGetVisibleText", L"OnGetVisibleEdit", L"OnGetVisibleView",
     L"OnGetVisibleInsert", L"OnGetVisibleFormat"}};
const Situation kTableDatasheet = {
    "a table in datasheet view",
    0,
    false,
    true,
    {L"OnGetVisibleDatasheet", L"OnGetVisibleText", L"OnGetVisibleEdit", L"OnGetVisibleView",
     L"OnGetVisibleInsert", L"OnGetVisibleFormat", L"OnGetVisibleRecords"}};
const Situation kFormDatasheet = {
    "a form in datasheet view",
    2,
    false,
    true,
    {L"OnGetVisibleDatasheet", L"OnGetVisibleText", L"OnGetVisibleEdit", L"OnGetVisibleView",
     L"OnGetVisibleInsert", L"OnGetVisibleFormat"}};

// Host calls made by the callbacks Office asks at its redraws, apart from the timer's own.
HostCalls redraw_calls;

// How often the timer has looked at Access: its CurrentObjectType reads.
int Polls(const FakeAccess& access) {
  return access.application.object_type_reads - redraw_calls.object_type;
}

void Show(FakeAccess& access, const Situation& situation) {
  access.Show(situation.kind, situation.design, situation.datasheet);
}

std::string Format(const char* format, double a, double b = 0, double c = 0, double d = 0) {
  char text[160];
  std::snprintf(text, sizeof text, format, a, b, c, d);
  return text;
}

// "median 130 ms, worst 251 ms", or with `decimals` places.
std::string Summary(std::vector<double> latencies, int decimals = 0) {
  if (latencies.empty())
    return "none measured";
  std::sort(latencies.begin(), latencies.end());
  const std::size_t n = latencies.size();
  const double median = n % 2 ? latencies[n / 2] : (latencies[n / 2 - 1] + latencies[n / 2]) / 2;
  char format[40];
  std::snprintf(format, sizeof format, "median %%.%df ms, worst %%.%df ms", decimals, decimals);
  return Format(format, median, latencies.back());
}

// Waits for the timer to look at Access `polls` more times.
bool WaitPolls(FakeAccess& access, int polls) {
  const int until = Polls(access) + polls;
  return PumpUntil([&] { return Polls(access) >= until; }, polls * win::kRefreshIntervalMs * 8);
}

// Waits for Office to redraw the tab showing `situation`; the time from `since` when it did.
std::optional<double> WaitShown(const RibbonRedraw& office, const Situation& situation,
                                double since) {
  const int rounds = office.rounds;
  if (!PumpUntil([&] { return office.rounds > rounds && office.Shown() == situation.shown; }, 4000))
    return std::nullopt;
  return office.finished - since;
}

void CheckLoad(CheckList& checks, IDispatch* addin, FakeAccess& access,
               const RibbonRedraw& office) {
  checks.Expect(RefreshWindows().empty(), "no refresh window before ribbonLoaded");
  const Answer early = CallPlain(addin, L"InvalidateRibbon", DISPATCH_METHOD);
  checks.Expect(FAILED(early.hr), "InvalidateRibbon before ribbonLoaded fails", Hex(early.hr));
  const Answer none = CallPlain(addin, L"oRibbon", DISPATCH_PROPERTYGET);
  checks.Expect(none.hr == S_OK && none.result.type() == VT_DISPATCH &&
                    V_DISPATCH(none.result.get()) == nullptr,
                "oRibbon is Nothing before ribbonLoaded");

  const std::set<std::wstring> known(std::begin(kVisibilityCallbacks),
                                     std::end(kVisibilityCallbacks));
  const bool all_known = std::all_of(office.callbacks().begin(), office.callbacks().end(),
                                     [&](const std::wstring& name) { return known.count(name); });
  checks.Expect(!office.callbacks().empty() && all_known,
                "Office's stand-in finds the document's getVisible callbacks, all of them the "
                "add-in's",
                std::to_string(office.callbacks().size()));
  checks.Report(std::to_string(office.callbacks().size()) +
                " getVisible attributes in the document, each asked at every redraw");

  Show(access, kFormDesign);
  const HostCalls before = access.Calls();
  const Answer loaded = Call(addin, L"ribbonLoaded", &access.ribbon);
  const HostCalls look = access.Calls() - before;
  checks.Expect(loaded.hr == S_OK && access.ribbon.borrowed() == 1,
                "ribbonLoaded keeps the ribbon with one reference",
                Hex(loaded.hr) + ", " + std::to_string(access.ribbon.borrowed()));
  checks.Expect(look.object_type == 1 && look.command_bars == 1 && look.pressed == 2 &&
                    access.ribbon.invalidations == 0,
                "ribbonLoaded takes the first look at Access (four host calls) and invalidates "
                "nothing");
  const std::vector<HWND> windows = RefreshWindows();
  if (checks.Expect(windows.size() == 1, "ribbonLoaded makes one refresh window",
                    std::to_string(windows.size()))) {
    RECT place = {1, 1, 1, 1};
    ::GetWindowRect(windows[0], &place);
    const LONG_PTR extended = ::GetWindowLongPtrW(windows[0], GWL_EXSTYLE);
    checks.Expect(place.left == 0 && place.top == 0 && place.right == 0 && place.bottom == 0,
                  "the refresh window sits at (0, 0) with no area");
    checks.Expect(!::IsWindowVisible(windows[0]) && ::GetForegroundWindow() != windows[0] &&
                      (extended & WS_EX_TOOLWINDOW) && (extended & WS_EX_NOACTIVATE),
                  "it is not visible, has no focus and would have no task-bar button");
  }
}

void CheckIdle(CheckList& checks, FakeAccess& access, const RibbonRedraw& office) {
  WaitPolls(access, 1);
  const HostCalls before = access.Calls();
  const int invalidations = access.ribbon.invalidations;
  const int asked = office.asked;
  const HostCalls redrawn_before = redraw_calls;
  const double start = NowMs();
  PumpFor(3000);
  const double seconds = (NowMs() - start) / 1000;
  const HostCalls all = access.Calls() - before;
  const HostCalls by_callbacks = redraw_calls - redrawn_before;
  const HostCalls idle = all - by_callbacks;  // the timer's own
  const int polls = idle.object_type;
  checks.Expect(access.ribbon.invalidations == invalidations && office.asked == asked,
                "an idle Access: no Invalidate, so no getVisible callback",
                std::to_string(access.ribbon.invalidations - invalidations) + " Invalidate");
  checks.Expect(polls > 0 && idle.command_bars == polls && idle.pressed == 2 * polls,
                "each poll: CurrentObjectType, CommandBars once, GetPressedMso twice",
                std::to_string(polls) + " polls, " + std::to_string(idle.calls()) + " calls");
  // The timer cannot tick more often than its interval, however busy the machine.
  checks.Expect(polls <= seconds * 1000 / win::kRefreshIntervalMs + 1,
                "at most four polls a second", std::to_string(polls) + " polls");
  const int idle_invalidations = access.ribbon.invalidations - invalidations;
  const int idle_callbacks = office.asked - asked;
  checks.Report(Format("idle for %.1f s: %.0f polls, %.0f host calls (%.0f a minute, ", seconds,
                       polls, all.calls(), all.calls() * 60 / seconds) +
                Format("%.0f of them by callbacks), %.0f name lookups (%.0f a minute), ",
                       by_callbacks.calls(), all.lookups, all.lookups * 60 / seconds) +
                Format("%.0f Invalidate (%.0f a minute), %.0f getVisible callbacks (%.0f a minute)",
                       idle_invalidations, idle_invalidations * 60 / seconds, idle_callbacks,
                       idle_callbacks * 60 / seconds));
}

void CheckChanges(CheckList& checks, FakeAccess& access, const RibbonRedraw& office) {
  // Form design to table datasheet and back, and a form from design to datasheet view.
  const Situation* const cycle[] = {&kTableDatasheet, &kFormDesign, &kFormDatasheet, &kFormDesign};
  constexpr int kChanges = 12;
  const int invalidations = access.ribbon.invalidations;
  const int rounds = office.rounds;
  std::vector<double> latencies;
  std::vector<double> redraws;
  std::string missed;
  for (int i = 0; i < kChanges; ++i) {
    // A user's change comes at any moment between two polls, not just after one.
    PumpFor((i * 5 % kChanges) * win::kRefreshIntervalMs / kChanges);
    const Situation& situation = *cycle[i % 4];
    Show(access, situation);
    const auto latency = WaitShown(office, situation, NowMs());
    if (latency) {
      latencies.push_back(*latency);
      redraws.push_back(office.took);
    } else {
      missed += std::string(situation.name) + "; ";
    }
  }
  WaitPolls(access, 2);
  checks.Expect(missed.empty(),
                "each change (form design, table datasheet, form design, form datasheet, ...) "
                "shows on the tab",
                missed);
  checks.Expect(
      access.ribbon.invalidations - invalidations == kChanges && office.rounds - rounds == kChanges,
      "exactly one Invalidate and one getVisible round per change",
      std::to_string(access.ribbon.invalidations - invalidations) + " Invalidate for " +
          std::to_string(kChanges) + " changes");
  checks.Report("a change of object or view shows on the tab after " + Summary(latencies) + " (" +
                std::to_string(latencies.size()) + " changes); of that, the redraw asking " +
                std::to_string(office.callbacks().size()) + " callbacks took " +
                Summary(redraws, 2));

  // A failed Invalidate is asked again at the next poll.
  access.ribbon.failures_left = 1;
  const int before_retry = access.ribbon.invalidations;
  Show(access, kTableDatasheet);
  const auto retried = WaitShown(office, kTableDatasheet, NowMs());
  WaitPolls(access, 2);
  checks.Expect(retried && access.ribbon.invalidations - before_retry == 2 &&
                    access.ribbon.failures_left == 0,
                "a failed Invalidate is tried again at the next poll, and the change shows",
                std::to_string(access.ribbon.invalidations - before_retry) + " Invalidate");
  if (retried)
    checks.Report(
        Format("with the first Invalidate failing, the change showed after %.0f ms", *retried));
}

void CheckFailingHost(CheckList& checks, FakeAccess& access, const RibbonRedraw& office) {
  Show(access, kFormDesign);
  WaitShown(office, kFormDesign, NowMs());
  WaitPolls(access, 1);
  const int invalidations = access.ribbon.invalidations;
  const int polls = Polls(access);
  const int rounds = office.rounds;
  const int callbacks = static_cast<int>(office.callbacks().size());
  access.Fail(kNoDatabase);
  const double failed_at = NowMs();
  const bool entered =
      PumpUntil([&] { return office.rounds > rounds && office.failed_last == callbacks; }, 4000);
  const double left = 5000 - (NowMs() - failed_at);
  if (left > 0)
    PumpFor(static_cast<DWORD>(left));
  const double seconds = (NowMs() - failed_at) / 1000;
  const int failing_polls = Polls(access) - polls;
  const int during = access.ribbon.invalidations - invalidations;
  checks.Expect(entered && during == 1,
                "a host failing for five seconds: one Invalidate, on entering the failure",
                std::to_string(during) + " Invalidate");

  Show(access, kFormDesign);
  const auto recovered = WaitShown(office, kFormDesign, NowMs());
  WaitPolls(access, 2);
  const int all = access.ribbon.invalidations - invalidations;
  checks.Expect(recovered && all == 2,
                "when the host answers again the tab recovers: two Invalidate calls in all",
                std::to_string(all) + " Invalidate");
  checks.Report(Format("host failing for %.1f s: %.0f polls, %.0f Invalidate; ", seconds,
                       failing_polls, all) +
                (recovered ? Format("recovered after %.0f ms", *recovered) : "not recovered"));
}

void CheckPublicMembers(CheckList& checks, IDispatch* addin, FakeAccess& access) {
  const Answer member = CallPlain(addin, L"oRibbon", DISPATCH_PROPERTYGET);
  com_ptr<IUnknown> identity;
  if (member.result.type() == VT_DISPATCH && V_DISPATCH(member.result.get()))
    V_DISPATCH(member.result.get())->QueryInterface(IID_IUnknown, identity.put_void());
  checks.Expect(member.hr == S_OK && identity.get() == static_cast<IUnknown*>(&access.ribbon),
                "oRibbon reads back as the ribbon");
  identity.reset();

  const int asked = access.ribbon.invalidations;
  const Answer invalidated = CallPlain(addin, L"InvalidateRibbon", DISPATCH_METHOD);
  checks.Expect(invalidated.hr == S_OK && access.ribbon.invalidations == asked + 1,
                "InvalidateRibbon invalidates the ribbon once");
  access.ribbon.failures_left = 1;
  checks.Expect(FAILED(CallPlain(addin, L"InvalidateRibbon", DISPATCH_METHOD).hr),
                "InvalidateRibbon passes on the ribbon's failure");
  access.ribbon.failures_left = 0;
}

void CheckDisconnection(CheckList& checks, IDispatch* addin, FakeAccess& access) {
  const std::vector<HWND> windows = RefreshWindows();
  com_ptr<win::IDTExtensibility2> extensibility;
  addin->QueryInterface(win::kIidDtExtensibility2, extensibility.put_void());
  SAFEARRAY* custom = nullptr;
  checks.ExpectHr(extensibility ? extensibility->OnDisconnection(0, &custom) : E_NOINTERFACE, S_OK,
                  "OnDisconnection");
  const HWND closed = windows.empty() ? nullptr : windows[0];
  checks.Expect(RefreshWindows().empty() && !::IsWindow(closed),
                "OnDisconnection closes the refresh window");
  // Access changes afterwards; nothing may look or invalidate.
  Show(access, kTableDatasheet);
  const HostCalls before = access.Calls();
  const int invalidations = access.ribbon.invalidations;
  PumpFor(4 * win::kRefreshIntervalMs);
  const HostCalls after = access.Calls() - before;
  checks.Expect(
      after.calls() == 0 && after.lookups == 0 && access.ribbon.invalidations == invalidations,
      "after OnDisconnection no poll, no host call and no Invalidate",
      std::to_string(after.calls()) + " calls");
}

}  // namespace

void CheckRefresh(CheckList& checks, IDispatch* addin, FakeAccess& access,
                  std::wstring_view document) {
  RibbonRedraw office(addin, &access.control, document);
  redraw_calls = {};
  access.ribbon.redraw = [&] {
    const HostCalls before = access.Calls();
    office.Run();
    redraw_calls = redraw_calls + (access.Calls() - before);
  };
  CheckLoad(checks, addin, access, office);
  CheckIdle(checks, access, office);
  CheckChanges(checks, access, office);
  CheckFailingHost(checks, access, office);
  CheckPublicMembers(checks, addin, access);
  CheckDisconnection(checks, addin, access);
  access.ribbon.redraw = nullptr;
}

}  // namespace trelvane::wintest
