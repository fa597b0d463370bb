// configurator-checks: runs the real Trelvane.exe as a user would, with clicks and keys through
// the input queue, in a prefix where stand-ins are registered for the five hosts' automation
// classes (fake-office-servers.dll, with fake-host.exe as their local server) and the host
// programs (fake-host.exe under App Paths), and checks what it shows, what it stores, what it
// registers and what it starts, and that opening the window starts and creates nothing.
//
//   configurator-checks --program <Trelvane.exe> --fakes <fake-office-servers.dll>
//                       [--scenario <name>] [--screenshot <file.bmp>] [--language <tag>]
//
// Runs every scenario, or the one named (the names are in kScenarios below). The program's folder
// must be laid out as the package lays it out: HAND-M.CUR and the 32-bit add-ins beside the
// program, and beside the 64-bit program the 64-bit add-ins in x64\. One line per check; exit
// status 0 when all passed.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <map>
#include <string>

#include "configurator/host_checks.h"
#include "configurator/product.h"
#include "configurator/tab_box_layout.h"
#include "configurator/win/options_view.h"
#include "core/language_tables.h"
#include "core/ribbon_document.h"
#include "core/user_settings.h"
#include "core/win/addin_definitions.h"
#include "core/win/registration.h"
#include "core/win/unique_handle.h"
#include "core/win/wide_text.h"
#include "tests/win/caption_fit.h"
#include "tests/win/check.h"
#include "tests/win/configurator_view_checks.h"
#include "tests/win/gui_probe.h"
#include "tests/win/ribbon_cases.h"
#include "tests/win/scratch_key.h"
#include "tests/win/screen_capture.h"
#include "tests/win/user_input.h"
#include "tools/host_catalog.h"

namespace trelvane::wintest {
namespace {

namespace view = configurator::win;
using win::Narrow;
using win::Widen;

constexpr wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\Marrowick\\Trelvane";
constexpr wchar_t kRecordsKey[] = L"Software\\Trelvane Tests";
constexpr DWORD kStartTimeout = 20000;

struct Options {
  std::wstring program;
  std::wstring fakes;
  std::wstring scenario;  // empty: all of them
  std::wstring screenshot;
  std::wstring language;  // the language the language scenario expects Windows to speak
};

using Values = std::map<std::wstring, std::wstring>;

Values StoredSettings() {
  Values values;
  win::unique_hkey key;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, key.put()) != ERROR_SUCCESS)
    return values;
  for (DWORD i = 0;; ++i) {
    wchar_t name[256];
    DWORD name_size = 256;
    wchar_t data[1024] = {};
    DWORD data_size = sizeof data - sizeof(wchar_t);
    DWORD type = 0;
    if (::RegEnumValueW(key.get(), i, name, &name_size, nullptr, &type,
                        reinterpret_cast<BYTE*>(data), &data_size) != ERROR_SUCCESS)
      break;
    values[name] = type == REG_SZ ? data : L"(not text)";
  }
  return values;
}

void StoreSettings(const Values& values) {
  ClearStoredSettings();
  for (const auto& [key, value] : values)
    StoreSetting(key, value);
}

std::wstring Record(const wchar_t* name) {
  return ValueText(HKEY_CURRENT_USER, kRecordsKey, name);
}

std::wstring Folder(const std::wstring& path) {
  return path.substr(0, path.find_last_of(L"\\/"));
}

// The registry view of the other bitness than this program's own.
constexpr REGSAM kOtherView = sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
constexpr const char* kOtherViewName = sizeof(void*) == 8 ? "32-bit" : "64-bit";

std::wstring AddinKey(const std::wstring& host, const std::wstring& prog_id) {
  return L"Software\\Microsoft\\Office\\" + host + L"\\AddIns\\" + prog_id;
}

// The server registered for a class in a view of HKLM\Software\Classes, which Wine reads (and
// the configurator writes there under Wine, as the package does); empty when none.
std::wstring MachineServer(const std::wstring& clsid, REGSAM view) {
  win::unique_hkey key;
  const std::wstring path =
      std::wstring(L"Software\\Classes\\CLSID\\") + clsid + L"\\InprocServer32";
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | view, key.put()) !=
      ERROR_SUCCESS)
    return {};
  wchar_t server[MAX_PATH] = {};
  DWORD size = sizeof server - sizeof(wchar_t);
  if (::RegQueryValueExW(key.get(), nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(server),
                         &size) != ERROR_SUCCESS)
    return {};
  return server;
}

const std::wstring kPowerPointClass = win::GuidText(win::kPPTTrelvane.clsid);
const std::wstring kAccessClass = win::GuidText(win::kAccessTrelvane.clsid);

// The stand-in automation servers, registered and taken away as a scenario needs them.
class FakeServers {
 public:
  explicit FakeServers(const std::wstring& dll) : module_(::LoadLibraryW(dll.c_str())) {}
  FakeServers(const FakeServers&) = delete;
  FakeServers& operator=(const FakeServers&) = delete;
  ~FakeServers() {
    ClearMoved();
    Call("DllUnregisterServer");
    if (module_)
      ::FreeLibrary(module_);
  }
  bool Register() { return Call("DllRegisterServer") == S_OK; }
  void Unregister() { Call("DllUnregisterServer"); }
  void Remove(const wchar_t* prog_id) {
    ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, (std::wstring(L"Software\\Classes\\") + prog_id).c_str());
  }
  // The class's local server names a file that is not there.
  void BreakServer(const wchar_t* prog_id) {
    SetLocalServer(ClassKey(prog_id), 0, L"\"C:\\Missing Office\\HOST.EXE\" /automation");
  }
  // The class keeps its ProgID but is registered in the other registry view alone, the one this
  // program does not see by default: as 32-bit Office registers its classes on 64-bit Windows,
  // seen from a 64-bit program, and 64-bit Office, seen from a 32-bit one.
  // True when the class is then in the other view and not in this program's own.
  bool MoveToOtherView(const wchar_t* prog_id) {
    const std::wstring key = ClassKey(prog_id);
    const std::wstring server = ValueText(HKEY_LOCAL_MACHINE, key + L"\\LocalServer32", nullptr);
    ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, key.c_str());
    SetLocalServer(key, kOtherView, server);
    moved_.push_back(key);
    win::unique_hkey moved;
    return !server.empty() && !KeyPresent(HKEY_LOCAL_MACHINE, key) &&
           ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, (key + L"\\LocalServer32").c_str(), 0,
                           KEY_READ | kOtherView, moved.put()) == ERROR_SUCCESS;
  }

 private:
  static std::wstring ClassKey(const wchar_t* prog_id) {
    const std::wstring classes = L"Software\\Classes\\";
    return classes + L"CLSID\\" +
           ValueText(HKEY_LOCAL_MACHINE, classes + prog_id + L"\\CLSID", nullptr);
  }
  static void SetLocalServer(const std::wstring& key, REGSAM view, const std::wstring& command) {
    win::unique_hkey server;
    if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, (key + L"\\LocalServer32").c_str(), 0, nullptr, 0,
                          KEY_ALL_ACCESS | view, nullptr, server.put(), nullptr) == ERROR_SUCCESS)
      ::RegSetValueExW(server.get(), nullptr, 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(command.c_str()),
                       static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
  }
  std::vector<std::wstring> moved_;

 public:
  void ClearMoved() {
    for (const std::wstring& key : moved_) {
      win::unique_hkey parent;
      if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.substr(0, key.find_last_of(L'\\')).c_str(), 0,
                          KEY_ALL_ACCESS | kOtherView, parent.put()) == ERROR_SUCCESS)
        ::RegDeleteTreeW(parent.get(), key.substr(key.find_last_of(L'\\') + 1).c_str());
    }
    moved_.clear();
  }

 private:
  HRESULT Call(const char* name) {
    using Export = HRESULT(STDAPICALLTYPE*)();
    const auto function =
        module_ ? reinterpret_cast<Export>(reinterpret_cast<void*>(::GetProcAddress(module_, name)))
                : nullptr;
    return function ? function() : E_FAIL;
  }
  HMODULE module_;
};

// One start of the configurator.
class Started {
 public:
  explicit Started(const std::wstring& program) {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kRecordsKey);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + program + L"\"";
    PROCESS_INFORMATION process = {};
    ::QueryPerformanceCounter(&started_at_);
    if (::CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                         nullptr, &startup, &process)) {
      process_.reset(process.hProcess);
      win::unique_handle thread(process.hThread);
      id_ = process.dwProcessId;
    } else {
      start_error_ = ::GetLastError();
    }
  }
  Started(const Started&) = delete;
  Started& operator=(const Started&) = delete;
  ~Started() {
    if (process_ && !Ended(0))
      ::TerminateProcess(process_.get(), 9);
  }

  bool ok() const { return static_cast<bool>(process_); }
  DWORD id() const { return id_; }
  bool Ended(DWORD milliseconds) const {
    return process_ && ::WaitForSingleObject(process_.get(), milliseconds) == WAIT_OBJECT_0;
  }
  // The options window once it shows.
  HWND Window(DWORD milliseconds = kStartTimeout) const {
    HWND found = nullptr;
    WaitUntil(
        [&] {
          found = FindProcessWindow(id_, view::kOptionsWindowClass, L"Trelvane");
          found = found && ::IsWindowVisible(found) ? found : nullptr;
          return found != nullptr || Ended(0);
        },
        milliseconds);
    return found;
  }
  // What became of the program, for a check whose wait ran out: not started, ended with its
  // exit code, or running with the top-level windows it has.
  std::string State() const {
    if (!process_)
      return "the program did not start, error " + std::to_string(start_error_);
    DWORD code = 0;
    if (Ended(0) && ::GetExitCodeProcess(process_.get(), &code))
      return "the program ended, exit code " + Hex(static_cast<HRESULT>(code));
    return "the program runs, " + std::to_string(static_cast<long>(Elapsed())) +
           " ms after its start; its windows: " + DescribeProcessWindows(id_);
  }
  // Milliseconds from the start to now.
  double Elapsed() const {
    LARGE_INTEGER now, frequency;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - started_at_.QuadPart) /
           static_cast<double>(frequency.QuadPart);
  }
  // A message box of the configurator's with this title, and its texts.
  HWND MessageBox(const std::wstring& title, DWORD milliseconds = kStartTimeout) const {
    HWND found = nullptr;
    WaitUntil(
        [&] {
          found = FindProcessWindow(id_, L"#32770", title);
          return found != nullptr || Ended(0);
        },
        milliseconds);
    return found;
  }

 private:
  win::unique_handle process_;
  DWORD id_ = 0;
  DWORD start_error_ = 0;
  LARGE_INTEGER started_at_ = {};
};

// The host's document as its add-in builds it from the stored settings.
std::string Document(const HostProfile& profile) {
  const auto store = OpenUserSettingsStore();
  StandInHost application{std::string(profile.application_name)};
  RibbonBuilder builder(profile);
  const RibbonXml xml = builder.GetRibbonXML(&application, *store);
  return xml.ok ? xml.document : std::string("build failed: ").append(xml.failure.reason);
}

// Nothing of Office was created or started: no stand-in object, no stand-in server.
bool NothingOfOfficeStarted() {
  for (const wchar_t* record : {L"WordCreated", L"ExcelCreated", L"AccessCreated",
                                L"PowerPointCreated", L"OutlookCreated", L"HostStarted"}) {
    if (!ValueText(HKEY_CURRENT_USER, kRecordsKey, record).empty())
      return false;
  }
  return true;
}

bool Checked(HWND window, int id) {
  return ::SendDlgItemMessageW(window, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Which boxes are set, as "0 1 2".
std::string SetBoxes(HWND window) {
  std::string set;
  for (int box = 0; box < configurator::kBoxCount; ++box) {
    if (!Checked(window, view::kFirstBoxId + box))
      continue;
    if (!set.empty())
      set += ' ';
    set += std::to_string(box);
  }
  return set;
}

int SelectedOption(HWND window) {
  for (int k = 1; k <= configurator::kHostCount; ++k) {
    if (Checked(window, view::kFirstOptionId + k - 1))
      return k;
  }
  return 0;
}

void Click(HWND window, int id) {
  Activate(window);
  ClickOn(::GetDlgItem(window, id));
}

// Clicks the host's option and waits until the window shows it chosen.
void Choose(HWND window, configurator::HostOption host) {
  const int k = static_cast<int>(host);
  Click(window, view::kFirstOptionId + k - 1);
  WaitUntil([&] { return SelectedOption(window) == k; }, 5000);
}

void Press(HWND window, std::initializer_list<WORD> keys) {
  Activate(window);
  PressKeys(keys);
}

bool MessageSays(HWND box, const std::wstring& text) {
  for (const std::wstring& shown : ChildTexts(box)) {
    if (shown == text)
      return true;
  }
  return false;
}

std::string Shown(HWND box) {
  std::string texts;
  for (const std::wstring& shown : ChildTexts(box)) {
    texts += '"';
    texts += Utf8(shown);
    texts += "\" ";
  }
  return texts;
}

// Where the window's controls stand, in twips from the client area's corner: the frames'
// offsets added to the positions inside them. Those below the outline move down, and the frame
// and the outline grow, by the rows a host's tabs add (`growth`).
struct ExpectedPlace {
  int id;
  int left, top, width, height;
  bool moves, grows;
};
constexpr ExpectedPlace kLayout[] = {
    {view::kApplicationFrameId, 120, 120, 7800, 705, false, false},
    {view::kFirstOptionId + 0, 360, 420, 1230, 285, false, false},
    {view::kFirstOptionId + 1, 1560, 420, 1230, 285, false, false},
    {view::kFirstOptionId + 2, 2880, 420, 1410, 285, false, false},
    {view::kFirstOptionId + 3, 4320, 420, 1455, 285, false, false},
    {view::kFirstOptionId + 4, 5835, 420, 1455, 285, false, false},
    {view::kOptionsFrameId, 120, 900, 7800, 3435, false, true},
    {view::kFirstBoxId + 0, 360, 1230, 5295, 255, false, false},
    {view::kFirstBoxId + 1, 720, 1575, 3975, 255, false, false},
    {view::kFirstBoxId + 2, 720, 1935, 3375, 255, false, false},
    {view::kFirstBoxId + 11, 720, 2280, 1815, 255, false, false},
    {view::kOutlineId, 600, 2370, 3375, 1695, false, true},
    {view::kOkId, 120, 4460, 3840, 405, true, false},
    {view::kCancelId, 4080, 4460, 3840, 405, true, false},
};

int ScreenDpi() {
  int dpi = 96;
  win::unique_screen_dc screen(::GetDC(nullptr));
  if (screen)
    dpi = ::GetDeviceCaps(screen.get(), LOGPIXELSX);
  return dpi;
}

int Pixels(int twips) {
  return ::MulDiv(twips, ScreenDpi(), 1440);
}

// Rounding each edge may move a control by one pixel against its own rounding.
bool WithinAPixel(LONG a, LONG b) {
  return a - b <= 1 && b - a <= 1;
}

bool StandsAt(HWND control, int left, int top, int width, int height) {
  const RECT at = PlaceInParent(control);
  return WithinAPixel(at.left, Pixels(left)) && WithinAPixel(at.top, Pixels(top)) &&
         WithinAPixel(at.right - at.left, Pixels(width)) &&
         WithinAPixel(at.bottom - at.top, Pixels(height));
}

bool Overlap(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// The window's icon is seen from inside (configurator_view_checks.cpp); from outside, the
// program must carry it.
void CheckIcon(CheckList& checks, const std::wstring& program) {
  HICON large = nullptr;
  const UINT icons = ::ExtractIconExW(program.c_str(), 0, &large, nullptr, 1);
  checks.Expect(icons >= 1 && large != nullptr, "Trelvane.exe carries the product icon");
  if (large)
    ::DestroyIcon(large);
}

// The fixed controls where the twips table puts them, the window centred, and " Word" not
// drawing over "Excel".
void CheckLayout(CheckList& checks, HWND window, int growth, const std::string& host) {
  std::string misplaced;
  for (const ExpectedPlace& place : kLayout) {
    if (!StandsAt(::GetDlgItem(window, place.id), place.left,
                  place.top + (place.moves ? growth : 0), place.width,
                  place.height + (place.grows ? growth : 0)))
      misplaced += std::to_string(place.id) + " ";
  }
  checks.Expect(misplaced.empty(),
                host + ": every control stands where the twips table puts it at " +
                    std::to_string(ScreenDpi()) + " DPI",
                misplaced);
  RECT client;
  ::GetClientRect(window, &client);
  checks.Expect(WithinAPixel(client.right, Pixels(8040)) &&
                    WithinAPixel(client.bottom, Pixels(4965 + growth)),
                host + ": the client area is 8040 x " + std::to_string(4965 + growth) + " twips");
  RECT frame;
  ::GetWindowRect(window, &frame);
  const LONG centre_x = (frame.left + frame.right) / 2;
  const LONG centre_y = (frame.top + frame.bottom) / 2;
  checks.Expect(WithinAPixel(centre_x, ::GetSystemMetrics(SM_CXSCREEN) / 2) &&
                    WithinAPixel(centre_y, ::GetSystemMetrics(SM_CYSCREEN) / 2),
                host + ": the window is centred on the screen");
  // Each option paints only where no other option stands.
  bool apart = true;
  for (int k = 0; k + 1 < configurator::kHostCount; ++k) {
    const HWND option = ::GetDlgItem(window, view::kFirstOptionId + k);
    RECT painted = PlaceInParent(option);
    const HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    RECT box;
    if (region && ::GetWindowRgn(option, region) != ERROR && ::GetRgnBox(region, &box))
      painted.right = painted.left + box.right;
    if (region)
      ::DeleteObject(region);
    apart = apart &&
            !Overlap(painted, PlaceInParent(::GetDlgItem(window, view::kFirstOptionId + k + 1)));
  }
  checks.Expect(apart, host + ": no option draws over the next one (\" Word\" over \"Excel\")");
}

// The host's tab boxes: its table's captions in order, down the columns, none overlapping
// another box, each inside the outline with its whole caption, the outline inside the frame;
// the boxes it has no tab for hidden.
void CheckTabBoxes(CheckList& checks, HWND window, const configurator::HostChoice& host) {
  const std::string name = std::string(host.caption);
  const int count = static_cast<int>(host.tabs.size());
  const configurator::TabBoxLayout layout = configurator::LayOutTabBoxes(host.tabs.size());
  CheckLayout(checks, window, layout.growth, name);
  std::string wrong;
  std::vector<RECT> boxes;
  for (int box = 0; box < configurator::kBoxCount; ++box) {
    const HWND control = ::GetDlgItem(window, view::kFirstBoxId + box);
    if (::IsWindowVisible(control))
      boxes.push_back(PlaceInParent(control));
  }
  const RECT outline = PlaceInParent(::GetDlgItem(window, view::kOutlineId));
  const RECT frame = PlaceInParent(::GetDlgItem(window, view::kOptionsFrameId));
  for (int index = 0; index < configurator::kMaxTabBoxes; ++index) {
    const HWND control = ::GetDlgItem(window, view::kFirstBoxId + configurator::TabBox(index));
    if (index >= count) {
      if (::IsWindowVisible(control))
        wrong.append("box ").append(std::to_string(index)).append(" shown; ");
      continue;
    }
    const std::wstring caption = WindowText(control);
    const configurator::TwipsPlace& place = layout.boxes[index];
    if (!::IsWindowVisible(control) || caption != Widen(host.tabs[index].name))
      wrong += Utf8(caption) + " for " + std::string(host.tabs[index].name) + "; ";
    if (!StandsAt(control, 120 + place.left, 900 + place.top, place.width, place.height))
      wrong += Utf8(caption) + " misplaced; ";
    const RECT at = PlaceInParent(control);
    if (!Inside(at, outline))
      wrong += Utf8(caption) + " outside the outline; ";
    for (const RECT& other : boxes) {
      if (!::EqualRect(&other, &at) && Overlap(other, at))
        wrong += Utf8(caption) + " overlaps a box; ";
    }
    if (TextWidth(control, caption) + ::GetSystemMetrics(SM_CXMENUCHECK) + 4 > at.right - at.left)
      wrong += Utf8(caption) + " cut off; ";
  }
  if (!Inside(outline, frame))
    wrong += "the outline leaves the frame; ";
  checks.Expect(
      wrong.empty(),
      name + ": its " + std::to_string(count) + " tab boxes, captions and places as its table says",
      wrong);
}

// First start: defaults shown, both hosts probed; then a user's choices stored, the chosen
// host's add-in registered and the host started.
void CheckFirstStartAndOk(CheckList& checks, const Options& options) {
  ClearStoredSettings();
  const std::wstring folder = Folder(options.program);
  const std::wstring addin_key = AddinKey(L"PowerPoint", L"PPTTrelvane.Connect");
  ::RegDeleteTreeW(HKEY_CURRENT_USER, addin_key.c_str());
  Started run(options.program);
  const HWND window = run.Window();
  const double shown_after = run.Elapsed();
  if (!checks.Expect(window != nullptr, "the options window opens on a first start", run.State()))
    return;
  std::printf("report: the options window showed %.0f ms after the program's start\n", shown_after);
  checks.Expect(NothingOfOfficeStarted(),
                "no Office object created and no Office program started before it shows");
  CheckTabBoxes(checks, window, configurator::ChoiceOf(configurator::HostOption::kWord));
  CheckIcon(checks, options.program);
  checks.Expect(SetBoxes(window) == "0 1 2" && SelectedOption(window) == 1,
                "an empty store shows boxes 0, 1 and 2 set and Word chosen", SetBoxes(window));
  bool enabled = true;
  for (int k = 0; k < configurator::kHostCount; ++k)
    enabled = enabled && ::IsWindowEnabled(::GetDlgItem(window, view::kFirstOptionId + k));
  checks.Expect(enabled, "with all five stand-ins registered, all five options are enabled");

  Click(window, view::kFirstOptionId + 3);
  checks.Expect(WaitUntil([] { return StoredSettings()[L"Option"] == L"4"; }, 5000),
                "clicking PowerPoint stores Option 4 at once");
  checks.Expect(WaitUntil([window] { return SelectedOption(window) == 4; }, 5000),
                "clicking PowerPoint chooses it");
  CheckTabBoxes(checks, window, configurator::ChoiceOf(configurator::HostOption::kPowerPoint));
  if (!options.screenshot.empty()) {  // PowerPoint's nine tab boxes, the most there are
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    checks.Expect(CaptureWindow(window, options.screenshot), "a picture of the window taken");
  }
  Click(window, view::kFirstBoxId + 2);  // All off
  Click(window, view::kFirstBoxId + 7);  // Slide Show: sets Hide built-in tabs and Classic
  checks.Expect(SetBoxes(window) == "0 1 7 11", "clicks run the box rules", SetBoxes(window));
  Press(window, {VK_SPACE});  // Space on the focused Slide Show box clears it again
  checks.Expect(SetBoxes(window) == "0 1 11", "Space toggles the focused box", SetBoxes(window));
  Press(window, {VK_RETURN});
  checks.Expect(run.Ended(10000), "Enter is OK, and OK ends the program");

  const Values expected = {
      {L"Classic", L"1"},
      {L"Left", L"1"},
      {L"All", L"0"},
      {L"Home", L"0"},
      {L"Insert", L"0"},
      {L"Design", L"0"},
      {L"Animations", L"0"},
      {L"Slide Show", L"0"},
      {L"Review", L"0"},
      {L"View", L"0"},
      {L"Developer", L"0"},
      {L"Format", L"0"},
      {L"Hide built-in Tabs", L"1"},
      {L"Option", L"4"},
  };
  checks.Expect(StoredSettings() == expected,
                "OK stores PowerPoint's tab boxes, and no other host's, under the add-ins' keys");
  checks.Expect(ValueText(HKEY_CURRENT_USER, addin_key, L"LoadBehavior") == L"3",
                "OK registered PPTTrelvane for this user: PowerPoint loads it at start-up");
  const bool x64_folder =
      ::GetFileAttributesW((folder + L"\\x64").c_str()) != INVALID_FILE_ATTRIBUTES;
  const std::wstring server32 = MachineServer(kPowerPointClass, KEY_WOW64_32KEY);
  const std::wstring server64 = MachineServer(kPowerPointClass, KEY_WOW64_64KEY);
  checks.Expect(
      server32 == folder + L"\\PPTTrelvane.dll" &&
          server64 == (x64_folder ? folder + L"\\x64\\PPTTrelvane.dll" : L""),
      x64_folder ? "each build in the view of its bitness, from the folder with blanks in its path"
                 : "the 32-bit build, the only one there, from the folder with blanks in its path",
      Utf8(server32) + " | " + Utf8(server64));
  checks.Expect(!KeyPresent(HKEY_LOCAL_MACHINE, addin_key),
                "nothing under HKEY_LOCAL_MACHINE's Office keys");
  checks.Expect(WaitUntil([] { return !Record(L"HostStarted").empty(); }, 15000) &&
                    ::CompareStringOrdinal(Record(L"HostStarted").c_str(), -1, L"POWERPNT.exe", -1,
                                           TRUE) == CSTR_EQUAL,
                "PowerPoint was started through the shell", Utf8(Record(L"HostStarted")));
  checks.Expect(::CompareStringOrdinal(Record(L"HostFolder").c_str(), -1, folder.c_str(), -1,
                                       TRUE) == CSTR_EQUAL,
                "from the program's folder", Utf8(Record(L"HostFolder")));
}

// Stored values shown as stored (the box rules running as they load); Esc cancels and stores
// nothing; the close box does the same.
void CheckStoredValuesAndCancel(CheckList& checks, const Options& options) {
  const Values stored = {
      {L"Classic", L"1"}, {L"Left", L"1"}, {L"All", L"0"}, {L"Home", L"1"}, {L"Option", L"2"}};
  StoreSettings(stored);
  {
    Started run(options.program);
    const HWND window = run.Window();
    if (checks.Expect(window != nullptr, "the options window opens with stored values",
                      run.State())) {
      checks.Expect(SetBoxes(window) == "0 3" && SelectedOption(window) == 2,
                    "Home set clears Left as it loads; Excel chosen", SetBoxes(window));
      Click(window, view::kFirstBoxId + 4);
      Press(window, {VK_ESCAPE});
      checks.Expect(run.Ended(10000), "Esc is Cancel, and Cancel ends the program");
      checks.Expect(StoredSettings() == stored && Record(L"HostStarted").empty(),
                    "Cancel stores nothing and starts nothing");
    }
  }
  {
    Started run(options.program);
    const HWND window = run.Window();
    if (checks.Expect(window != nullptr, "the options window opens again", run.State())) {
      Click(window, view::kFirstBoxId + 0);
      Press(window, {VK_MENU, VK_F4});
      checks.Expect(run.Ended(10000) && StoredSettings() == stored,
                    "closing the window by Alt+F4 ends the program and stores nothing");
    }
  }
}

// Classic cleared: OK stores it, unregisters the add-in and still starts the host.
void CheckUnregister(CheckList& checks, const Options& options) {
  StoreSettings({{L"Option", L"4"}});
  const std::wstring addin_key = AddinKey(L"PowerPoint", L"PPTTrelvane.Connect");
  Started run(options.program);
  const HWND window = run.Window();
  if (!checks.Expect(window != nullptr, "the options window opens to switch the tab off",
                     run.State()))
    return;
  Click(window, view::kFirstBoxId + 0);
  checks.Expect(SetBoxes(window).empty(), "clearing box 0 clears every box", SetBoxes(window));
  Click(window, view::kOkId);
  checks.Expect(run.Ended(10000) && StoredSettings()[L"Classic"] == L"0", "OK stores Classic 0");
  checks.Expect(!KeyPresent(HKEY_CURRENT_USER, addin_key) &&
                    !KeyPresent(HKEY_CURRENT_USER, L"Software\\Classes\\PPTTrelvane.Connect") &&
                    MachineServer(kPowerPointClass, KEY_WOW64_32KEY).empty() &&
                    MachineServer(kPowerPointClass, KEY_WOW64_64KEY).empty(),
                "OK unregistered PPTTrelvane in both views: no class, ProgID or Office key left");
  checks.Expect(WaitUntil([] { return !Record(L"HostStarted").empty(); }, 15000),
                "the host is started all the same");
}

// An add-in missing from the program's folder, both builds: nothing is registered, nothing is
// said, and the host is started all the same.
void CheckMissingAddin(CheckList& checks, const Options& options) {
  const std::wstring folder = Folder(options.program);
  const std::wstring dlls[] = {folder + L"\\AccessTrelvane.dll",
                               folder + L"\\x64\\AccessTrelvane.dll"};
  for (const std::wstring& dll : dlls)
    ::MoveFileW(dll.c_str(), (dll + L".kept").c_str());
  StoreSettings({{L"Option", L"3"}});
  {
    Started run(options.program);
    const HWND window = run.Window();
    if (checks.Expect(window != nullptr, "the options window opens without AccessTrelvane.dll",
                      run.State())) {
      Press(window, {VK_RETURN});
      checks.Expect(run.Ended(10000), "OK ends the program with no message");
      checks.Expect(WaitUntil([] { return !Record(L"HostStarted").empty(); }, 15000) &&
                        ::CompareStringOrdinal(Record(L"HostStarted").c_str(), -1, L"MSACCESS.exe",
                                               -1, TRUE) == CSTR_EQUAL,
                    "and Access is started", Utf8(Record(L"HostStarted")));
      checks.Expect(
          MachineServer(kAccessClass, KEY_WOW64_32KEY).empty() &&
              MachineServer(kAccessClass, KEY_WOW64_64KEY).empty() &&
              !KeyPresent(HKEY_CURRENT_USER, AddinKey(L"Access", L"AccessTrelvane.Connect")),
          "and nothing of AccessTrelvane is registered");
    }
  }
  for (const std::wstring& dll : dlls)
    ::MoveFileW((dll + L".kept").c_str(), dll.c_str());
}

// A stored value that is no number, and a pointer file that is no cursor: each reported with
// its routine and step, and the window opens after.
void CheckReports(CheckList& checks, const Options& options) {
  const std::wstring tail =
      L"\r\rPlease email screenshot of this message to " + Widen(configurator::kSupportAddress);
  StoreSettings({{L"Left", L"abc"}});
  {
    Started run(options.program);
    const HWND box = run.MessageBox(L"Application Error");
    const std::wstring expected =
        L"setting \"Left\" holds \"abc\", which is not a number\r\n"
        L"in Trelvane2016/06/15.Form1.Form_Load at line 130" +
        tail;
    if (checks.Expect(box && MessageSays(box, expected),
                      "an unreadable Left is reported with Form_Load and line 130",
                      box ? Shown(box) : "no report")) {
      Press(box, {VK_RETURN});
      const HWND window = run.Window();
      checks.Expect(window && SetBoxes(window) == "0 1 2",
                    "then the window opens, the loading having gone on",
                    window ? SetBoxes(window) : "");
      if (window)
        Press(window, {VK_ESCAPE});
    }
    checks.Expect(run.Ended(10000) && StoredSettings()[L"Left"] == L"abc",
                  "nothing is written back to repair the value");
  }
  ClearStoredSettings();
  const std::wstring cursor = Folder(options.program) + L"\\HAND-M.CUR";
  const std::wstring kept = cursor + L".kept";
  ::MoveFileW(cursor.c_str(), kept.c_str());
  {
    win::unique_file broken(::CreateFileW(cursor.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    ::WriteFile(broken.get(), "not a cursor", 12, &written, nullptr);
  }
  {
    Started run(options.program);
    const HWND box = run.MessageBox(L"Application Error");
    bool line = false;
    if (box) {
      for (const std::wstring& text : ChildTexts(box))
        line = line || text.find(L"Form_Load at line 106\r\r") != std::wstring::npos;
    }
    checks.Expect(line, "a HAND-M.CUR that is no cursor is reported at line 106",
                  box ? Shown(box) : "no report");
    if (box)
      Press(box, {VK_RETURN});
    const HWND window = run.Window();
    checks.Expect(window != nullptr, "and the window opens after it", run.State());
    if (window)
      Press(window, {VK_ESCAPE});
    run.Ended(10000);
  }
  ::DeleteFileW(cursor.c_str());
  ::MoveFileW(kept.c_str(), cursor.c_str());
}

// For each host: chosen, "Hide built-in tabs" set and OK; the stored keys make that host's
// document start from scratch. Opened again, the window shows what is stored; one tab box
// cleared and OK, the document hides the others one by one.
void CheckEachHostHidesItsTabs(CheckList& checks, const Options& options) {
  for (const configurator::HostChoice& host : configurator::HostChoices()) {
    const std::string name = std::string(host.caption);
    const HostProfile* profile = nullptr;
    for (const CatalogEntry& entry : HostCatalog()) {
      if (entry.profile().tabs.data() == host.tabs.data())
        profile = &entry.profile();
    }
    if (!checks.Expect(profile != nullptr, name + ": its add-in's tab table is the one shown"))
      continue;
    const int count = static_cast<int>(host.tabs.size());
    ClearStoredSettings();
    {
      Started run(options.program);
      const HWND window = run.Window();
      if (!checks.Expect(window != nullptr, name + ": the window opens", run.State()))
        continue;
      Choose(window, host.host);
      CheckTabBoxes(checks, window, host);
      Click(window, view::kFirstBoxId + configurator::kHideTabsBox);
      const auto all_set = [&] {
        int set = 0;
        for (int index = 0; index < count; ++index)
          set += Checked(window, view::kFirstBoxId + configurator::TabBox(index)) ? 1 : 0;
        return set == count;
      };
      checks.Expect(WaitUntil(all_set, 5000),
                    name + ": \"Hide built-in tabs\" sets all its tab boxes", SetBoxes(window));
      Click(window, view::kOkId);
      checks.Expect(run.Ended(10000), name + ": OK ends the program");
    }
    Values expected = {
        {L"Classic", L"1"}, {L"Left", L"0"}, {L"All", L"1"}, {L"Hide built-in Tabs", L"1"}};
    if (host.host != configurator::HostOption::kWord)  // Word, chosen already, is not written
      expected[L"Option"] = std::to_wstring(static_cast<int>(host.host));
    for (const HostTab& tab : host.tabs)
      expected[Widen(tab.name)] = L"1";
    checks.Expect(StoredSettings() == expected,
                  name + ": OK stores its own tab keys, all 1, and no other host's");
    std::string document = Document(*profile);
    checks.Expect(document.find("<ribbon startFromScratch=\"true\">") != std::string::npos,
                  name + ": its add-in then starts the ribbon from scratch",
                  document.substr(0, 200));

    {
      Started run(options.program);
      const HWND window = run.Window();
      if (!checks.Expect(window != nullptr, name + ": the window opens again", run.State()))
        continue;
      std::string all = "0 2";
      for (int index = 0; index < count; ++index) {
        if (configurator::TabBox(index) == configurator::kHideTabsBox + 1)
          continue;
        all.append(" ").append(std::to_string(configurator::TabBox(index)));
      }
      all += " 11";
      if (count == configurator::kMaxTabBoxes)
        all += " 12";
      checks.Expect(
          SetBoxes(window) == all && SelectedOption(window) == static_cast<int>(host.host),
          name + ": it opens as stored, \"Hide built-in tabs\" set", SetBoxes(window));
      Click(window, view::kFirstBoxId + configurator::TabBox(1));
      Click(window, view::kOkId);
      checks.Expect(run.Ended(10000), name + ": OK ends the program again");
    }
    document = Document(*profile);
    int hidden = 0;
    for (auto at = document.find("<tab idMso="); at != std::string::npos;
         at = document.find("<tab idMso=", at + 1))
      ++hidden;
    // Every tab of the other keys, as the 2010 document names them (Outlook's Home is several).
    int others = 0;
    for (int index = 0; index < count; ++index) {
      if (index != 1)
        others += static_cast<int>(TabIdMsos(host.tabs[index], OfficeVersion::kOffice2010).size());
    }
    bool kept = true;
    for (const std::string_view id_mso : TabIdMsos(host.tabs[1], OfficeVersion::kOffice2010)) {
      kept = kept && document.find(std::string("<tab idMso=\"").append(id_mso).append("\"")) ==
                         std::string::npos;
    }
    checks.Expect(
        document.find("startFromScratch") == std::string::npos && hidden == others && kept,
        name + ": one tab box cleared, the others are hidden one by one",
        std::to_string(hidden) + " hidden");
  }
  ClearStoredSettings();
}

// Stand-ins for some hosts only: theirs are the options enabled; a stored choice that is
// missing falls back to the first that is there. A class registered in the other bitness's
// view alone counts; one whose server file is missing does not. With none, one message and the end.
// Opening the window creates and starts nothing.
void CheckInstalledHosts(CheckList& checks, const Options& options, FakeServers& servers) {
  StoreSettings({{L"Option", L"2"}, {L"Formulas", L"1"}});
  servers.Remove(L"Excel.Application");
  servers.BreakServer(L"Access.Application");
  checks.Expect(
      servers.MoveToOtherView(L"PowerPoint.Application"),
      std::string("PowerPoint's stand-in class moved to the ") + kOtherViewName + " registry view");
  {
    Started run(options.program);
    const HWND window = run.Window();
    if (checks.Expect(window != nullptr, "with Excel and Access missing the window opens",
                      run.State())) {
      std::string enabled;
      for (int k = 0; k < configurator::kHostCount; ++k) {
        if (::IsWindowEnabled(::GetDlgItem(window, view::kFirstOptionId + k)))
          enabled += std::to_string(k + 1);
      }
      checks.Expect(
          enabled == "145",
          std::string("Word's, PowerPoint's and Outlook's options enabled (PowerPoint's class in "
                      "the ") +
              kOtherViewName +
              " view alone), Excel's (unregistered) and Access's (no server file) "
              "disabled",
          enabled);
      checks.Expect(SelectedOption(window) == 1 && StoredSettings()[L"Option"] == L"1" &&
                        WindowText(::GetDlgItem(window, view::kFirstBoxId + 6)) == L"References",
                    "the stored Excel falls back to Word, stored, with Word's tab boxes");
      checks.Expect(NothingOfOfficeStarted(), "no stand-in created or started by opening it");
      Click(window, view::kFirstOptionId + 1);
      checks.Expect(!WaitUntil([window] { return SelectedOption(window) != 1; }, 1000),
                    "a disabled option cannot be chosen");
      Press(window, {VK_ESCAPE});
    }
    run.Ended(10000);
  }
  servers.ClearMoved();
  servers.Unregister();
  {
    Started run(options.program);
    const HWND box = run.MessageBox(L"Trelvane");
    checks.Expect(box && MessageSays(box, Widen(configurator::NoHostText(Language::kEnglish))),
                  "with no host installed one message names the five programs",
                  box ? Shown(box) : "no message");
    checks.Expect(
        !FindProcessWindow(run.id(), view::kOptionsWindowClass, L"Trelvane") ||
            !::IsWindowVisible(FindProcessWindow(run.id(), view::kOptionsWindowClass, L"Trelvane")),
        "and no options window shows");
    if (box)
      Press(box, {VK_RETURN});
    checks.Expect(run.Ended(10000), "the program ends after the message");
  }
  servers.Register();
  ClearStoredSettings();
}

// The window in Windows' UI language, which LANG sets under Wine: every caption of every host's
// window in that language's words, each whole in its control, none over another; the texts that
// come nearest their edges reported. The messages' words are the language tables', which the
// native tests hold against the catalog.
void CheckLanguage(CheckList& checks, const Options& options) {
  const Language language = LanguageOfLcid(::GetUserDefaultUILanguage());
  const auto wanted = LanguageOfTag(Narrow(options.language));
  if (!checks.Expect(wanted && *wanted == language && language != Language::kEnglish,
                     "Windows' UI language is the one asked for, " + Narrow(options.language),
                     std::to_string(::GetUserDefaultUILanguage())))
    return;
  ClearStoredSettings();
  Started run(options.program);
  const HWND window = run.Window();
  if (!checks.Expect(window != nullptr, "the options window opens", run.State()))
    return;
  const std::string name(InfoOf(language).name);
  checks.Expect(WindowText(::GetDlgItem(window, view::kFirstBoxId)) ==
                    Widen(configurator::FixedBoxCaption(0, language)),
                name + ": the first box speaks the language");
  CaptionFit tightest;
  for (const configurator::HostChoice& host : configurator::HostChoices()) {
    const int k = static_cast<int>(host.host);
    Click(window, view::kFirstOptionId + k - 1);
    if (!checks.Expect(WaitUntil([&] { return SelectedOption(window) == k; }, 5000),
                       name + ": " + std::string(host.caption) + " chosen"))
      continue;
    std::string captions;
    for (std::size_t index = 0; index < host.tabs.size(); ++index) {
      const std::wstring caption = WindowText(
          ::GetDlgItem(window, view::kFirstBoxId + configurator::TabBox(static_cast<int>(index))));
      if (caption != Widen(Text(language, TextSection::kTabs, host.tabs[index].name)))
        captions += Narrow(caption) + " for " + std::string(host.tabs[index].name) + "; ";
    }
    checks.Expect(captions.empty(),
                  name + ": " + std::string(host.caption) +
                      "'s tab boxes carry its tabs' names in the language",
                  captions);
    const CaptionFit fit = FitOfCaptions(window);
    checks.Expect(
        fit.problems.empty(),
        name + ": " + std::string(host.caption) + ": every caption whole, nothing over another",
        fit.problems);
    if (tightest.widest.empty() ||
        fit.widest_has - fit.widest_needs < tightest.widest_has - tightest.widest_needs)
      tightest = fit;
  }
  std::printf("report: %s: the caption nearest its edge, \"%s\", needs %d px of its %d\n",
              name.c_str(), Narrow(tightest.widest).c_str(), tightest.widest_needs,
              tightest.widest_has);
  if (!options.screenshot.empty()) {  // PowerPoint's nine tab boxes, the most there are
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    checks.Expect(CaptureWindow(window, options.screenshot), "a picture of the window taken");
  }
  Press(window, {VK_ESCAPE});
  checks.Expect(run.Ended(10000), name + ": Escape ends the program");
  ClearStoredSettings();
}

bool ParseOptions(int argc, wchar_t** argv, Options& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::wstring name = argv[i];
    if (name == L"--program")
      options.program = argv[i + 1];
    else if (name == L"--fakes")
      options.fakes = argv[i + 1];
    else if (name == L"--scenario")
      options.scenario = argv[i + 1];
    else if (name == L"--screenshot")
      options.screenshot = argv[i + 1];
    else if (name == L"--language")
      options.language = argv[i + 1];
    else
      return false;
  }
  return argc % 2 == 1 && !options.program.empty() && !options.fakes.empty();
}

// Each scenario starts from a cleared store and leaves the stand-ins registered.
struct Scenario {
  const wchar_t* name;
  void (*run)(CheckList& checks, const Options& options, FakeServers& servers);
};

constexpr Scenario kScenarios[] = {
    {L"view", [](CheckList& checks, const Options&, FakeServers&) { CheckView(checks); }},
    {L"first-start-and-ok", [](CheckList& checks, const Options& options,
                               FakeServers&) { CheckFirstStartAndOk(checks, options); }},
    {L"stored-values-and-cancel",
     [](CheckList& checks, const Options& options, FakeServers&) {
       CheckStoredValuesAndCancel(checks, options);
     }},
    {L"unregister", [](CheckList& checks, const Options& options,
                       FakeServers&) { CheckUnregister(checks, options); }},
    {L"missing-addin", [](CheckList& checks, const Options& options,
                          FakeServers&) { CheckMissingAddin(checks, options); }},
    {L"reports", [](CheckList& checks, const Options& options,
                    FakeServers&) { CheckReports(checks, options); }},
    {L"each-host-hides-its-tabs", [](CheckList& checks, const Options& options,
                                     FakeServers&) { CheckEachHostHidesItsTabs(checks, options); }},
    {L"installed-hosts", &CheckInstalledHosts},
    {L"language", [](CheckList& checks, const Options& options,
                     FakeServers&) { CheckLanguage(checks, options); }},
};

int Run(int argc, wchar_t** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: configurator-checks --program PATH --fakes DLL [--scenario NAME] "
                 "[--screenshot BMP]\n");
    return 2;
  }
  // The language scenario runs when asked for: it needs Windows in another language.
  const auto chosen = [&](const Scenario& scenario) {
    return options.scenario.empty() ? std::wstring_view(scenario.name) != L"language"
                                    : options.scenario == scenario.name;
  };
  if (std::none_of(std::begin(kScenarios), std::end(kScenarios), chosen)) {
    std::fprintf(stderr, "configurator-checks: no scenario named %ls\n", options.scenario.c_str());
    return 2;
  }
  ::SetProcessDPIAware();
  CheckList checks(sizeof(void*) == 8 ? "configurator (64-bit)" : "configurator (32-bit)");
  FakeServers servers(options.fakes);
  if (!checks.Expect(servers.Register(), "the stand-ins for the five hosts registered"))
    return checks.Finish();
  for (const Scenario& scenario : kScenarios) {
    if (chosen(scenario))
      scenario.run(checks, options, servers);
  }
  ClearStoredSettings();
  ::RegDeleteTreeW(HKEY_CURRENT_USER, kRecordsKey);
  return checks.Finish();
}

}  // namespace
}  // namespace trelvane::wintest

int wmain(int argc, wchar_t** argv) {
  return trelvane::wintest::Run(argc, argv);
}
