// What an add-in's start costs its host. Office times each add-in's connection, and Outlook turns
// off one that starts slowly, so the test host times a start (created, connected, the first
// document) and reports it, and counts the calls into the host, which the add-in alone decides:
// Name, Version and the UI language (LanguageSettings, then its LanguageID), once each, for every
// add-in. Where the add-in answers one ribbon alone, the
// others cost no call at all.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "tests/win/addin_checks.h"
#include "tests/win/fake_office.h"
#include "tests/win/office_calls.h"
#include "tests/win/ribbon_cases.h"

namespace trelvane::wintest {
namespace {

constexpr int kRepeats = 20;

struct Start {
  bool answered = false;  // S_OK with a document
  double milliseconds = 0;
  int calls = 0;    // Invoke calls on the Application and its window
  int lookups = 0;  // GetIDsOfNames calls on them
  int names = 0;
  int versions = 0;
  int languages = 0;    // LanguageSettings.LanguageID
  int later_calls = 0;  // calls and lookups while the other ribbons were asked for
  bool others_empty = true;
};

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

Start StartOnce(const AddinUnderTest& addin) {
  Start start;
  FakeWindow window(addin.expected.window_has_document_map);
  FakeLanguageSettings settings;
  FakeApplication application(addin.expected.application_name, &window);
  application.version = L"16.0";
  application.language_settings = &settings;
  LARGE_INTEGER begin;
  LARGE_INTEGER end;
  ::QueryPerformanceCounter(&begin);
  HRESULT hr = E_UNEXPECTED;
  com_ptr<IDispatch> object = CreateAddin(addin.expected.prog_id, hr);
  if (!object)
    return start;
  const HRESULT connected = ConnectAddin(object.get(), &application);
  const CustomUi document = GetCustomUi(object.get(), addin.expected.ribbon_id);
  ::QueryPerformanceCounter(&end);
  start.answered = connected == S_OK && document.hr == S_OK && !document.text.empty();
  start.milliseconds = Milliseconds(begin, end);
  start.calls = application.calls + window.calls + settings.calls;
  start.lookups = application.lookups + window.lookups + settings.lookups;
  start.names = application.name_reads;
  start.versions = application.version_reads;
  start.languages = std::min(application.language_settings_reads, settings.calls);
  if (addin.expected.other_ribbons_empty) {
    for (const wchar_t* other :
         {L"Microsoft.Outlook.Mail.Compose", L"Microsoft.Outlook.Mail.Read"}) {
      const CustomUi answer = GetCustomUi(object.get(), other);
      start.others_empty = start.others_empty && answer.hr == S_OK && answer.text.empty();
    }
    start.later_calls = application.calls + window.calls + settings.calls + application.lookups +
                        window.lookups + settings.lookups - start.calls - start.lookups;
  }
  return start;
}

}  // namespace

void CheckStartCost(CheckList& checks, const AddinUnderTest& addin) {
  ClearStoredSettings();
  const Start first = StartOnce(addin);
  if (!checks.Expect(first.answered, "a start: created, connected, the first document"))
    return;
  checks.Expect(
      first.calls == 4 && first.names == 1 && first.versions == 1 && first.languages == 1 &&
          first.lookups <= 4,
      "a start calls into the host for its Name, Version and UI language alone, once each",
      std::to_string(first.calls) + " calls, " + std::to_string(first.lookups) + " name lookups");
  if (addin.expected.other_ribbons_empty) {
    checks.Expect(first.others_empty && first.later_calls == 0,
                  "the other windows' ribbons then get the empty string with no call into the host",
                  std::to_string(first.later_calls) + " calls and lookups");
  }

  std::vector<double> times;
  for (int i = 0; i < kRepeats; ++i)
    times.push_back(StartOnce(addin).milliseconds);
  std::sort(times.begin(), times.end());
  char text[200];
  std::snprintf(text, sizeof text,
                "a start (created, connected, the first document) took %.2f ms the first time, "
                "median %.2f ms and at most %.2f ms over %d more; %d calls into the host "
                "(Name, Version, LanguageSettings, LanguageID) and %d name lookups",
                first.milliseconds, times[times.size() / 2], times.back(), kRepeats, first.calls,
                first.lookups);
  checks.Report(text);
}

}  // namespace trelvane::wintest
