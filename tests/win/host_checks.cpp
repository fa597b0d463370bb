#include <string_view>
#include <vector>

#include "core/failure.h"
#include "core/win/dispatch_host.h"
#include "tests/win/fake_office.h"
#include "tests/win/layer_checks.h"

namespace trelvane::wintest {
namespace {

// The failure `body` throws; kind kInternal with code 0 when it throws none.
template <typename Body>
Failure FailureOf(Body&& body) {
  Failure failure{FailureKind::kInternal, "no failure", 0};
  CatchFailure(body, failure);
  return failure;
}

win::DispatchHost HostOf(FakeApplication& application) {
  return win::DispatchHost(win::com_ptr<IDispatch>::copy_from(&application));
}

}  // namespace

void CheckDispatchHost(CheckList& checks) {
  FakeWindow window(true);
  FakeApplication word(L"Microsoft Word \u2026", &window);
  {
    win::DispatchHost host = HostOf(word);
    checks.Expect(host.Name() == "Microsoft Word \xE2\x80\xA6",
                  "Application.Name is read by name, as UTF-8");
    window.document_map = true;
    const bool read = host.DocumentMap();
    host.SetDocumentMap(false);
    checks.Expect(read && !window.document_map && window.puts == 1 && !window.put_misused,
                  "ActiveWindow.DocumentMap is read, and written with DISPID_PROPERTYPUT");
  }
  checks.Expect(word.borrowed() == 0 && window.borrowed() == 0,
                "the host wrapper returns every reference it took");

  FakeWindow plain(false);
  FakeApplication powerpoint(L"Microsoft PowerPoint", &plain);
  const Failure missing = FailureOf([&] { HostOf(powerpoint).DocumentMap(); });
  checks.Expect(missing.kind == FailureKind::kHost &&
                    missing.code == static_cast<std::int32_t>(DISP_E_UNKNOWNNAME),
                "a window without DocumentMap fails with the host's DISP_E_UNKNOWNNAME",
                missing.reason);

  FakeApplication no_document(L"Microsoft Word", nullptr);
  const Failure no_window = FailureOf([&] { HostOf(no_document).SetDocumentMap(true); });
  checks.Expect(no_window.kind == FailureKind::kHost && no_window.code < 0,
                "no active window is a host failure", no_window.reason);

  FakeApplication busy(L"Microsoft Word", &window);
  busy.name_error = RPC_E_CALL_REJECTED;
  const Failure rejected = FailureOf([&] { HostOf(busy).Name(); });
  checks.Expect(rejected.kind == FailureKind::kHost &&
                    rejected.code == static_cast<std::int32_t>(RPC_E_CALL_REJECTED) &&
                    rejected.reason.find("The host is busy.") != std::string::npos,
                "an exception raised by the host keeps its code and description", rejected.reason);

  // Access's view buttons: several answers through one CommandBars read and one name lookup.
  FakeCommandBars bars;
  FakeApplication access(L"Microsoft Access", nullptr, &bars);
  bars.datasheet = true;
  {
    win::DispatchHost host = HostOf(access);
    constexpr std::string_view kButtons[] = {"ViewsDesignView", "ViewsDatasheetView"};
    const std::vector<bool> pressed = host.GetPressedMsos(kButtons);
    checks.Expect(pressed == std::vector<bool>{false, true} && access.command_bars_reads == 1 &&
                      bars.lookups == 1 && bars.pressed_queries == 2,
                  "GetPressedMsos reads CommandBars once and asks each button in order");
    bars.pressed_error = static_cast<HRESULT>(0x800A09D5);
    const Failure failed = FailureOf([&] { host.GetPressedMsos(kButtons); });
    checks.Expect(failed.kind == FailureKind::kHost &&
                      failed.code == static_cast<std::int32_t>(0x800A09D5) &&
                      bars.pressed_queries == 3,
                  "a failing GetPressedMso ends the look with the host's code", failed.reason);
  }
  checks.Expect(access.borrowed() == 0 && bars.borrowed() == 0,
                "the command bars are let go of, after a failure too");

  const Failure unset = FailureOf([] { win::DispatchHost(win::com_ptr<IDispatch>()).Name(); });
  checks.Expect(unset.kind == FailureKind::kHost && unset.code == E_POINTER,
                "no Application at all fails with E_POINTER");
}

}  // namespace trelvane::wintest
