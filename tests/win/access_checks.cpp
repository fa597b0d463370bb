// Access played by the test host: the visibility and content callbacks answered from the live
// state of a fake Access through Invoke, with exactly the late-bound calls each makes, in both
// the forms hosts call them; then the refresh from ribbonLoaded to OnDisconnection.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/win/access_office.h"
#include "tests/win/addin_checks.h"
#include "tests/win/ribbon_cases.h"

namespace trelvane::wintest {
namespace {

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
      const HostCalls before = access.Calls();
      const auto shown = Visible(Call(addin, name, &access.control));
      const HostCalls calls_made = access.Calls() - before;
      const std::vector<int> made = {calls_made.object_type, calls_made.command_bars,
                                     calls_made.pressed};
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

// getVisible and getContent called as Sub X(control, ByRef result), as hosts of the VB era call
// them: the by-reference argument gets the answer, pVarResult too when there is one, and the
// callback makes the same host calls as ever.
void CheckResultArguments(CheckList& checks, IDispatch* addin, FakeAccess& access) {
  HRESULT hr = S_OK;
  const DISPID text = IdOfName(addin, L"OnGetVisibleText", hr);
  const DISPID table = IdOfName(addin, L"OnGetVisibleTable0", hr);
  const DISPID edit = IdOfName(addin, L"OnGetContentEdit", hr);
  access.Show(2, true, false);  // a form in design view: Text shows, Table0 does not
  VARIANT control;
  ::VariantInit(&control);
  V_VT(&control) = VT_DISPATCH;
  V_DISPATCH(&control) = &access.control;
  // Arguments go last first: the result, then the control.
  const auto call = [&](DISPID id, VARIANT result, VARIANT* returned = nullptr,
                        UINT* argument_error = nullptr) {
    VARIANT arguments[2] = {result, control};
    return InvokeWith(addin, id, DISPATCH_METHOD, arguments, 2, returned, argument_error);
  };
  const auto by_reference = [](VARTYPE type, void* value) {
    VARIANT reference;
    ::VariantInit(&reference);
    V_VT(&reference) = VT_BYREF | type;
    V_BYREF(&reference) = value;
    return reference;
  };

  VARIANT_BOOL flag = VARIANT_FALSE;
  const HostCalls before = access.Calls();
  hr = call(text, by_reference(VT_BOOL, &flag));
  const HostCalls made = access.Calls() - before;
  checks.Expect(hr == S_OK && flag == VARIANT_TRUE && made.object_type == 2 &&
                    made.command_bars == 2 && made.pressed == 2,
                "getVisible with a VT_BYREF|VT_BOOL result fills it, with its six host calls",
                Hex(hr));
  flag = VARIANT_FALSE;
  unique_variant returned;
  hr = call(text, by_reference(VT_BOOL, &flag), returned.put());
  checks.Expect(hr == S_OK && flag == VARIANT_TRUE && returned.type() == VT_BOOL &&
                    V_BOOL(returned.get()) == VARIANT_TRUE,
                "with pVarResult as well, both are filled", Hex(hr));
  unique_variant held;
  V_VT(held.get()) = VT_BSTR;
  V_BSTR(held.get()) = ::SysAllocString(L"stale");
  hr = call(table, by_reference(VT_VARIANT, held.get()));
  checks.Expect(hr == S_OK && held.type() == VT_BOOL && V_BOOL(held.get()) == VARIANT_FALSE,
                "getVisible with a VT_BYREF|VT_VARIANT result replaces what it held", Hex(hr));

  // Each menu build numbers its ids on, so the answers are compared without their digits.
  const auto shape = [](std::wstring_view text) {
    std::wstring kept;
    for (const wchar_t c : text) {
      if (c < L'0' || c > L'9')
        kept += c;
    }
    return kept;
  };
  const Answer plain = Call(addin, L"OnGetContentEdit", &access.control);
  const std::wstring expected =
      plain.result.type() == VT_BSTR ? shape(V_BSTR(plain.result.get())) : L"";
  BSTR raw = ::SysAllocString(L"stale");
  hr = call(edit, by_reference(VT_BSTR, &raw));
  const unique_bstr text_result(raw);
  unique_variant content;
  unique_variant content_returned;
  const HRESULT variant_hr =
      call(edit, by_reference(VT_VARIANT, content.get()), content_returned.put());
  checks.Expect(!expected.empty() && hr == S_OK && shape(text_result.view()) == expected,
                "getContent with a VT_BYREF|VT_BSTR result gets the menu", Hex(hr));
  checks.Expect(variant_hr == S_OK && content.type() == VT_BSTR &&
                    content_returned.type() == VT_BSTR &&
                    shape(V_BSTR(content.get())) == expected &&
                    std::wstring_view(V_BSTR(content.get())) == V_BSTR(content_returned.get()),
                "getContent with a VT_BYREF|VT_VARIANT result and pVarResult fills both with "
                "the same menu",
                Hex(variant_hr));

  // A failing host: the Boolean says not visible, the string keeps what it had.
  access.Fail(kNoDatabase);
  flag = VARIANT_TRUE;
  hr = call(text, by_reference(VT_BOOL, &flag));
  BSTR kept = ::SysAllocString(L"kept");
  const HRESULT content_hr = call(edit, by_reference(VT_BSTR, &kept));
  const unique_bstr kept_text(kept);
  checks.Expect(hr == kNoDatabase && flag == VARIANT_FALSE && content_hr == kNoDatabase &&
                    kept_text.view() == L"kept",
                "a failing callback: the by-reference Boolean says not visible, the string "
                "is left alone",
                Hex(hr) + " / " + Hex(content_hr));
  access.Show(2, true, false);

  // What no callback takes.
  const HostCalls refused_before = access.Calls();
  LONG number = 0;
  UINT argument_error = 99;
  hr = call(text, by_reference(VT_I4, &number), nullptr, &argument_error);
  checks.Expect(hr == DISP_E_TYPEMISMATCH && argument_error == 0,
                "a VT_BYREF|VT_I4 result: DISP_E_TYPEMISMATCH naming that argument", Hex(hr));
  VARIANT by_value;
  ::VariantInit(&by_value);
  V_VT(&by_value) = VT_BOOL;
  V_BOOL(&by_value) = VARIANT_FALSE;
  checks.ExpectHr(call(text, by_value), DISP_E_TYPEMISMATCH, "a result passed by value");
  BSTR no_text = nullptr;
  checks.ExpectHr(call(text, by_reference(VT_BSTR, &no_text)), DISP_E_TYPEMISMATCH,
                  "getVisible given a string for its result");
  checks.ExpectHr(call(edit, by_reference(VT_BOOL, &flag)), DISP_E_TYPEMISMATCH,
                  "getContent given a Boolean for its result");
  checks.ExpectHr(call(text, by_reference(VT_BOOL, nullptr)), E_POINTER,
                  "a by-reference result without its variable");
  VARIANT three[3] = {by_reference(VT_BOOL, &flag), by_reference(VT_BOOL, &flag), control};
  checks.ExpectHr(InvokeWith(addin, text, DISPATCH_METHOD, three, 3), DISP_E_BADPARAMCOUNT,
                  "getVisible with three arguments");
  const DISPID loaded = IdOfName(addin, L"ribbonLoaded", hr);
  VARIANT ribbon_and_result[2] = {by_reference(VT_BOOL, &flag), control};
  V_DISPATCH(&ribbon_and_result[1]) = &access.ribbon;
  checks.ExpectHr(InvokeWith(addin, loaded, DISPATCH_METHOD, ribbon_and_result, 2),
                  DISP_E_BADPARAMCOUNT, "ribbonLoaded takes no result argument");
  const HostCalls refused = access.Calls() - refused_before;
  checks.Expect(refused.calls() == 0 && access.ribbon.borrowed() == 0 && RefreshWindows().empty(),
                "refused calls make no host call and keep nothing");
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
    CheckResultArguments(checks, object.get(), access);
    CheckRefresh(checks, object.get(), access, document.text);
  }
  checks.Expect(access.AllReturned(),
                "after the last Release the Application, command bars, window, control and "
                "ribbon hold only their own references");
  checks.ExpectHr(addin.can_unload_now(), S_OK, "DllCanUnloadNow after the last Release");

  // An Access 16.0 in German: the menus follow the version and the language its document was
  // built for, without asking again.
  FakeAccess access16;
  FakeLanguageSettings german;
  german.ui_language = 1031;
  access16.application.version = L"16.0";
  access16.application.language_settings = &german;
  {
    HRESULT hr = E_UNEXPECTED;
    com_ptr<IDispatch> object = CreateAddin(addin.expected.prog_id, hr);
    if (checks.Expect(static_cast<bool>(object), "created to play Access 16.0", Hex(hr))) {
      ConnectAddin(object.get(), &access16.application);
      const CustomUi document = GetCustomUi(object.get(), addin.expected.ribbon_id);
      checks.Expect(
          document.hr == S_OK && access16.application.version_reads == 1 && german.calls == 1,
          "Access 16.0 in German: the document, reading Version and LanguageID once");
      CheckContent(checks, addin, object.get(), access16, L"content-16-de.txt");
      checks.Expect(german.calls == 1, "Access 16.0 in German: the menus asked no language");
    }
  }
  checks.Expect(access16.AllReturned() && german.borrowed() == 0,
                "Access 16.0: every reference came back");

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
