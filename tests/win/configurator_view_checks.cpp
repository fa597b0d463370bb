#include "tests/win/configurator_view_checks.h"

#include <string>
#include <vector>

#include "configurator/win/options_view.h"
#include "core/failure.h"
#include "core/memory_settings_store.h"
#include "tests/win/gui_probe.h"
#include "tests/win/scratch_key.h"

namespace trelvane::wintest {
namespace {

namespace view = configurator::win;
using configurator::MessageIcon;

// Everything but the window: settings in memory, files from a folder of the test's, nothing
// started. While OK runs, the launcher looks at the pointer over a box.
class StandIns final : public configurator::FileSystem,
                       public configurator::ProgramLauncher,
                       public configurator::AddinRegistry,
                       public configurator::HostProbes,
                       public configurator::MessageBoxes {
 public:
  std::string folder;
  HWND window = nullptr;
  HCURSOR pointer_during_ok = nullptr;
  int messages = 0;

  std::string ProgramFolder() override { return folder; }
  bool FileExists(std::string_view path) override {
    return ::GetFileAttributesA(std::string(path).c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  void OpenWithShell(std::string_view) override {
    const HWND box = ::GetDlgItem(window, view::kFirstBoxId + 4);
    ::SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(box),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    pointer_during_ok = ::GetCursor();
  }
  void Register(const AddinEntry&, configurator::AddinBuild, std::string_view) override {}
  void Unregister(const AddinEntry&, configurator::AddinBuild) override {}
  // Every host is there, its server being this very program.
  std::vector<std::string> LocalServers(std::string_view) override {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::string command = "\"";
    command.append(Utf8(path)).append("\" /automation");
    return {command};
  }
  void Show(std::string_view, std::string_view, MessageIcon) override { ++messages; }
};

// The pointer the window shows over `control`.
HCURSOR PointerOver(HWND window, HWND control) {
  ::SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(control),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  return ::GetCursor();
}

bool ArialBold(HWND control, int hundredths_of_a_point, int dpi) {
  const auto font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
  LOGFONTW described = {};
  if (!font || !::GetObjectW(font, sizeof described, &described))
    return false;
  return std::wstring_view(described.lfFaceName) == L"Arial" && described.lfWeight >= FW_BOLD &&
         described.lfHeight == -::MulDiv(hundredths_of_a_point, dpi, 7200);
}

}  // namespace

void CheckView(CheckList& checks) {
  StandIns world;
  wchar_t temp[MAX_PATH];
  ::GetTempPathW(MAX_PATH, temp);
  const std::wstring folder =
      std::wstring(temp) + L"trelvane-view-" + std::to_wstring(::GetCurrentProcessId());
  ::CreateDirectoryW(folder.c_str(), nullptr);
  world.folder = Utf8(folder);
  const std::wstring cursor = folder + L"\\HAND-M.CUR";

  MemorySettingsStore store;
  view::OptionsView window(::GetModuleHandleW(nullptr), Language::kEnglish);
  const configurator::Seams seams{store, world, world, world, world, world, window};
  configurator::OptionsWindow model(seams);
  try {
    window.Create();
  } catch (const BuildFailure& e) {
    checks.Expect(false, "the options window is made in this process", e.what());
    return;
  }
  window.Attach(model);
  world.window = window.window();
  checks.Expect(model.Load() && world.messages == 0, "it loads over the stand-ins, quietly");
  window.Show();
  PumpMessages();
  const HWND main = window.window();
  const auto control = [main](int id) { return ::GetDlgItem(main, id); };

  checks.Expect(WindowText(main) == L"Trelvane" &&
                    ::SendMessageW(main, WM_GETICON, ICON_SMALL, 0) &&
                    ::SendMessageW(main, WM_GETICON, ICON_BIG, 0),
                "caption Trelvane and the product icon");
  int dpi = 96;
  {
    win::unique_screen_dc screen(::GetDC(nullptr));
    dpi = ::GetDeviceCaps(screen.get(), LOGPIXELSX);
  }
  bool fonts = ArialBold(control(view::kApplicationFrameId), 900, dpi) &&
               ArialBold(control(view::kOptionsFrameId), 900, dpi);
  for (int k = 0; k < configurator::kHostCount; ++k)
    fonts = fonts && ArialBold(control(view::kFirstOptionId + k), 900, dpi);
  for (int box = 0; box < configurator::kBoxCount; ++box)
    fonts = fonts && ArialBold(control(view::kFirstBoxId + box), 900, dpi);
  checks.Expect(fonts, "frames, options and boxes in Arial 9 pt bold");
  checks.Expect(
      ArialBold(control(view::kOkId), 1125, dpi) && ArialBold(control(view::kCancelId), 1125, dpi),
      "the two buttons in Arial 11.25 pt bold");

  // Tab order: the chosen option, the boxes as they stand (Word's tabs down one column, then
  // the next), OK, Cancel, and round again; PowerPoint's ninth box, hidden, is skipped.
  const int order[] = {
      view::kFirstOptionId,   view::kFirstBoxId + 0, view::kFirstBoxId + 1, view::kFirstBoxId + 2,
      view::kFirstBoxId + 11, view::kFirstBoxId + 3, view::kFirstBoxId + 4, view::kFirstBoxId + 5,
      view::kFirstBoxId + 6,  view::kFirstBoxId + 7, view::kFirstBoxId + 8, view::kFirstBoxId + 9,
      view::kFirstBoxId + 10, view::kOkId,           view::kCancelId,       view::kFirstOptionId};
  bool tabs = true;
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
    tabs = tabs && ::GetNextDlgTabItem(main, control(order[i]), FALSE) == control(order[i + 1]);
  }
  checks.Expect(tabs, "Tab goes from the options through the boxes as they stand to the buttons");
  checks.Expect(::SendMessageW(main, DM_GETDEFID, 0, 0) == MAKELRESULT(IDOK, DC_HASDEFID),
                "OK is the default button, so Enter is OK");
  bool beneath = false;
  for (HWND next = control(view::kFirstBoxId + 11); next; next = ::GetWindow(next, GW_HWNDNEXT))
    beneath = beneath || next == control(view::kOutlineId);
  checks.Expect(beneath, "the outline lies beneath the box that sits on its edge");

  // Without HAND-M.CUR the pointer is always the arrow.
  const HCURSOR arrow = ::LoadCursorW(nullptr, IDC_ARROW);
  checks.Expect(PointerOver(main, control(view::kFirstBoxId + 3)) == arrow,
                "no HAND-M.CUR: the arrow over a box");
  WriteCursorFile(cursor);
  window.LoadHandPointer(Utf8(cursor));
  const HCURSOR hand = PointerOver(main, control(view::kFirstBoxId + 3));
  checks.Expect(hand && hand != arrow && PointerOver(main, control(view::kOkId)) == hand &&
                    PointerOver(main, control(view::kCancelId)) == hand,
                "the hand over the boxes and the buttons");
  checks.Expect(PointerOver(main, control(view::kFirstOptionId + 1)) == hand,
                "an option leaves the pointer as it was");
  checks.Expect(PointerOver(main, main) == arrow &&
                    PointerOver(main, control(view::kFirstOptionId + 1)) == arrow &&
                    PointerOver(main, control(view::kOptionsFrameId)) == arrow,
                "the arrow over the background and the frames");
  ::SendMessageW(main, WM_COMMAND, MAKEWPARAM(view::kOkId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(control(view::kOkId)));
  checks.Expect(world.pointer_during_ok == ::LoadCursorW(nullptr, IDC_WAIT),
                "while OK runs the hourglass stays, even over a box");
  checks.Expect(model.closed() && !::IsWindow(main), "OK closes the window");
  PumpMessages();
  ::DeleteFileW(cursor.c_str());
  ::RemoveDirectoryW(folder.c_str());
}

}  // namespace trelvane::wintest
