#include <algorithm>
#include <vector>

#include "core/addin_texts.h"
#include "core/win/about_window.h"
#include "core/win/wide_text.h"
#include "tests/win/about_probe.h"
#include "tests/win/addin_checks.h"
#include "tests/win/caption_fit.h"
#include "tests/win/fake_office.h"
#include "tests/win/gui_probe.h"
#include "tests/win/office_calls.h"
#include "tests/win/ribbon_cases.h"

namespace trelvane::wintest {
namespace {

struct Callbacks {
  DISPID get_ribbon_xml = DISPID_UNKNOWN;
  DISPID show_about = DISPID_UNKNOWN;
  DISPID uninstall = DISPID_UNKNOWN;
  DISPID document_map = DISPID_UNKNOWN;
};

Callbacks CheckNames(CheckList& checks, const AddinUnderTest& addin, IDispatch* object) {
  Callbacks ids;
  HRESULT hr[4] = {E_UNEXPECTED, E_UNEXPECTED, E_UNEXPECTED, S_OK};
  ids.get_ribbon_xml = IdOfName(object, L"GetRibbonXML", hr[0]);
  ids.show_about = IdOfName(object, L"ShowAbout0", hr[1]);
  ids.uninstall = IdOfName(object, L"Uninstall0", hr[2]);
  std::vector<DISPID> found = {ids.get_ribbon_xml, ids.show_about, ids.uninstall};
  if (addin.expected.has_document_map_callback) {
    ids.document_map = IdOfName(object, L"Document0", hr[3]);
    found.push_back(ids.document_map);
  }
  std::sort(found.begin(), found.end());
  const bool distinct = std::adjacent_find(found.begin(), found.end()) == found.end();
  // IDTExtensibility2 uses DISPIDs 1 to 5 and GetCustomUI 1; a callback must not share one.
  const bool apart =
      std::none_of(found.begin(), found.end(), [](DISPID id) { return id >= 0 && id <= 5; });
  checks.Expect(SUCCEEDED(hr[0]) && SUCCEEDED(hr[1]) && SUCCEEDED(hr[2]) && SUCCEEDED(hr[3]) &&
                    distinct && apart,
                "GetIDsOfNames finds every public method, apart from the interface DISPIDs");

  HRESULT lower_hr = E_UNEXPECTED;
  checks.Expect(IdOfName(object, L"showabout0", lower_hr) == ids.show_about && lower_hr == S_OK,
                "names are found whatever their case");

  HRESULT document_hr = S_OK;
  const DISPID document = IdOfName(object, L"Document0", document_hr);
  if (!addin.expected.has_document_map_callback) {
    checks.Expect(document_hr == DISP_E_UNKNOWNNAME && document == DISPID_UNKNOWN,
                  "Document0 is not offered by this add-in", Hex(document_hr));
  }
  bool unknown_refused = true;
  for (const wchar_t* name :
       {L"ShowAbout", L"ShowAbout00", L"GetCustomUI", L"OnConnection", L"", L"Uninstall0 "}) {
    HRESULT unknown_hr = S_OK;
    const DISPID unknown = IdOfName(object, name, unknown_hr);
    unknown_refused =
        unknown_refused && unknown_hr == DISP_E_UNKNOWNNAME && unknown == DISPID_UNKNOWN;
  }
  checks.Expect(unknown_refused, "unknown names give DISP_E_UNKNOWNNAME and DISPID_UNKNOWN");

  DISPID two[2] = {0, 0};
  LPOLESTR with_argument[] = {const_cast<LPOLESTR>(L"ShowAbout0"),
                              const_cast<LPOLESTR>(L"control")};
  const HRESULT named_hr =
      object->GetIDsOfNames(IID_NULL, with_argument, 2, LOCALE_USER_DEFAULT, two);
  checks.Expect(
      named_hr == DISP_E_UNKNOWNNAME && two[0] == ids.show_about && two[1] == DISPID_UNKNOWN,
      "parameter names are not offered", Hex(named_hr));
  checks.ExpectHr(object->GetIDsOfNames(IID_NULL, nullptr, 1, LOCALE_USER_DEFAULT, two), E_POINTER,
                  "GetIDsOfNames without names");
  LPOLESTR one[] = {const_cast<LPOLESTR>(L"ShowAbout0")};
  checks.ExpectHr(object->GetIDsOfNames(IID_NULL, one, 1, LOCALE_USER_DEFAULT, nullptr), E_POINTER,
                  "GetIDsOfNames without room for the ids");
  checks.ExpectHr(object->GetIDsOfNames(IID_IDispatch, one, 1, LOCALE_USER_DEFAULT, two),
                  DISP_E_UNKNOWNINTERFACE, "GetIDsOfNames with a non-null riid");
  UINT type_infos = 99;
  checks.Expect(object->GetTypeInfoCount(&type_infos) == S_OK && type_infos == 0,
                "GetTypeInfoCount says there is no type information");
  checks.ExpectHr(object->GetTypeInfoCount(nullptr), E_POINTER, "GetTypeInfoCount(nullptr)");
  return ids;
}

void CheckRibbonByName(CheckList& checks, const AddinUnderTest& addin, IDispatch* object,
                       const Callbacks& ids) {
  const CustomUi expected = GetCustomUi(object, addin.expected.ribbon_id);
  for (WORD flags : {WORD{DISPATCH_METHOD}, WORD{DISPATCH_PROPERTYGET}}) {
    unique_variant result;
    const HRESULT hr = InvokeWith(object, ids.get_ribbon_xml, flags, nullptr, 0, result.put());
    const bool same = hr == S_OK && result.type() == VT_BSTR &&
                      std::wstring_view(V_BSTR(result.get()),
                                        ::SysStringLen(V_BSTR(result.get()))) == expected.text;
    checks.Expect(same && expected.hr == S_OK && !expected.text.empty(),
                  flags == DISPATCH_METHOD ? "GetRibbonXML called by name gives the document"
                                           : "GetRibbonXML read as a property gives the document",
                  Hex(hr));
  }
  checks.ExpectHr(InvokeWith(object, ids.get_ribbon_xml, DISPATCH_METHOD, nullptr, 0, nullptr),
                  S_OK, "GetRibbonXML with nowhere to put the result");
}

void CheckAboutWindow(CheckList& checks, const AddinUnderTest& addin, IDispatch* object,
                      DISPID show_about, IDispatch* control) {
  const std::wstring title = addin.expected.title;
  checks.ExpectHr(Click(object, show_about, control), S_OK, "ShowAbout0 as clicked");
  checks.ExpectHr(Click(object, show_about, control), S_OK, "ShowAbout0 clicked again");
  std::size_t count = 0;
  HWND about = FindAboutWindow(AboutCaption(title), count);
  if (!checks.Expect(
          about != nullptr, "two clicks leave exactly one About window",
          std::to_string(count) + " windows captioned \"" + Utf8(AboutCaption(title)) + "\""))
    return;

  const auto text_of = [about](int id) { return WindowText(::GetDlgItem(about, id)); };
  checks.Expect(text_of(win::kAboutTitle) == title, "the About window shows the title");
  checks.Expect(text_of(win::kAboutVersion) == L"Version " TRELVANE_VERSION_TEXT,
                "the About window shows the version, " + Utf8(L"Version " TRELVANE_VERSION_TEXT),
                Utf8(text_of(win::kAboutVersion)));
  checks.Expect(text_of(win::kAboutWebsiteLabel) == L"Website: " &&
                    text_of(win::kAboutLink) == kWideWebAddress,
                "the About window shows \"Website: \" and the address");
  checks.Expect(text_of(win::kAboutOk) == L"Ok", "the About window has its Ok button");

  // No HAND-M.CUR next to the DLL here: the link underlines, the pointer stays an arrow.
  const HWND link = ::GetDlgItem(about, win::kAboutLink);
  const PointerLook on_link = PointAt(about, link);
  const PointerLook on_background = PointAt(about, about);
  checks.Expect(on_link.link_underlined && on_link.cursor == ArrowCursor(),
                "pointing at the link underlines it (arrow pointer without HAND-M.CUR)");
  checks.Expect(!on_background.link_underlined && on_background.cursor == ArrowCursor(),
                "pointing at the background takes the underline off");

  ::SendMessageW(::GetDlgItem(about, win::kAboutOk), BM_CLICK, 0, 0);
  FindAboutWindow(AboutCaption(title), count);
  checks.Expect(count == 0 && !::IsWindow(about), "Ok closes the About window");

  checks.ExpectHr(Click(object, show_about, control), S_OK, "ShowAbout0 after closing");
  about = FindAboutWindow(AboutCaption(title), count);
  checks.Expect(about != nullptr && WindowText(::GetDlgItem(about, win::kAboutVersion)) ==
                                        L"Version " TRELVANE_VERSION_TEXT,
                "the About window opens again, texts set afresh", std::to_string(count));
}

void CheckUninstall(CheckList& checks, const AddinUnderTest& addin, IDispatch* object,
                    DISPID uninstall, IDispatch* control) {
  MessageBoxWatcher watcher(::GetCurrentThreadId());
  const HRESULT hr = Click(object, uninstall, control);
  const bool found = watcher.Finish();
  checks.ExpectHr(hr, S_OK, "Uninstall0 returns once the message is closed");
  const std::wstring expected = addin.expected.uninstall_message;
  const bool exact =
      std::find(watcher.texts.begin(), watcher.texts.end(), expected) != watcher.texts.end();
  std::string seen;
  for (const auto& text : watcher.texts) {
    seen += '"';
    seen += Utf8(text);
    seen += "\" ";
  }
  checks.Expect(found && exact, "the uninstall message is exact, carriage returns and all",
                found ? "texts: " + seen : "no message box appeared");
  checks.Expect(found && watcher.had_ok && !watcher.had_cancel,
                "the uninstall message has an OK button only");
}

// Whether every static text and button of `window` shows its whole text on one line.
std::string ClippedControl(HWND window) {
  for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    const std::wstring text = WindowText(child);
    RECT client = {};
    ::GetClientRect(child, &client);
    const int needs = TextWidth(child, text);
    if (needs > client.right - client.left)
      return Utf8(text) + " needs " + std::to_string(needs) + " px, has " +
             std::to_string(client.right - client.left);
  }
  return {};
}

// The add-in's windows speak the language of its last document: a German Office gets the About
// window and the uninstall message in German, the About window wide enough for its texts.
void CheckWindowsInOfficesLanguage(CheckList& checks, const AddinUnderTest& addin) {
  FakeWindow window(addin.expected.window_has_document_map);
  FakeLanguageSettings german;
  german.ui_language = 1031;
  FakeApplication application(addin.expected.application_name, &window);
  application.language_settings = &german;
  FakeControl control;
  const AboutTexts texts = AboutWindowTexts(addin.expected.host_word, Language::kGerman,
                                            win::Narrow(TRELVANE_VERSION_TEXT));
  {
    HRESULT hr = E_UNEXPECTED;
    com_ptr<IDispatch> object = CreateAddin(addin.expected.prog_id, hr);
    if (!checks.Expect(static_cast<bool>(object), "created for an Office in German", Hex(hr)))
      return;
    ConnectAddin(object.get(), &application);
    const CustomUi document = GetCustomUi(object.get(), addin.expected.ribbon_id);
    checks.Expect(document.hr == S_OK && german.calls == 1, "German: the document, one read");
    HRESULT name_hr = S_OK;
    const DISPID show_about = IdOfName(object.get(), L"ShowAbout0", name_hr);
    const DISPID uninstall = IdOfName(object.get(), L"Uninstall0", name_hr);
    checks.ExpectHr(Click(object.get(), show_about, &control), S_OK, "German: ShowAbout0");
    std::size_t count = 0;
    const HWND about = FindAboutWindow(win::Widen(texts.caption), count);
    if (checks.Expect(about != nullptr, "German: the About window is captioned " + texts.caption)) {
      checks.Expect(WindowText(::GetDlgItem(about, win::kAboutTitle)) == win::Widen(texts.title) &&
                        WindowText(::GetDlgItem(about, win::kAboutOk)) == win::Widen(texts.ok),
                    "German: its title and button are German");
      const std::string clipped = ClippedControl(about);
      checks.Expect(clipped.empty(), "German: every text of the About window fits", clipped);
    }
    MessageBoxWatcher watcher(::GetCurrentThreadId());
    Click(object.get(), uninstall, &control);
    watcher.Finish();
    const std::wstring message =
        win::Widen(UninstallMessage(addin.expected.host_word, Language::kGerman));
    checks.Expect(
        message != addin.expected.uninstall_message &&
            std::find(watcher.texts.begin(), watcher.texts.end(), message) != watcher.texts.end(),
        "German: the uninstall message is German");
  }
  checks.Expect(application.borrowed() == 0 && german.borrowed() == 0,
                "German: the host objects' references all came back");
}

// PowerPoint's windows have no DocumentMap: Document0 fails there with the host's own code.
void CheckNoDocumentMap(CheckList& checks, IDispatch* object, DISPID document_map,
                        IDispatch* control) {
  ExceptionInfo exception;
  const HRESULT missing = Click(object, document_map, control, &exception);
  checks.Expect(
      missing == DISP_E_EXCEPTION && exception.code() == DISP_E_UNKNOWNNAME,
      "Document0 in the host's window without a DocumentMap fails with DISP_E_UNKNOWNNAME",
      Hex(missing) + " / " + Hex(exception.code()));
  checks.ExpectHr(Click(object, document_map, control), DISP_E_UNKNOWNNAME,
                  "and without EXCEPINFO with that code itself");
}

void CheckDocumentMap(CheckList& checks, IDispatch* object, DISPID document_map, IDispatch* control,
                      FakeApplication& application, FakeWindow& window) {
  window.document_map = false;
  const HRESULT first = Click(object, document_map, control);
  const bool shown = window.document_map;
  const HRESULT second = Click(object, document_map, control);
  checks.Expect(first == S_OK && shown && second == S_OK && !window.document_map &&
                    window.puts == 2 && !window.put_misused,
                "Document0 flips ActiveWindow.DocumentMap each time",
                Hex(first) + " " + Hex(second));

  // A window without the property (as in PowerPoint) and no window at all.
  FakeWindow plain(false);
  FakeApplication without_map(L"Microsoft Word", &plain);
  ConnectAddin(object, &without_map);
  ExceptionInfo exception;
  const HRESULT missing = Click(object, document_map, control, &exception);
  checks.Expect(missing == DISP_E_EXCEPTION && exception.code() == DISP_E_UNKNOWNNAME &&
                    !exception.description().empty(),
                "Document0 without a DocumentMap reports the host's DISP_E_UNKNOWNNAME",
                Hex(missing) + " / " + Hex(exception.code()));
  checks.ExpectHr(Click(object, document_map, control), DISP_E_UNKNOWNNAME,
                  "without EXCEPINFO the failure is the result itself");
  FakeApplication no_window(L"Microsoft Word", nullptr);
  ConnectAddin(object, &no_window);
  checks.Expect(FAILED(Click(object, document_map, control)), "Document0 with no active window");
  // Back to the regular host for the rest: the stand-ins must be free before they go.
  ConnectAddin(object, &application);
  checks.Expect(without_map.borrowed() == 0 && plain.borrowed() == 0 && no_window.borrowed() == 0,
                "a new connection lets go of the previous Application");
}

// Calls a careless or hostile caller could make: each answered with its error code.
void CheckBadCalls(CheckList& checks, IDispatch* object, DISPID show_about, IDispatch* control) {
  IUnknown* unknown = control;
  VARIANT inner;
  ::VariantInit(&inner);
  V_VT(&inner) = VT_DISPATCH;
  V_DISPATCH(&inner) = control;

  const auto call_with = [&](VARIANT argument, UINT* argument_error = nullptr) {
    return InvokeWith(object, show_about, DISPATCH_METHOD, &argument, 1, nullptr, argument_error);
  };
  const auto make = [](VARTYPE type) {
    VARIANT v;
    ::VariantInit(&v);
    V_VT(&v) = type;
    return v;
  };

  VARIANT text = make(VT_BSTR);
  unique_bstr control_name(::SysAllocString(L"control"));
  V_BSTR(&text) = control_name.get();
  UINT argument_error = 99;
  checks.Expect(call_with(text, &argument_error) == DISP_E_TYPEMISMATCH && argument_error == 0,
                "a string for the control: DISP_E_TYPEMISMATCH naming argument 0");
  VARIANT number = make(VT_I4);
  V_I4(&number) = 1;
  checks.ExpectHr(call_with(number), DISP_E_TYPEMISMATCH, "a number for the control");
  checks.ExpectHr(call_with(make(VT_EMPTY)), DISP_E_TYPEMISMATCH, "an empty VARIANT");
  VARIANT missing = make(VT_ERROR);
  V_ERROR(&missing) = DISP_E_PARAMNOTFOUND;
  checks.ExpectHr(call_with(missing), DISP_E_PARAMNOTOPTIONAL, "the control left out");
  VARIANT null_control = make(VT_DISPATCH);
  V_DISPATCH(&null_control) = nullptr;
  checks.ExpectHr(call_with(null_control), E_POINTER, "a null control");
  VARIANT null_reference = make(VT_DISPATCH | VT_BYREF);
  V_DISPATCHREF(&null_reference) = nullptr;
  checks.ExpectHr(call_with(null_reference), E_POINTER, "a null reference to the control");

  // The forms a control may arrive in.
  VARIANT as_unknown = make(VT_UNKNOWN);
  V_UNKNOWN(&as_unknown) = unknown;
  VARIANT by_reference = make(VT_DISPATCH | VT_BYREF);
  V_DISPATCHREF(&by_reference) = &control;
  VARIANT unknown_reference = make(VT_UNKNOWN | VT_BYREF);
  V_UNKNOWNREF(&unknown_reference) = &unknown;
  VARIANT in_variant = make(VT_VARIANT | VT_BYREF);
  V_VARIANTREF(&in_variant) = &inner;
  checks.Expect(call_with(as_unknown) == S_OK && call_with(by_reference) == S_OK &&
                    call_with(unknown_reference) == S_OK && call_with(in_variant) == S_OK,
                "the control is taken as VT_UNKNOWN, by reference, or in a VARIANT");
  VARIANT as_dispatch = make(VT_DISPATCH);
  V_DISPATCH(&as_dispatch) = control;
  checks.ExpectHr(
      InvokeWith(object, show_about, DISPATCH_METHOD | DISPATCH_PROPERTYGET, &as_dispatch, 1), S_OK,
      "DISPATCH_METHOD | DISPATCH_PROPERTYGET, as some callers send");

  VARIANT two[2] = {as_dispatch, as_dispatch};
  checks.ExpectHr(InvokeWith(object, show_about, DISPATCH_METHOD, two, 2), DISP_E_BADPARAMCOUNT,
                  "two arguments");
  checks.ExpectHr(InvokeWith(object, show_about, DISPATCH_METHOD, nullptr, 0), DISP_E_BADPARAMCOUNT,
                  "no argument");
  checks.ExpectHr(InvokeWith(object, show_about, DISPATCH_METHOD, nullptr, 1), E_POINTER,
                  "one argument promised, none given");
  DISPID named = 0;
  DISPPARAMS with_name = {&as_dispatch, &named, 1, 1};
  checks.ExpectHr(object->Invoke(show_about, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                 &with_name, nullptr, nullptr, nullptr),
                  DISP_E_NONAMEDARGS, "a named argument");
  checks.ExpectHr(object->Invoke(show_about, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                 nullptr, nullptr, nullptr, nullptr),
                  E_POINTER, "no DISPPARAMS");
  checks.ExpectHr(InvokeWith(object, show_about, DISPATCH_PROPERTYPUT, &as_dispatch, 1),
                  DISP_E_MEMBERNOTFOUND, "a property put on a method");
  checks.ExpectHr(InvokeWith(object, show_about, DISPATCH_METHOD, &as_dispatch, 1, nullptr, nullptr,
                             IID_IDispatch),
                  DISP_E_UNKNOWNINTERFACE, "Invoke with a non-null riid");
  bool members_refused = true;
  for (DISPID id : {DISPID{0}, DISPID{1}, DISPID{2}, DISPID{5}, DISPID{-1}, DISPID{DISPID_VALUE},
                    DISPID{0x7FFFFFFF}, DISPID{show_about + 100}}) {
    members_refused = members_refused && InvokeWith(object, id, DISPATCH_METHOD, &as_dispatch, 1) ==
                                             DISP_E_MEMBERNOTFOUND;
  }
  checks.Expect(members_refused, "DISPIDs that are no callback give DISP_E_MEMBERNOTFOUND");
}

void CheckInterfaces(CheckList& checks, IDispatch* object) {
  com_ptr<win::IDTExtensibility2> extensibility;
  com_ptr<win::IRibbonExtensibility> ribbon;
  object->QueryInterface(win::kIidDtExtensibility2, extensibility.put_void());
  object->QueryInterface(win::kIidRibbonExtensibility, ribbon.put_void());
  if (!checks.Expect(extensibility && ribbon, "IDTExtensibility2 and IRibbonExtensibility"))
    return;
  com_ptr<IUnknown> identity_a;
  com_ptr<IUnknown> identity_b;
  extensibility->QueryInterface(IID_IUnknown, identity_a.put_void());
  ribbon->QueryInterface(IID_IUnknown, identity_b.put_void());
  checks.Expect(identity_a && identity_a.get() == identity_b.get(),
                "both interfaces lead to one IUnknown");
  void* none = reinterpret_cast<void*>(1);
  checks.Expect(object->QueryInterface(IID_IClassFactory, &none) == E_NOINTERFACE && !none,
                "QueryInterface for a foreign interface clears its out pointer");
  checks.ExpectHr(object->QueryInterface(IID_IUnknown, nullptr), E_POINTER,
                  "QueryInterface(nullptr)");
  SAFEARRAY* custom = nullptr;
  checks.Expect(extensibility->OnAddInsUpdate(&custom) == S_OK &&
                    extensibility->OnStartupComplete(nullptr) == S_OK &&
                    extensibility->OnBeginShutdown(&custom) == S_OK,
                "the other IDTExtensibility2 events succeed");
  checks.ExpectHr(ribbon->GetCustomUI(nullptr, nullptr), E_POINTER,
                  "GetCustomUI with no out pointer");
}

}  // namespace

void CheckCallbacks(CheckList& checks, const AddinUnderTest& addin) {
  ClearStoredSettings();
  FakeWindow window(addin.expected.window_has_document_map);
  FakeApplication application(addin.expected.application_name, &window);
  FakeControl control;
  {
    HRESULT hr = E_UNEXPECTED;
    com_ptr<IDispatch> object = CreateAddin(addin.expected.prog_id, hr);
    if (!checks.Expect(static_cast<bool>(object), "created for the callbacks", Hex(hr)))
      return;
    checks.ExpectHr(ConnectAddin(object.get(), &application), S_OK, "OnConnection");
    const Callbacks ids = CheckNames(checks, addin, object.get());
    CheckInterfaces(checks, object.get());
    CheckRibbonByName(checks, addin, object.get(), ids);
    CheckAboutWindow(checks, addin, object.get(), ids.show_about, &control);
    CheckUninstall(checks, addin, object.get(), ids.uninstall, &control);
    if (addin.expected.has_document_map_callback && addin.expected.window_has_document_map) {
      CheckDocumentMap(checks, object.get(), ids.document_map, &control, application, window);
    } else if (addin.expected.has_document_map_callback) {
      CheckNoDocumentMap(checks, object.get(), ids.document_map, &control);
    }
    CheckBadCalls(checks, object.get(), ids.show_about, &control);

    com_ptr<win::IDTExtensibility2> extensibility;
    object->QueryInterface(win::kIidDtExtensibility2, extensibility.put_void());
    SAFEARRAY* custom = nullptr;
    checks.ExpectHr(extensibility ? extensibility->OnDisconnection(0, &custom) : E_NOINTERFACE,
                    S_OK, "OnDisconnection at host shutdown");
    checks.ExpectHr(addin.can_unload_now(), S_FALSE, "DllCanUnloadNow is S_FALSE while in use");
  }
  std::size_t count = 0;
  FindAboutWindow(AboutCaption(addin.expected.title), count);
  checks.Expect(count == 0, "the open About window goes with the last Release");
  checks.ExpectHr(addin.can_unload_now(), S_OK, "DllCanUnloadNow is S_OK after the last Release");
  checks.Expect(application.borrowed() == 0 && window.borrowed() == 0 && control.borrowed() == 0,
                "no reference to the Application, window or control is kept",
                std::to_string(application.borrowed()) + "/" + std::to_string(window.borrowed()) +
                    "/" + std::to_string(control.borrowed()));
  CheckWindowsInOfficesLanguage(checks, addin);
}

}  // namespace trelvane::wintest
