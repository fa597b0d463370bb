// configurator-checks: runs the real Trelvane.exe as a user would, with clicks and keys through
// the input queue, in a prefix where stand-ins answer for Excel, Word (fake-office-servers.dll)
// and the host programs (fake-host.exe under App Paths), and checks what it shows, what it
// stores, what it registers and what it starts.
//
//   configurator-checks --program <Trelvane.exe> --fakes <fake-office-servers.dll>
//                       [--scenario <name>] [--screenshot <file.bmp>]
//
// Runs every scenario, or the one named (the names are in kScenarios below). The program's folder
// must hold the four add-ins and HAND-M.CUR. One line per check; exit status 0 when all passed.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <map>
#include <string>

#include "configurator/win/options_view.h"
#include "core/win/unique_handle.h"
#include "tests/win/check.h"
#include "tests/win/configurator_view_checks.h"
#include "tests/win/gui_probe.h"
#include "tests/win/ribbon_cases.h"
#include "tests/win/scratch_key.h"
#include "tests/win/screen_capture.h"
#include "tests/win/user_input.h"

namespace trelvane::wintest {
namespace {

namespace view = configurator::win;

constexpr wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\Marrowick\\Trelvane";
constexpr wchar_t kRecordsKey[] = L"Software\\Trelvane Tests";
constexpr DWORD kStartTimeout = 20000;

struct Options {
  std::wstring program;
  std::wstring fakes;
  std::wstring scenario;  // empty: all of them
  std::wstring screenshot;
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

std::wstring AddinKey(const std::wstring& host, const std::wstring& prog_id) {
  return L"Software\\Microsoft\\Office\\" + host + L"\\AddIns\\" + prog_id;
}

// The stand-in automation servers, registered and taken away as a scenario needs them.
class FakeServers {
 public:
  explicit FakeServers(const std::wstring& dll) : module_(::LoadLibraryW(dll.c_str())) {}
  FakeServers(const FakeServers&) = delete;
  FakeServers& operator=(const FakeServers&) = delete;
  ~FakeServers() {
    Call("DllUnregisterServer");
    if (module_)
      ::FreeLibrary(module_);
  }
  bool Register() { return Call("DllRegisterServer") == S_OK; }
  void Remove(const wchar_t* prog_id) {
    ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, (std::wstring(L"Software\\Classes\\") + prog_id).c_str());
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
    if (::CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                         nullptr, &startup, &process)) {
      process_.reset(process.hProcess);
      win::unique_handle thread(process.hThread);
      id_ = process.dwProcessId;
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
  HWND Window(DWORD milliseconds = kStartTimeout) const {
    HWND found = nullptr;
    WaitUntil(
        [&] {
          found = FindProcessWindow(id_, view::kOptionsWindowClass, L"Trelvane");
          return found != nullptr || Ended(0);
        },
        milliseconds);
    return found;
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
};

bool Checked(HWND window, int id) {
  return ::SendDlgItemMessageW(window, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Which boxes are set, as "0 1 2".
std::string SetBoxes(HWND window) {
  std::string set;
  for (int box = 0; box < 12; ++box) {
    if (!Checked(window, view::kFirstBoxId + box))
      continue;
    if (!set.empty())
      set += ' ';
    set += std::to_string(box);
  }
  return set;
}

int SelectedOption(HWND window) {
  for (int k = 1; k <= 4; ++k) {
    if (Checked(window, view::kFirstOptionId + k - 1))
      return k;
  }
  return 0;
}

void Click(HWND window, int id) {
  Activate(window);
  ClickOn(::GetDlgItem(window, id));
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
// offsets added to the positions inside them.
struct ExpectedPlace {
  int id;
  int left, top, width, height;
};
constexpr ExpectedPlace kLayout[] = {
    {view::kApplicationFrameId, 120, 120, 7800, 705},
    {view::kFirstOptionId + 0, 360, 420, 1230, 285},
    {view::kFirstOptionId + 1, 1560, 420, 1230, 285},
    {view::kFirstOptionId + 2, 2880, 420, 1410, 285},
    {view::kFirstOptionId + 3, 4320, 420, 1455, 285},
    {view::kOptionsFrameId, 120, 900, 7800, 3435},
    {view::kFirstBoxId + 0, 360, 1230, 5295, 255},
    {view::kFirstBoxId + 1, 720, 1575, 3975, 255},
    {view::kFirstBoxId + 2, 720, 1935, 3375, 255},
    {view::kFirstBoxId + 11, 720, 2280, 1815, 255},
    {view::kOutlineId, 600, 2370, 3375, 1695},
    {view::kFirstBoxId + 3, 960, 2610, 1095, 255},
    {view::kFirstBoxId + 4, 960, 2970, 1455, 255},
    {view::kFirstBoxId + 5, 960, 3330, 1455, 255},
    {view::kFirstBoxId + 6, 960, 3690, 1455, 255},
    {view::kFirstBoxId + 9, 2640, 2610, 1095, 255},
    {view::kFirstBoxId + 8, 2640, 2970, 1095, 255},
    {view::kFirstBoxId + 7, 2640, 3330, 975, 255},
    {view::kFirstBoxId + 10, 2640, 3690, 1215, 255},
    {view::kOkId, 120, 4460, 3840, 405},
    {view::kCancelId, 4080, 4460, 3840, 405},
};

// The window's icon is seen from inside (configurator_view_checks.cpp); from outside, the
// program must carry it.
void CheckIcon(CheckList& checks, const std::wstring& program) {
  HICON large = nullptr;
  const UINT icons = ::ExtractIconExW(program.c_str(), 0, &large, nullptr, 1);
  checks.Expect(icons >= 1 && large != nullptr, "Trelvane.exe carries the product icon");
  if (large)
    ::DestroyIcon(large);
}

void CheckLayout(CheckList& checks, HWND window) {
  int dpi = 96;
  {
    win::unique_screen_dc screen(::GetDC(nullptr));
    if (screen)
      dpi = ::GetDeviceCaps(screen.get(), LOGPIXELSX);
  }
  const auto pixels = [dpi](int twips) { return ::MulDiv(twips, dpi, 1440); };
  // Rounding each edge may move a control by one pixel against its own rounding.
  const auto within_a_pixel = [](LONG a, LONG b) { return a - b <= 1 && b - a <= 1; };
  std::string misplaced;
  for (const ExpectedPlace& place : kLayout) {
    const RECT at = PlaceInParent(::GetDlgItem(window, place.id));
    if (!within_a_pixel(at.left, pixels(place.left)) ||
        !within_a_pixel(at.top, pixels(place.top)) ||
        !within_a_pixel(at.right - at.left, pixels(place.width)) ||
        !within_a_pixel(at.bottom - at.top, pixels(place.height))) {
      misplaced += std::to_string(place.id) + " ";
    }
  }
  checks.Expect(
      misplaced.empty(),
      "every control stands where the twips table puts it at " + std::to_string(dpi) + " DPI",
      misplaced);
  RECT client;
  ::GetClientRect(window, &client);
  checks.Expect(
      within_a_pixel(client.right, pixels(8040)) && within_a_pixel(client.bottom, pixels(4965)),
      "the client area is 8040 x 4965 twips");
  RECT frame;
  ::GetWindowRect(window, &frame);
  const LONG centre_x = (frame.left + frame.right) / 2;
  const LONG centre_y = (frame.top + frame.bottom) / 2;
  checks.Expect(within_a_pixel(centre_x, ::GetSystemMetrics(SM_CXSCREEN) / 2) &&
                    within_a_pixel(centre_y, ::GetSystemMetrics(SM_CYSCREEN) / 2),
                "the window is centred on the screen");
  const auto text = [window](int id) { return WindowText(::GetDlgItem(window, id)); };
  checks.Expect(text(view::kFirstOptionId) == L" Word" &&
                    text(view::kFirstBoxId + 0) ==
                        L"Show Classic Menu and Toolbars in Microsoft Office 2010" &&
                    text(view::kFirstBoxId + 7) == L" View" &&
                    text(view::kFirstBoxId + 9) == L" Mailings" &&
                    text(view::kApplicationFrameId) == L"MS Office Application" &&
                    text(view::kOkId) == L"OK" && text(view::kCancelId) == L"Cancel",
                "captions as they stand, leading blanks included");
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
  if (!checks.Expect(window != nullptr, "the options window opens on a first start"))
    return;
  CheckLayout(checks, window);
  CheckIcon(checks, options.program);
  checks.Expect(SetBoxes(window) == "0 1 2" && SelectedOption(window) == 1,
                "an empty store shows boxes 0, 1 and 2 set and Word chosen", SetBoxes(window));
  checks.Expect(Record(L"ExcelCreated") == L"1" && Record(L"WordCreated") == L"1" &&
                    Record(L"WordQuit") == L"1",
                "Excel was created and released, Word created and told to quit");
  if (!options.screenshot.empty())
    checks.Expect(CaptureWindow(window, options.screenshot), "a picture of the window taken");

  Click(window, view::kFirstOptionId + 3);
  checks.Expect(WaitUntil([] { return StoredSettings()[L"Option"] == L"4"; }, 5000),
                "clicking PowerPoint stores Option 4 at once");
  Click(window, view::kFirstBoxId + 2);  // All off
  Click(window, view::kFirstBoxId + 7);  // View: sets Hide built-in tabs and Classic
  checks.Expect(SetBoxes(window) == "0 1 7 11", "clicks run the box rules", SetBoxes(window));
  Press(window, {VK_SPACE});  // Space on the focused View box clears it again
  checks.Expect(SetBoxes(window) == "0 1 11", "Space toggles the focused box", SetBoxes(window));
  Press(window, {VK_RETURN});
  checks.Expect(run.Ended(10000), "Enter is OK, and OK ends the program");

  const Values expected = {
      {L"Classic", L"1"},    {L"Left", L"1"},      {L"All", L"0"},
      {L"Home", L"0"},       {L"Insert", L"0"},    {L"Page Layout", L"0"},
      {L"References", L"0"}, {L"View", L"0"},      {L"Review", L"0"},
      {L"Mailings", L"0"},   {L"Developer", L"0"}, {L"Hide built-in Tabs", L"1"},
      {L"Option", L"4"},
  };
  checks.Expect(StoredSettings() == expected, "OK stores every box under the add-ins' keys");
  checks.Expect(WaitUntil([&] { return KeyPresent(HKEY_CURRENT_USER, addin_key); }, 30000),
                "regsvr32 registered PPTTrelvane.dll from the folder with blanks in its path");
  checks.Expect(KeyPresent(HKEY_LOCAL_MACHINE, addin_key),
                "the add-in's key under HKEY_LOCAL_MACHINE is there");
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
    if (checks.Expect(window != nullptr, "the options window opens with stored values")) {
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
    if (checks.Expect(window != nullptr, "the options window opens again")) {
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
  if (!checks.Expect(window != nullptr, "the options window opens to switch the tab off"))
    return;
  Click(window, view::kFirstBoxId + 0);
  checks.Expect(SetBoxes(window).empty(), "clearing box 0 clears every box", SetBoxes(window));
  Click(window, view::kOkId);
  checks.Expect(run.Ended(10000) && StoredSettings()[L"Classic"] == L"0", "OK stores Classic 0");
  checks.Expect(WaitUntil([&] { return !KeyPresent(HKEY_CURRENT_USER, addin_key); }, 30000),
                "regsvr32 /u unregistered PPTTrelvane.dll");
  checks.Expect(!KeyPresent(HKEY_LOCAL_MACHINE, addin_key),
                "the key under HKEY_LOCAL_MACHINE is gone");
  checks.Expect(WaitUntil([] { return !Record(L"HostStarted").empty(); }, 15000),
                "the host is started all the same");
}

// An add-in missing from the program's folder: registering it fails unseen, as the registration
// tool is told to be silent, and the host is started all the same.
void CheckMissingAddin(CheckList& checks, const Options& options) {
  const std::wstring dll = Folder(options.program) + L"\\AccessTrelvane.dll";
  const std::wstring kept = dll + L".kept";
  ::MoveFileW(dll.c_str(), kept.c_str());
  StoreSettings({{L"Option", L"3"}});
  {
    Started run(options.program);
    const HWND window = run.Window();
    if (checks.Expect(window != nullptr, "the options window opens without AccessTrelvane.dll")) {
      Press(window, {VK_RETURN});
      checks.Expect(run.Ended(10000), "OK ends the program with no message");
      checks.Expect(WaitUntil([] { return !Record(L"HostStarted").empty(); }, 15000) &&
                        ::CompareStringOrdinal(Record(L"HostStarted").c_str(), -1, L"MSACCESS.exe",
                                               -1, TRUE) == CSTR_EQUAL,
                    "and Access is started", Utf8(Record(L"HostStarted")));
    }
  }
  ::MoveFileW(kept.c_str(), dll.c_str());
}

// A stored value that is no number, and a pointer file that is no cursor: each reported with
// its routine and step, and the window opens after.
void CheckReports(CheckList& checks, const Options& options) {
  const std::wstring tail =
      L"\r\rPlease email screenshot of this message to support@trelvane.example";
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
    checks.Expect(window != nullptr, "and the window opens after it");
    if (window)
      Press(window, {VK_ESCAPE});
    run.Ended(10000);
  }
  ::DeleteFileW(cursor.c_str());
  ::MoveFileW(kept.c_str(), cursor.c_str());
}

// Without Word the message shows, then the window; without Excel the message shows and the
// program ends before any window.
void CheckMissingHosts(CheckList& checks, const Options& options, FakeServers& servers) {
  ClearStoredSettings();
  servers.Remove(L"Word.Application");
  {
    Started run(options.program);
    const HWND box = run.MessageBox(L"Trelvane");
    checks.Expect(box && MessageSays(box,
                                     L"Word is not installed on this computer. You need to "
                                     L"have it installed to use this software without "
                                     L"error."),
                  "without Word its message shows", box ? Shown(box) : "no message");
    if (box)
      Press(box, {VK_RETURN});
    const HWND window = run.Window();
    checks.Expect(window != nullptr, "and then the options window");
    if (window)
      Press(window, {VK_ESCAPE});
    run.Ended(10000);
  }
  servers.Register();
  servers.Remove(L"Excel.Application");
  {
    Started run(options.program);
    const HWND box = run.MessageBox(L"Trelvane");
    checks.Expect(
        box && MessageSays(box,
                           L"Error -214878392\r\n\r\nExcel is required to run this software. It is "
                           L"not installed on this computer.\r\n\r\nPlease email a screenshot of "
                           L"this error message to support@trelvane.example if you have any "
                           L"questions."),
        "without Excel its message shows", box ? Shown(box) : "no message");
    checks.Expect(!FindProcessWindow(run.id(), view::kOptionsWindowClass, L"Trelvane"),
                  "and no options window");
    if (box)
      Press(box, {VK_RETURN});
    checks.Expect(run.Ended(10000), "the program ends after the Excel message");
    checks.Expect(Record(L"WordCreated").empty(), "Word is not even looked for");
  }
  servers.Register();
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
    {L"missing-hosts", &CheckMissingHosts},
};

int Run(int argc, wchar_t** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: configurator-checks --program PATH --fakes DLL [--scenario NAME] "
                 "[--screenshot BMP]\n");
    return 2;
  }
  const auto chosen = [&](const Scenario& scenario) {
    return options.scenario.empty() || options.scenario == scenario.name;
  };
  if (std::none_of(std::begin(kScenarios), std::end(kScenarios), chosen)) {
    std::fprintf(stderr, "configurator-checks: no scenario named %ls\n", options.scenario.c_str());
    return 2;
  }
  ::SetProcessDPIAware();
  CheckList checks(sizeof(void*) == 8 ? "configurator (64-bit)" : "configurator (32-bit)");
  FakeServers servers(options.fakes);
  if (!checks.Expect(servers.Register(), "the stand-ins for Excel and Word registered"))
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
