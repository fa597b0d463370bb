#include "core/win/about_window.h"
#include "tests/win/about_probe.h"
#include "tests/win/addin_checks.h"
#include "tests/win/fake_office.h"
#include "tests/win/gui_probe.h"
#include "tests/win/office_calls.h"

namespace trelvane::wintest {
namespace {

std::wstring FolderOf(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

}  // namespace

// The hand comes from HAND-M.CUR in the add-in's folder, read when the About window is first
// wanted; so the file goes in place before a new add-in object is made.
void CheckHandPointer(CheckList& checks, const AddinUnderTest& addin) {
  const std::wstring cursor_file = FolderOf(addin.dll_path) + L"\\" + win::kHandPointerFile;
  if (!checks.Expect(WriteCursorFile(cursor_file), "HAND-M.CUR written next to the DLL"))
    return;
  FakeWindow window(true);
  FakeApplication application(addin.expected.application_name, &window);
  FakeControl control;
  {
    HRESULT hr = E_UNEXPECTED;
    com_ptr<IDispatch> object = CreateAddin(addin.expected.prog_id, hr);
    ConnectAddin(object.get(), &application);
    const DISPID show_about = object ? IdOfName(object.get(), L"ShowAbout0", hr) : DISPID_UNKNOWN;
    const HRESULT shown = object ? Click(object.get(), show_about, &control) : hr;
    std::size_t count = 0;
    const HWND about = FindAboutWindow(AboutCaption(addin.expected.title), count);
    if (checks.Expect(shown == S_OK && about, "the About window opens with HAND-M.CUR present",
                      Hex(shown))) {
      const PointerLook on_link = PointAt(about, ::GetDlgItem(about, win::kAboutLink));
      const PointerLook on_ok = PointAt(about, ::GetDlgItem(about, win::kAboutOk));
      const PointerLook on_background = PointAt(about, about);
      checks.Expect(on_link.cursor && on_link.cursor != ArrowCursor() && on_link.link_underlined,
                    "the link shows the hand from HAND-M.CUR");
      checks.Expect(on_ok.cursor == on_link.cursor, "the Ok button shows the hand too");
      checks.Expect(on_background.cursor == ArrowCursor(), "the background shows the arrow");
    }
  }
  ::DeleteFileW(cursor_file.c_str());
  checks.ExpectHr(addin.can_unload_now(), S_OK, "DllCanUnloadNow is S_OK again");
}

}  // namespace trelvane::wintest
