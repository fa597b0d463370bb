// setup-checks: looks at what a Trelvane setup did, from the inside of the prefix it ran in.
//
//   setup-checks installed
//       each add-in in the folder the Add/Remove Programs entry names, registered for the current
//       user as its own registration code registers it (compared key by key with what that code
//       writes into a scratch key), loaded by the path the registry gives, as Wine cannot resolve
//       per-user classes, and answering with its ribbon document
//       and every installed file carrying the version of its VERSIONINFO (the program's files
//       this project's, the uninstaller the installed version's)
//   setup-checks version <file>
//       prints the file's version, as its VERSIONINFO gives it ("7.0.0")
//   setup-checks uninstall-quietly
//       runs the entry's QuietUninstallString as Add/Remove Programs does, and waits for the entry
//       and the folder to go (the uninstaller copies itself away and returns at once)
//   setup-checks absent
//       none of the add-ins' keys is left for the current user, in either registry view
//   setup-checks hold <add-in> <release file>
//       keeps the add-in loaded, as a running host does, until <release file> exists
//   setup-checks answer <command line>
//       runs the command, prints the text of the message box it shows, presses Enter on it and
//       prints the command's exit code
//
// One line per check (installed, absent); exit status 0 when all passed.
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>

#include "core/failure.h"
#include "core/win/addin_definitions.h"
#include "core/win/com_ptr.h"
#include "core/win/office_interfaces.h"
#include "core/win/registration.h"
#include "core/win/unique_handle.h"
#include "tests/win/addin_expectations.h"
#include "tests/win/check.h"
#include "tests/win/fake_office.h"
#include "tests/win/gui_probe.h"
#include "tests/win/office_calls.h"
#include "tests/win/scratch_key.h"
#include "tests/win/user_input.h"

namespace trelvane::wintest {
namespace {

constexpr const win::AddinDefinition* kAddins[] = {&win::kExcelTrelvane, &win::kWordTrelvane,
                                                   &win::kPPTTrelvane, &win::kAccessTrelvane,
                                                   &win::kOutlookTrelvane};
constexpr REGSAM kOwnView = sizeof(void*) == 8 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
constexpr wchar_t kUninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Trelvane";

// Every value below root\path, as "subkey|name" -> data; "" names a key's default value.
using Tree = std::map<std::wstring, std::wstring>;

void ReadTree(HKEY root, const std::wstring& path, const std::wstring& below, REGSAM view,
              Tree& tree) {
  win::unique_hkey key;
  if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | view, key.put()) != ERROR_SUCCESS)
    return;
  for (DWORD i = 0;; ++i) {
    wchar_t name[256];
    DWORD name_size = 256;
    BYTE data[2048] = {};
    DWORD data_size = sizeof data - sizeof(wchar_t);
    DWORD type = 0;
    if (::RegEnumValueW(key.get(), i, name, &name_size, nullptr, &type, data, &data_size) !=
        ERROR_SUCCESS)
      break;
    std::wstring text = type == REG_DWORD
                            ? L"dword:" + std::to_wstring(*reinterpret_cast<DWORD*>(data))
                            : reinterpret_cast<wchar_t*>(data);
    tree[below + L"|" + name] = text;
  }
  for (DWORD i = 0;; ++i) {
    wchar_t name[256];
    DWORD name_size = 256;
    if (::RegEnumKeyExW(key.get(), i, name, &name_size, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    ReadTree(root, path + L"\\" + name, below + L"\\" + name, view, tree);
  }
}

// What is registered for one add-in: its class, its ProgID and its Office key.
Tree Registered(HKEY root, const std::wstring& classes, const std::wstring& office,
                const win::AddinDefinition& addin, REGSAM view) {
  Tree tree;
  const std::wstring clsid = win::GuidText(addin.clsid);
  ReadTree(root, classes + L"\\CLSID\\" + clsid, L"class", view, tree);
  ReadTree(root, classes + L"\\" + addin.prog_id, L"progid", view, tree);
  ReadTree(root, office + L"\\" + addin.office_application + L"\\AddIns\\" + addin.prog_id,
           L"office", view, tree);
  return tree;
}

// "7.0.0" from the file's VERSIONINFO (its fourth number is 0 or the build's); empty without one.
std::wstring FileVersion(const std::wstring& path) {
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
  std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (size == 0 || !::GetFileVersionInfoW(path.c_str(), 0, size, data.data()) ||
      !::VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed)
    return {};
  return std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." +
         std::to_wstring(LOWORD(fixed->dwFileVersionMS)) + L"." +
         std::to_wstring(HIWORD(fixed->dwFileVersionLS));
}

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text)
    c = static_cast<wchar_t>(::towlower(c));
  return text;
}

std::string Differences(const Tree& a, const Tree& b) {
  std::string out;
  for (const auto& [name, value] : a) {
    const auto other = b.find(name);
    if (other == b.end() || Lower(other->second) != Lower(value))
      out += Utf8(name) + "=" + Utf8(value) + " ";
  }
  for (const auto& [name, value] : b) {
    if (!a.contains(name))
      out += "(only written by the setup) " + Utf8(name) + " ";
  }
  return out;
}

// The add-in loaded from `path` as Office would load it, were per-user classes found: its
// class object, one Connect, the connection and the document.
bool LoadsAndAnswers(const std::wstring& path, const win::AddinDefinition& addin,
                     std::string& detail) {
  const HMODULE module = ::LoadLibraryW(path.c_str());
  if (!module) {
    detail = "LoadLibrary failed";
    return false;
  }
  bool answered = false;
  {
    using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    const auto get = reinterpret_cast<GetClassObject>(
        reinterpret_cast<void*>(::GetProcAddress(module, "DllGetClassObject")));
    com_ptr<IClassFactory> factory;
    com_ptr<IDispatch> object;
    HRESULT hr = get ? get(addin.clsid, IID_IClassFactory, factory.put_void()) : E_NOINTERFACE;
    if (SUCCEEDED(hr))
      hr = factory->CreateInstance(nullptr, IID_IDispatch, object.put_void());
    // The host as the test host plays it, asking for its main window's ribbon.
    const AddinExpectation* host = FindExpectation(addin.prog_id);
    FakeWindow window(false);
    FakeCommandBars bars;
    FakeApplication application(host ? host->application_name : L"", &window, &bars);
    if (SUCCEEDED(hr))
      hr = ConnectAddin(object.get(), &application);
    if (SUCCEEDED(hr)) {
      const CustomUi document = GetCustomUi(object.get(), host ? host->ribbon_id : L"");
      answered = document.hr == S_OK && document.text.starts_with(L"<customUI xmlns=");
      detail = Hex(document.hr) + ", " + std::to_string(document.text.size()) + " characters";
    } else {
      detail = Hex(hr);
    }
  }
  ::FreeLibrary(module);
  return answered;
}

int CheckInstalled() {
  CheckList checks(sizeof(void*) == 8 ? "setup (64-bit)" : "setup (32-bit)");
  const std::wstring folder = ValueText(HKEY_CURRENT_USER, kUninstallKey, L"InstallLocation");
  if (!checks.Expect(!folder.empty(), "the Add/Remove Programs entry names the folder"))
    return checks.Finish();
  std::string versions;
  for (const wchar_t* file : {L"Trelvane.exe", L"ExcelTrelvane.dll", L"WordTrelvane.dll",
                              L"PPTTrelvane.dll", L"AccessTrelvane.dll", L"OutlookTrelvane.dll"}) {
    if (FileVersion(folder + L"\\" + file) != TRELVANE_VERSION_TEXT)
      versions += Utf8(file) + " " + Utf8(FileVersion(folder + L"\\" + file)) + " ";
  }
  checks.Expect(versions.empty(),
                "every installed program file carries version " + Utf8(TRELVANE_VERSION_TEXT) +
                    " in its VERSIONINFO",
                versions);
  const std::wstring listed = ValueText(HKEY_CURRENT_USER, kUninstallKey, L"DisplayVersion");
  checks.Expect(FileVersion(folder + L"\\Uninstall.exe") == listed,
                "the uninstaller carries the installed version, " + Utf8(listed));
  ::CoInitialize(nullptr);
  for (const win::AddinDefinition* addin : kAddins) {
    const std::string name = Utf8(addin->prog_id);
    const Tree installed = Registered(HKEY_CURRENT_USER, L"Software\\Classes",
                                      L"Software\\Microsoft\\Office", *addin, kOwnView);
    const std::wstring dll =
        folder + L"\\" +
        std::wstring(addin->prog_id).substr(0, std::wstring_view(addin->prog_id).find(L'.')) +
        L".dll";

    // The add-in's own registration code, pointed at a scratch key, writes what the setup wrote.
    const ScratchKey scratch;
    const win::RegistrationPlaces places{
        .machine_classes = {HKEY_CURRENT_USER, scratch.Below(L"Classes")},
        .user_classes = {HKEY_CURRENT_USER, scratch.Below(L"UserClasses")},
        .office = {HKEY_CURRENT_USER, scratch.Below(L"Office")},
        .own_view = kOwnView,
        .other_view = kOwnView == KEY_WOW64_64KEY ? KEY_WOW64_32KEY : KEY_WOW64_64KEY,
    };
    const win::ServerRegistration server{
        .clsid = addin->clsid,
        .prog_id = addin->prog_id,
        .server_path = dll,
        .office_application = addin->office_application,
        .friendly_name = addin->product_name,
        .description = addin->description,
    };
    std::string failure;
    try {
      win::RegisterServer(server, places);
    } catch (const trelvane::BuildFailure& e) {
      failure = e.what();
    }
    const Tree own = Registered(HKEY_CURRENT_USER, scratch.Below(L"Classes"),
                                scratch.Below(L"Office"), *addin, kOwnView);
    checks.Expect(failure.empty() && !own.empty() && installed.size() == own.size() &&
                      Differences(own, installed).empty(),
                  name + ": the setup wrote for this user exactly what its registration writes",
                  failure + Differences(own, installed));
    checks.Expect(installed.contains(L"office|LoadBehavior") &&
                      installed.at(L"office|LoadBehavior") == L"dword:3",
                  name + ": Office loads it at start-up (LoadBehavior 3)");

    const auto path = installed.find(L"class\\InprocServer32|");
    std::string detail = "no InprocServer32";
    checks.Expect(path != installed.end() && LoadsAndAnswers(path->second, *addin, detail),
                  name + ": loaded by the path the registry gives, it answers with its document",
                  detail);
  }
  ::CoUninitialize();
  return checks.Finish();
}

int CheckAbsent() {
  CheckList checks(sizeof(void*) == 8 ? "setup (64-bit)" : "setup (32-bit)");
  for (const win::AddinDefinition* addin : kAddins) {
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
      const Tree left = Registered(HKEY_CURRENT_USER, L"Software\\Classes",
                                   L"Software\\Microsoft\\Office", *addin, view);
      checks.Expect(
          left.empty(),
          Utf8(addin->prog_id) + (view == KEY_WOW64_32KEY ? ": nothing left in the 32-bit view"
                                                          : ": nothing left in the 64-bit view"),
          std::to_string(left.size()) + " values");
    }
  }
  return checks.Finish();
}

int Hold(const std::wstring& addin, const std::wstring& release) {
  const HMODULE held = ::LoadLibraryW(addin.c_str());
  if (!held) {
    std::fprintf(stderr, "setup-checks: cannot load %s\n", Utf8(addin).c_str());
    return 1;
  }
  std::printf("holding %s\n", Utf8(addin).c_str());
  std::fflush(stdout);
  WaitUntil([&] { return ::GetFileAttributesW(release.c_str()) != INVALID_FILE_ATTRIBUTES; },
            120000);
  ::FreeLibrary(held);
  return 0;
}

int UninstallQuietly() {
  std::wstring command = ValueText(HKEY_CURRENT_USER, kUninstallKey, L"QuietUninstallString");
  const std::wstring folder = ValueText(HKEY_CURRENT_USER, kUninstallKey, L"InstallLocation");
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (command.empty() || !::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0,
                                           nullptr, nullptr, &startup, &process)) {
    std::fprintf(stderr, "setup-checks: no quiet uninstall to run\n");
    return 1;
  }
  ::CloseHandle(process.hThread);
  ::WaitForSingleObject(process.hProcess, 60000);
  ::CloseHandle(process.hProcess);
  const bool gone = WaitUntil(
      [&] {
        return !KeyPresent(HKEY_CURRENT_USER, kUninstallKey) &&
               ::GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES;
      },
      60000);
  std::printf(gone ? "uninstalled\n" : "still installed\n");
  return gone ? 0 : 1;
}

int Answer(std::wstring command) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
    std::fprintf(stderr, "setup-checks: cannot start %s\n", Utf8(command).c_str());
    return 1;
  }
  const win::unique_handle running(process.hProcess);
  const win::unique_handle thread(process.hThread);
  HWND box = nullptr;
  WaitUntil(
      [&] {
        box = FindProcessWindow(process.dwProcessId, L"#32770", L"");
        return box != nullptr || ::WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0;
      },
      60000);
  if (box) {
    for (const std::wstring& text : ChildTexts(box)) {
      if (!text.empty() && text != L"OK")
        std::printf("message: %s\n", Utf8(text).c_str());
    }
    Activate(box);
    PressKeys({VK_RETURN});
  }
  ::WaitForSingleObject(process.hProcess, 60000);
  DWORD code = 0;
  ::GetExitCodeProcess(process.hProcess, &code);
  std::printf("exit %lu\n", static_cast<unsigned long>(code));
  return 0;
}

int Usage() {
  std::fprintf(stderr,
               "usage: setup-checks installed | version FILE | uninstall-quietly | absent | "
               "hold FILE RELEASE | "
               "answer COMMAND...\n");
  return 2;
}

int Run(int argc, wchar_t** argv) {
  if (argc < 2)
    return Usage();
  const std::wstring verb = argv[1];
  if (verb == L"installed" && argc == 2)
    return CheckInstalled();
  if (verb == L"version" && argc == 3) {
    std::printf("%s\n", Utf8(FileVersion(argv[2])).c_str());
    return 0;
  }
  if (verb == L"uninstall-quietly" && argc == 2)
    return UninstallQuietly();
  if (verb == L"absent" && argc == 2)
    return CheckAbsent();
  if (verb == L"hold" && argc == 4)
    return Hold(argv[2], argv[3]);
  if (verb == L"answer" && argc >= 3) {
    std::wstring command;
    for (int i = 2; i < argc; ++i) {
      if (i > 2)
        command += L' ';
      command += L'"';
      command += argv[i];
      command += L'"';
    }
    return Answer(command);
  }
  return Usage();
}

}  // namespace
}  // namespace trelvane::wintest

int wmain(int argc, wchar_t** argv) {
  return trelvane::wintest::Run(argc, argv);
}
