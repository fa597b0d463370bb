// Access played by the test host: the visibility and content callbacks answered from the live
// state of a fake Access through Invoke, with exactly the late-bound calls each makes, and the
// two-second refresh from ribbonLoaded to OnDisconnection.
#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "access/win/refresh_window.h"
#include "tests/win/addin_checks.h"
#include "tests/win/fake_office.h"
#include "tests/win/gui_probe.h"
#include "tests/win/office_calls.h"
#include "tests/win/ribbon_cases.h"

namespace trelvane::wintest {
namespace {

constexpr HRESULT kNoDatabase = static_cast<HRESULT>(0x800A09D5);

struct FakeAccess {
  FakeWindow window{false};
  FakeCommandBars bars;
  FakeApplication application{L"Microsoft Access", &window, &bars};
  FakeControl control;
  FakeRibbonUi ribbon;

  void Show(double kind, bool design, bool datasheet) {
    application.object_type = kind;
    application.object_type_type = VT_I4;
    application.object_type_error.reset();
    bars.design = design;
    bars.datasheet = datasheet;
  }
  // Late-bound calls so far: CurrentObjectType, CommandBars, GetPressedMso.
  std::vector<int> Calls() const {
    return {application.object_type_reads, application.command_bars_reads, bars.pressed_queries};
  }
  bool AllReturned() const {
    return application.borrowed() == 0 && window.borrowed() == 0 && bars.borrowed() == 0 &&
           control.borrowed() == 0 && ribbon.borrowed() == 0;
  }
};

const wchar_t* const kVisibilityCallbacks[] = {
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

Answer Call(IDispatch* addin, const wchar_t* name, IDispatch* control) {
  Answer answer;
  HRESULT hr = S_OK;
  const DISPID id = IdOfName(addin, name, hr);
  if (FAILED(hr)) {
    answer.hr = hr;
    return answer;
  }
  ExceptionInfo exception;
  VARIANT argument;
  ::VariantInit(&argument);
  V_VT(&argument) = VT_DISPATCH;
  V_DISPATCH(&argument) = control;
  DISPPARAMS params = {&argument, nullptr, 1, 0};
  answer.hr = addin->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                            answer.result.put(), exception.get(), nullptr);
  answer.exception_code = exception.code();
  return answer;
}

// A member without arguments: InvalidateRibbon as a method, oRibbon as a property.
Answer CallPlain(IDispatch* addin, const wchar_t* name, WORD flags) {
  Answer answer;
  HRESULT hr = S_OK;
  const DISPID id = IdOfName(addin, name, hr);
  answer.hr = FAILED(hr) ? hr : InvokeWith(addin, id, flags, nullptr, 0, answer.result.put());
  return answer;
}

std::optional<bool> Visible(const Answer& answer) {
  if (answer.hr != S_OK || answer.result.type() != VT_BOOL)
    return std::nullopt;
  return V_BOOL(answer.result.get()) != VARIANT_FALSE;
}

// Handles this thread's messages until `milliseconds` have passed.
void PumpFor(DWORD milliseconds) {
  const ULONGLONG end = ::GetTickCount64() + milliseconds;
  for (ULONGLONG now = ::GetTickCount64(); now < end; now = ::GetTickCount64()) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    PumpMessages();
  }
}

BOOL CALLBACK CollectRefreshWindow(HWND window, LPARAM list) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  if (std::wstring_view(name) == win::kRefreshWindowClass)
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

// The refresh windows this thread owns.
std::vector<HWND> RefreshWindows() {
  std::vector<HWND> found;
  ::EnumThreadWindows(::GetCurrentThreadId(), &CollectRefreshWindow,
                      reinterpret_cast<LPARAM>(&found));
  return found;
}

void CheckVisibility(CheckList& checks, IDispatch* addin, FakeAccess& access) {
  struct Situation {
    const char* name;
    double kind;
    bool design;
    bool datasheet;
    std::set<std::wstring> visible;
  } situations[] = {
      {"a form in design view",
       2,
       true,
       false,
       {L"OnGetVisibleFormOrReport", L"OnGetVisibleText", L"OnGetVisibleEdit", L"OnGetVisibleView",
        L"OnGetVisibleInsert", L"OnGetVisibleFormat"}},
      {"a table in datasheet view",
       0,
       false,
       true,
       {L"OnGetVisibleDatasheet", L"OnGetVisibleText", L"OnGetVisibleEdit", L"OnGetVisibleView",
        L"OnGetVisibleInsert", L"OnGetVisibleFormat", L"OnGetVisibleRecords"}},
      {"a query in design view",
       1,
       true,
       false,
       {L"OnGetVisibleQuery0", L"OnGetVisibleEdit", L"OnGetVisibleView", L"OnGetVisibleInsert",
        L"OnGetVisibleQuery", L"OnGetVisibleRecords"}},
      {"a report in print preview",
       3,
       false,
       false,
       {L"OnGetVisibleEdit", L"OnGetVisibleView", L"OnGetVisibleInsert", L"OnGetVisibleFormat"}},
      {"nothing active", -1, false, false, {L"OnGetVisibleEdit", L"OnGetVisibleView"}},
  };
  // Late-bound calls per callback: CurrentObjectType, CommandBars, GetPressedMso.
  const std::map<std::wstring, std::vector<int>> calls = {
      {L"OnGetVisibleFormOrReport", {2, 1, 1}}, {L"OnGetVisibleTable0", {1, 1, 1}},
      {L"OnGetVisibleQuery0", {1, 1, 1}},       {L"OnGetVisibleText", {2, 2, 2}},
      {L"OnGetVisibleDatasheet", {0, 1, 1}},    {L"OnGetVisibleEdit", {1, 0, 0}},
      {L"OnGetVisibleView", {1, 0, 0}},         {L"OnGetVisibleInsert", {1, 0, 0}},
      {L"OnGetVisibleFormat", {1, 0, 0}},       {L"OnGetVisibleQuery", {1, 0, 0}},
      {L"OnGetVisibleRecords", {1, 0, 0}},
  };
  for (const Situation& situation : situations) {
    access.Show(situation.kind, situation.design, situation.datasheet);
    std::set<std::wstring> visible;
    bool answered = true;
    bool counted = true;
    std::string detail;
    for (const wchar_t* name : kVisibilityCallbacks) {
      const std::vector<int> before = access.Calls();
      const auto shown = Visible(Call(addin, name, &access.control));
      const std::vector<int> after = access.Calls();
      std::vector<int> made(3);
      std::transform(after.begin(), after.end(), before.begin(), made.begin(), std::minus<>());
      answered = answered && shown.has_value();
      if (made != calls.at(name)) {
        counted = false;
        detail += Utf8(name) + " ";
      }
      if (shown.value_or(false))
        visible.insert(name);
    }
    checks.Expect(answered && visible == situation.visible,
                  std::string("visibility for ") + situation.name);
    checks.Expect(
        counted,
        std::string("each callback makes exactly its late-bound calls for ") + situation.name,
        detail);
  }

  // Values a real Access gives for no selection, a short integer, and one that fits no kind.
  access.Show(-1, false, false);
  access.application.object_type_type = VT_BOOL;  // True: nothing selected
  const auto edit = Visible(Call(addin, L"OnGetVisibleEdit", &access.control));
  const auto insert = Visible(Call(addin, L"OnGetVisibleInsert", &access.control));
  checks.Expect(edit == true && insert == false,
                "CurrentObjectType True (nothing selected) shows Edit but not Insert");
  access.Show(1, false, false);
  access.application.object_type_type = VT_I2;
  checks.Expect(Visible(Call(addin, L"OnGetVisibleQuery", &access.control)) == true,
                "a kind passed as a short integer is understood");
  access.Show(1e10, false, false);
  access.application.object_type_type = VT_R8;
  const Answer huge = Call(addin, L"OnGetVisibleRecords", &access.control);
  checks.Expect(huge.hr == DISP_E_EXCEPTION && huge.exception_code == DISP_E_OVERFLOW &&
                    huge.result.type() == VT_BOOL && !V_BOOL(huge.result.get()),
                "a kind beyond 32 bits fails with DISP_E_OVERFLOW and not visible",
                Hex(huge.hr) + " / " + Hex(huge.exception_code));

  // A host that cannot say the kind: every callback that asks fails with Access's own code.
  access.Show(0, true, true);
  access.application.object_type_error = kNoDatabase;
  bool failed = true;
  for (const wchar_t* name : kVisibilityCallbacks) {
    if (std::wstring_view(name) == L"OnGetVisibleDatasheet")
      continue;  // it asks only for the view
    const Answer answer = Call(addin, name, &access.control);
    failed = failed && answer.hr == DISP_E_EXCEPTION && answer.exception_code == kNoDatabase &&
             answer.result.type() == VT_BOOL && !V_BOOL(answer.result.get());
  }
  checks.Expect(failed, "a failing CurrentObjectType fails each callback, not visible");
  access.application.object_type_error.reset();
}

// `answers_file`: what trelvane-ribbon answered for the Office version the document was built for.
void CheckContent(CheckList& checks, const AddinUnderTest& addin_under_test, IDispatch* addin,
                  FakeAccess& access, const wchar_t* answers_file = L"content.txt") {
  // The same requests that trelvane-ribbon answered natively after the same document build.
  const std::string of = " (" + Utf8(answers_file) + ")";
  const auto requests = ReadTextFile(addin_under_test.cases_folder + L"\\content-requests.txt");
  const auto expected = ReadTextFile(addin_under_test.cases_folder + L"\\" + answers_file);
  if (!checks.Expect(requests && expected, "the native content answers are there" + of))
    return;
  const int version_reads = access.application.version_reads;
  std::wstring answers;
  bool all_answered = true;
  std::size_t count = 0;
  std::wstring_view rest = *requests;
  while (!rest.empty()) {
    const auto end = rest.find(L'\n');
    std::wstring_view line = rest.substr(0, end);
    rest = end == std::wstring_view::npos ? std::wstring_view() : rest.substr(end + 1);
    if (!line.empty() && line.back() == L'\r')
      line.remove_suffix(1);
    const auto colon = line.find(L':');
    if (line.empty() || colon == std::wstring_view::npos)
      continue;
    access.Show(std::stod(std::wstring(line.substr(colon + 1))), false, false);
    const std::wstring callback = L"OnGetContent" + std::wstring(line.substr(0, colon));
    const int reads = access.application.object_type_reads;
    const Answer answer = Call(addin, callback.c_str(), &access.control);
    all_answered = all_answered && answer.hr == S_OK && answer.result.type() == VT_BSTR &&
                   access.application.object_type_reads == reads + 1;
    if (count++ > 0)
      answers += L'\n';
    if (answer.result.type() == VT_BSTR)
      answers += V_BSTR(answer.result.get());
  }
  checks.Expect(all_answered && count > 0 && access.application.version_reads == version_reads,
                "every content request is answered, reading the kind once and nothing else" + of,
                std::to_string(count) + " requests");
  checks.Expect(answers == *expected,
                "the content of every menu for every kind equals the native answers" + of,
                FirstDifference(answers, *expected));

  access.application.object_type_error = kNoDatabase;
  const Answer failed = Call(addin, L"OnGetContentEdit", &access.control);
  checks.Expect(failed.hr == DISP_E_EXCEPTION && failed.exception_code == kNoDatabase &&
                    failed.result.type() == VT_EMPTY,
                "a failing CurrentObjectType gives Access's code and no content",
                Hex(failed.hr) + " / " + Hex(failed.exception_code));
  access.application.object_type_error.reset();
}

void CheckBadArguments(CheckList& checks, IDispatch* addin, FakeAccess& access) {
  HRESULT hr = S_OK;
  const DISPID loaded = IdOfName(addin, L"ribbonLoaded", hr);
  VARIANT control;
  ::VariantInit(&control);
  V_VT(&control) = VT_DISPATCH;
  V_DISPATCH(&control) = &access.control;
  UINT argument_error = 99;
  checks.Expect(InvokeWith(addin, loaded, DISPATCH_METHOD, &control, 1, nullptr, &argument_error) ==
                        DISP_E_TYPEMISMATCH &&
                    argument_error == 0,
                "ribbonLoaded with something that is no ribbon: DISP_E_TYPEMISMATCH");
  checks.ExpectHr(InvokeWith(addin, loaded, DISPATCH_METHOD, nullptr, 0), DISP_E_BADPARAMCOUNT,
                  "ribbonLoaded without its argument");
  const DISPID content = IdOfName(addin, L"OnGetContentView", hr);
  VARIANT text;
  ::VariantInit(&text);
  V_VT(&text) = VT_BSTR;
  unique_bstr word(::SysAllocString(L"control"));
  V_BSTR(&text) = word.get();
  checks.ExpectHr(InvokeWith(addin, content, DISPATCH_METHOD, &text, 1), DISP_E_TYPEMISMATCH,
                  "a getContent callback given a string for its control");
  checks.ExpectHr(InvokeWith(addin, content, DISPATCH_PROPERTYPUT, &control, 1),
                  DISP_E_MEMBERNOTFOUND, "a getContent callback cannot be written");
  const DISPID member = IdOfName(addin, L"oRibbon", hr);
  checks.ExpectHr(InvokeWith(addin, member, DISPATCH_PROPERTYPUT, &control, 1),
                  DISP_E_MEMBERNOTFOUND, "oRibbon cannot be written from outside");
  checks.Expect(access.ribbon.borrowed() == 0 && access.control.borrowed() == 0,
                "refused calls keep nothing");
}

// ribbonLoaded to OnDisconnection: the ribbon kept once, invalidated every two seconds by a
// window nobody sees, and nothing left running afterwards.
void CheckRefresh(CheckList& checks, IDispatch* addin, FakeAccess& access) {
  checks.Expect(RefreshWindows().empty(), "no refresh window before ribbonLoaded");
  const Answer early = CallPlain(addin, L"InvalidateRibbon", DISPATCH_METHOD);
  checks.Expect(FAILED(early.hr), "InvalidateRibbon before ribbonLoaded fails", Hex(early.hr));
  const Answer none = CallPlain(addin, L"oRibbon", DISPATCH_PROPERTYGET);
  checks.Expect(none.hr == S_OK && none.result.type() == VT_DISPATCH &&
                    V_DISPATCH(none.result.get()) == nullptr,
                "oRibbon is Nothing before ribbonLoaded");

  const Answer loaded = Call(addin, L"ribbonLoaded", &access.ribbon);
  checks.Expect(loaded.hr == S_OK && access.ribbon.borrowed() == 1,
                "ribbonLoaded keeps the ribbon with one reference",
                Hex(loaded.hr) + ", " + std::to_string(access.ribbon.borrowed()));
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

  // The first tick fails; the ticks after it come all the same.
  access.ribbon.failures_left = 1;
  const int before = access.ribbon.invalidations;
  PumpFor(4300);
  const int ticks = access.ribbon.invalidations - before;
  checks.Expect(ticks >= 2 && ticks <= 3 && access.ribbon.failures_left == 0,
                "a little over four seconds see two or three Invalidate calls, a failed one "
                "not stopping the next",
                std::to_string(ticks) + " calls");
  checks.Expect(RefreshWindows().size() == 1, "ticks make no further window");

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

  com_ptr<win::IDTExtensibility2> extensibility;
  addin->QueryInterface(win::kIidDtExtensibility2, extensibility.put_void());
  SAFEARRAY* custom = nullptr;
  checks.ExpectHr(extensibility ? extensibility->OnDisconnection(0, &custom) : E_NOINTERFACE, S_OK,
                  "OnDisconnection");
  const HWND closed = windows.empty() ? nullptr : windows[0];
  checks.Expect(RefreshWindows().empty() && !::IsWindow(closed),
                "OnDisconnection closes the refresh window");
  const int after = access.ribbon.invalidations;
  PumpFor(2300);
  checks.Expect(access.ribbon.invalidations == after, "no Invalidate after OnDisconnection",
                std::to_string(access.ribbon.invalidations - after) + " calls");
}

}  // namespace

void CheckAccess(CheckList& checks, const AddinUnderTest& addin) {
  ClearStoredSettings();
  FakeAccess access;
  {
    HRESULT hr = E_UNEXPECTED;
    com_ptr<IDispatch> object = CreateAddin(addin.expected.prog_id, hr);
    if (!checks.Expect(static_cast<bool>(object), "created to play Access", Hex(hr)))
      return;
    checks.ExpectHr(ConnectAddin(object.get(), &access.application), S_OK, "OnConnection");
    const CustomUi document = GetCustomUi(object.get(), addin.expected.ribbon_id);
    checks.Expect(document.hr == S_OK && !document.text.empty(), "the document, with defaults");
    // Content first: the native answers number on from a document build and nothing else.
    CheckContent(checks, addin, object.get(), access);
    CheckVisibility(checks, object.get(), access);
    CheckBadArguments(checks, object.get(), access);
    CheckRefresh(checks, object.get(), access);
  }
  checks.Expect(access.AllReturned(),
                "after the last Release the Application, command bars, window, control and "
                "ribbon hold only their own references");
  checks.ExpectHr(addin.can_unload_now(), S_OK, "DllCanUnloadNow after the last Release");

  // An Access that reports 16.0: the menus follow the version its document was built for.
  FakeAccess access16;
  access16.application.version = L"16.0";
  {
    HRESULT hr = E_UNEXPECTED;
    com_ptr<IDispatch> object = CreateAddin(addin.expected.prog_id, hr);
    if (checks.Expect(static_cast<bool>(object), "created to play Access 16.0", Hex(hr))) {
      ConnectAddin(object.get(), &access16.application);
      const CustomUi document = GetCustomUi(object.get(), addin.expected.ribbon_id);
      checks.Expect(document.hr == S_OK && access16.application.version_reads == 1,
                    "Access 16.0: the document, reading Version once");
      CheckContent(checks, addin, object.get(), access16, L"content-16.txt");
    }
  }
  checks.Expect(access16.AllReturned(), "Access 16.0: every reference came back");

  // With "Classic" 0 there is no document, so Access never loads a ribbon to refresh.
  StoreSetting(L"Classic", L"0");
  {
    HRESULT hr = E_UNEXPECTED;
    com_ptr<IDispatch> object = CreateAddin(addin.expected.prog_id, hr);
    if (object) {
      ConnectAddin(object.get(), &access.application);
      const CustomUi nothing = GetCustomUi(object.get(), addin.expected.ribbon_id);
      PumpFor(100);
      checks.Expect(nothing.hr == S_OK && nothing.text.empty() && RefreshWindows().empty(),
                    "Classic 0: no document and no refresh window");
    }
  }
  ClearStoredSettings();
}

}  // namespace trelvane::wintest
