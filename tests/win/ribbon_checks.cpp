#include "tests/win/addin_checks.h"
#include "tests/win/fake_office.h"
#include "tests/win/office_calls.h"
#include "tests/win/ribbon_cases.h"

namespace trelvane::wintest {
namespace {

// RibbonIDs besides the main window's: none, a null BSTR, and two of Outlook's other windows.
constexpr const wchar_t* kOtherRibbonIds[] = {L"", nullptr, L"Microsoft.Outlook.Mail.Compose",
                                              L"Microsoft.Outlook.Mail.Read"};

// What GetCustomUI must give for one case and RibbonID: the case's document or failure, or for
// a ribbon the add-in is not for, the empty string whatever the case.
std::string Mismatch(const CustomUi& answer, const RibbonCase& ribbon_case,
                     const std::wstring& expected, bool answered) {
  if (answer.out_untouched)
    return "the out parameter was left as it was";
  if (!answered) {
    if (answer.hr != S_OK)
      return "got " + Hex(answer.hr) + " for another window's ribbon, expected S_OK";
    return answer.text.empty() ? std::string() : "a document for another window's ribbon";
  }
  if (ribbon_case.failure) {
    if (answer.hr != *ribbon_case.failure)
      return "got " + Hex(answer.hr) + ", expected " + Hex(*ribbon_case.failure);
    if (answer.has_text)
      return "a failure came with a string";
    return {};
  }
  if (answer.hr != S_OK)
    return "got " + Hex(answer.hr) + ", expected S_OK";
  // For "add nothing" an empty BSTR and a null one say the same.
  if (!answer.has_text && !expected.empty())
    return "no string came back";
  if (answer.text != expected)
    return FirstDifference(answer.text, expected);
  return {};
}

void ApplySettings(CheckList& checks, const RibbonCase& ribbon_case) {
  bool stored = ClearStoredSettings();
  for (const auto& [key, value] : ReadSettings(ribbon_case.settings_file))
    stored = StoreSetting(key, value) && stored;
  if (!stored)
    checks.Expect(false, "case " + Utf8(ribbon_case.name) + ": storing its settings");
}

}  // namespace

void CheckRibbonCases(CheckList& checks, const AddinUnderTest& addin) {
  std::string error;
  const auto cases = LoadRibbonCases(addin.cases_folder, error);
  if (!checks.Expect(!cases.empty(), "the settings cases are there", error))
    return;

  // The same document for every RibbonID, or (Outlook) for the main window's alone.
  for (const RibbonCase& ribbon_case : cases) {
    const std::string name = "case " + Utf8(ribbon_case.name);
    ApplySettings(checks, ribbon_case);
    std::wstring expected;
    if (!ribbon_case.failure) {
      const auto document = ReadTextFile(ribbon_case.document_file);
      if (!checks.Expect(document.has_value(), name + ": expected document readable"))
        continue;
      expected = *document;
    }

    FakeWindow window(true);
    FakeApplication application(ribbon_case.host_name.value_or(addin.expected.application_name),
                                &window);
    {
      HRESULT hr = E_UNEXPECTED;
      com_ptr<IDispatch> object = CreateAddin(addin.expected.prog_id, hr);
      if (!checks.Expect(object && SUCCEEDED(hr), name + ": created by ProgID", Hex(hr)))
        continue;
      checks.ExpectHr(ConnectAddin(object.get(), &application), S_OK, name + ": OnConnection");
      std::string problem;
      const auto ask = [&](const wchar_t* ribbon_id, bool answered) {
        const CustomUi answer = GetCustomUi(object.get(), ribbon_id);
        const std::string mismatch = Mismatch(answer, ribbon_case, expected, answered);
        if (!mismatch.empty() && problem.empty()) {
          problem = "RibbonID \"" + Utf8(ribbon_id ? ribbon_id : L"(null)") + "\": " + mismatch;
        }
      };
      ask(addin.expected.ribbon_id, true);
      const int host_calls = application.calls;
      for (const wchar_t* ribbon_id : kOtherRibbonIds)
        ask(ribbon_id, !addin.expected.other_ribbons_empty);
      if (addin.expected.other_ribbons_empty && application.calls != host_calls && problem.empty())
        problem = "the other windows' ribbons called into the host";
      checks.Expect(problem.empty(),
                    name +
                        (ribbon_case.failure ? ": GetCustomUI fails with " +
                                                   Hex(*ribbon_case.failure) + ", no string"
                         : expected.empty() ? ": GetCustomUI gives the empty string"
                                            : ": GetCustomUI gives trelvane-ribbon's document") +
                        (addin.expected.other_ribbons_empty
                             ? " for the main window, the other windows the empty string"
                             : " for every RibbonID"),
                    problem);
    }
    checks.Expect(application.borrowed() == 0 && window.borrowed() == 0,
                  name + ": the host objects' references all came back",
                  std::to_string(application.borrowed()) + " application references kept");
  }
  ClearStoredSettings();
}

// Office 2010 to 16, one without Version, Office 16 in German, Japanese and Chinese and one
// without LanguageSettings (which takes Windows' UI language: English in the test prefix). Each
// document is trelvane-ribbon's for the same, the host asked once for each.
void CheckOfficeVersions(CheckList& checks, const AddinUnderTest& addin) {
  ClearStoredSettings();
  struct HostCase {
    std::optional<std::wstring> version;  // none: an Application without Version
    std::optional<LONG> lcid;             // none: an Application without LanguageSettings
    const wchar_t* document;              // what trelvane-ribbon printed for it
  };
  const HostCase cases[] = {
      {L"14.0", std::nullopt, L"office-14.xml"}, {L"15.0", std::nullopt, L"office-15.xml"},
      {L"16.0", std::nullopt, L"office-16.xml"}, {std::nullopt, std::nullopt, L"office-14.xml"},
      {L"16.0", 1031, L"language-1031.xml"},     {L"16.0", 1041, L"language-1041.xml"},
      {L"16.0", 2052, L"language-2052.xml"}};
  for (const HostCase& host : cases) {
    const std::string name =
        "Office " + (host.version ? Utf8(*host.version) : std::string("without Version")) +
        (host.lcid ? " in language " + std::to_string(*host.lcid) : std::string());
    const auto expected = ReadTextFile(addin.cases_folder + L"\\" + host.document);
    if (!checks.Expect(expected.has_value(), name + ": expected document readable"))
      continue;
    FakeWindow window(true);
    FakeLanguageSettings settings;
    FakeApplication application(addin.expected.application_name, &window);
    application.version = host.version;
    if (host.lcid) {
      settings.ui_language = *host.lcid;
      application.language_settings = &settings;
    }
    {
      HRESULT hr = E_UNEXPECTED;
      com_ptr<IDispatch> object = CreateAddin(addin.expected.prog_id, hr);
      if (!checks.Expect(object && SUCCEEDED(hr), name + ": created by ProgID", Hex(hr)))
        continue;
      checks.ExpectHr(ConnectAddin(object.get(), &application), S_OK, name + ": OnConnection");
      const CustomUi answer = GetCustomUi(object.get(), addin.expected.ribbon_id);
      checks.Expect(
          answer.hr == S_OK && answer.text == *expected,
          name + ": GetCustomUI gives trelvane-ribbon's document for " + Utf8(host.document),
          answer.hr == S_OK ? FirstDifference(answer.text, *expected) : Hex(answer.hr));
      const int versions = host.version ? 1 : 0;
      const int languages = host.lcid ? 1 : 0;
      checks.Expect(application.version_reads == versions &&
                        application.language_settings_reads == languages &&
                        settings.calls == languages,
                    name +
                        ": Version, LanguageSettings and LanguageID each read once for the "
                        "build, where the host has them",
                    std::to_string(application.version_reads) + ", " +
                        std::to_string(application.language_settings_reads) + " and " +
                        std::to_string(settings.calls) + " reads");
    }
    checks.Expect(application.borrowed() == 0 && window.borrowed() == 0 && settings.borrowed() == 0,
                  name + ": the host objects' references all came back");
  }
  ClearStoredSettings();
}

void CheckUnconnected(CheckList& checks, const AddinUnderTest& addin) {
  HRESULT hr = E_UNEXPECTED;
  com_ptr<IDispatch> object = CreateAddin(addin.expected.prog_id, hr);
  if (!checks.Expect(static_cast<bool>(object), "created without a host", Hex(hr)))
    return;
  const CustomUi answer = GetCustomUi(object.get(), addin.expected.ribbon_id);
  checks.Expect(FAILED(answer.hr) && !answer.out_untouched && !answer.has_text,
                "GetCustomUI before OnConnection fails with no string", Hex(answer.hr));
  checks.ExpectHr(ConnectAddin(object.get(), nullptr), E_POINTER,
                  "OnConnection without an Application");
  // A host whose Name cannot be read: the build fails with the host's own error.
  FakeWindow window(true);
  FakeApplication busy(addin.expected.application_name, &window);
  busy.name_error = RPC_E_CALL_REJECTED;
  ConnectAddin(object.get(), &busy);
  const CustomUi refused = GetCustomUi(object.get(), addin.expected.ribbon_id);
  checks.Expect(refused.hr == RPC_E_CALL_REJECTED && !refused.has_text,
                "a host error while building comes back as the host's HRESULT", Hex(refused.hr));
  object.reset();
  checks.Expect(busy.borrowed() == 0, "the busy host's references all came back");
}

}  // namespace trelvane::wintest
