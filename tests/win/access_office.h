// Access as the test host plays it: a fake Access (Application, command bars, window), the
// control and ribbon Office passes, calls into the add-in as Office makes them, and Office's
// redraw after an Invalidate, which asks every getVisible callback the document names.
#pragma once

#include <windows.h>

#include <oaidl.h>

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tests/win/check.h"
#include "tests/win/fake_office.h"
#include "tests/win/office_calls.h"

namespace trelvane::wintest {

// What Access raises when no database is open.
inline constexpr HRESULT kNoDatabase = static_cast<HRESULT>(0x800A09D5);

// Late-bound calls into Access: the three members the add-in calls, and the name lookups that
// go with them.
struct HostCalls {
  int object_type = 0;   // Application.CurrentObjectType
  int command_bars = 0;  // Application.CommandBars
  int pressed = 0;       // CommandBars.GetPressedMso
  int lookups = 0;       // GetIDsOfNames on the Application and the command bars

  int calls() const { return object_type + command_bars + pressed; }
  HostCalls operator-(const HostCalls& before) const {
    return {object_type - before.object_type, command_bars - before.command_bars,
            pressed - before.pressed, lookups - before.lookups};
  }
  HostCalls operator+(const HostCalls& more) const {
    return {object_type + more.object_type, command_bars + more.command_bars,
            pressed + more.pressed, lookups + more.lookups};
  }
};

struct FakeAccess {
  FakeWindow window{false};
  FakeCommandBars bars;
  FakeApplication application{L"Microsoft Access", &window, &bars};
  FakeControl control;
  FakeRibbonUi ribbon;

  // The active object and its view; a host that answers.
  void Show(double kind, bool design, bool datasheet) {
    application.object_type = kind;
    application.object_type_type = VT_I4;
    application.object_type_error.reset();
    bars.pressed_error.reset();
    bars.design = design;
    bars.datasheet = datasheet;
  }
  // Every query fails with `error`, as in an Access with no database open.
  void Fail(HRESULT error) {
    application.object_type_error = error;
    bars.pressed_error = error;
  }
  HostCalls Calls() const {
    return {application.object_type_reads, application.command_bars_reads, bars.pressed_queries,
            application.lookups + bars.lookups};
  }
  bool AllReturned() const {
    return application.borrowed() == 0 && window.borrowed() == 0 && bars.borrowed() == 0 &&
           control.borrowed() == 0 && ribbon.borrowed() == 0;
  }
};

// The eleven getVisible callbacks of the Access add-in.
inline constexpr const wchar_t* kVisibilityCallbacks[] = {
    L"OnGetVisibleFormOrReport", L"OnGetVisibleTable0",    L"OnGetVisibleQuery0",
    L"OnGetVisibleText",         L"OnGetVisibleDatasheet", L"OnGetVisibleEdit",
    L"OnGetVisibleView",         L"OnGetVisibleInsert",    L"OnGetVisibleFormat",
    L"OnGetVisibleQuery",        L"OnGetVisibleRecords"};

// A callback called as Office calls it: by name, with the control.
struct Answer {
  HRESULT hr = E_UNEXPECTED;
  unique_variant result;
  HRESULT exception_code = S_OK;
};
Answer Call(IDispatch* addin, const wchar_t* name, IDispatch* control);
// A member without arguments: InvalidateRibbon as a method, oRibbon as a property.
Answer CallPlain(IDispatch* addin, const wchar_t* name, WORD flags);
// The answer of a getVisible callback that succeeded.
std::optional<bool> Visible(const Answer& answer);

// Handles this thread's messages until `milliseconds` have passed.
void PumpFor(DWORD milliseconds);
// Handles this thread's messages until `done` holds; false when `timeout` ms passed first.
bool PumpUntil(const std::function<bool()>& done, DWORD timeout);
// Milliseconds from an arbitrary start, to the precision of the performance counter.
double NowMs();

// The refresh windows this thread owns.
std::vector<HWND> RefreshWindows();

// Office redrawing the ribbon after an Invalidate: each getVisible callback the document names is
// asked, in document order, and the last round's answers are what the tab shows.
class RibbonRedraw {
 public:
  RibbonRedraw(IDispatch* addin, IDispatch* control, std::wstring_view document);

  // The getVisible attributes' callback names in document order, repeats included.
  const std::vector<std::wstring>& callbacks() const { return callbacks_; }

  void Run();

  // The callbacks that said visible in the last round (a failed one hides its controls).
  std::set<std::wstring> Shown() const;

  int rounds = 0;
  int asked = 0;        // callbacks asked in all rounds
  int failed_last = 0;  // callbacks that failed in the last round
  double finished = 0;  // NowMs() at the end of the last round
  double took = 0;      // how long the last round took, in ms

 private:
  IDispatch* addin_;  // borrowed: Office's ribbon does not keep its add-in alive
  IDispatch* control_;
  std::vector<std::wstring> callbacks_;
  std::map<std::wstring, bool> answers_;
};

// From ribbonLoaded to OnDisconnection: what an idle Access costs, how soon changes show, a
// failing host and a failing Invalidate; `document` is the add-in's ribbon document.
void CheckRefresh(CheckList& checks, IDispatch* addin, FakeAccess& access,
                  std::wstring_view document);

}  // namespace trelvane::wintest
