// setup-checks: looks at what Trelvane's package did, from the inside of the prefix it ran in.
//
//   setup-checks installed x64|x86
//       one Trelvane installed, by the 64-bit Windows package (x64) or the 32-bit Windows one
//       (x86): the program files of the right bitness in the folder Windows Installer records
//       (the 32-bit add-ins beside the configurator, the 64-bit ones in x64\), each build's keys
//       exactly what the add-ins' own registration code writes for it, and, as an Office of this
//       program's bitness does, each add-in created by its ProgID, loaded from its own build and
//       answering with its document
//   setup-checks absent
//       nothing of Trelvane installed, and none of the add-ins' keys left in either registry view
//   setup-checks uninstall-quietly
//       the quiet uninstall as an IT department runs it, msiexec /x {ProductCode} /qn; prints
//       "exit N", its exit code
//   setup-checks run COMMAND...
//       runs the command and prints "exit N": the whole code, which the shell under Wine cuts to
//       8 bits (1602 shows as 66)
//   setup-checks hold <add-in> <release file>
//       keeps the add-in loaded, as a running host does, until <release file> exists
//   setup-checks answer COMMAND...
//       runs the command, prints the text of the message box it shows, presses Enter on it and
//       prints the command's exit code
//
// Under Wine, per-user classes are not seen (HKCU\Software\Classes is not part of HKCR) and
// HKCU\Software\Classes\CLSID is one key for both views, so the package registers machine-wide
// too: the checks read each view of HKLM exactly, and HKCU's single class key as either build's.
// One line per check (installed, absent); exit status 0 when all passed.
#include <windows.h>

#include <msi.h>

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

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
constexpr bool k64BitProgram = sizeof(void*) == 8;
constexpr wchar_t kSetup70Key[] =
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

struct Places {
  HKEY root;
  std::wstring classes;
  std::wstring office;  // empty: no Office key there
};

// What is registered for one add-in there: its class (in `view`), its ProgID and its Office key.
Tree Registered(const Places& places, const win::AddinDefinition& addin, REGSAM view) {
  Tree tree;
  ReadTree(places.root, places.classes + L"\\CLSID\\" + win::GuidText(addin.clsid), L"class", view,
           tree);
  // One ProgID serves both views (Windows shares the key); read where a 64-bit program reads it,
  // as Wine's registry puts a 32-bit view's reading of HKLM's into Wow6432Node.
  ReadTree(places.root, places.classes + L"\\" + addin.prog_id, L"progid", KEY_WOW64_64KEY, tree);
  if (!places.office.empty())
    ReadTree(places.root,
             places.office + L"\\" + addin.office_application + L"\\AddIns\\" + addin.prog_id,
             L"office", view, tree);
  return tree;
}

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text)
    c = static_cast<wchar_t>(::towlower(c));
  return text;
}

std::string Differences(const Tree& expected, const Tree& found) {
  std::string out;
  for (const auto& [name, value] : expected) {
    const auto other = found.find(name);
    if (other == found.end() || Lower(other->second) != Lower(value))
      out += Utf8(name) + "=" + Utf8(value) + " ";
  }
  for (const auto& [name, value] : found) {
    if (!expected.contains(name))
      out += "(not expected) " + Utf8(name) + " ";
  }
  return out;
}

std::wstring StemOf(const win::AddinDefinition& addin) {
  const std::wstring_view prog_id = addin.prog_id;
  return std::wstring(prog_id.substr(0, prog_id.find(L'.')));
}

// The installed Trelvane's product codes, as Windows Installer lists them by the upgrade code.
std::vector<std::wstring> InstalledProducts() {
  std::vector<std::wstring> products;
  for (DWORD i = 0;; ++i) {
    wchar_t code[39] = {};
    if (::MsiEnumRelatedProductsW(TRELVANE_UPGRADE_CODE, 0, i, code) != ERROR_SUCCESS)
      break;
    products.push_back(code);
  }
  return products;
}

std::wstring ProductInfo(const std::wstring& product, const wchar_t* property) {
  wchar_t value[MAX_PATH] = {};
  DWORD size = MAX_PATH;
  if (::MsiGetProductInfoW(product.c_str(), property, value, &size) != ERROR_SUCCESS)
    return {};
  return value;
}

// The machine a program file is built for: IMAGE_FILE_MACHINE_I386 or _AMD64; 0 when it is not
// there or not a program file.
WORD MachineOf(const std::wstring& path) {
  const win::unique_file file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  IMAGE_DOS_HEADER dos = {};
  IMAGE_NT_HEADERS32 nt = {};
  DWORD read = 0;
  if (!file || !::ReadFile(file.get(), &dos, sizeof dos, &read, nullptr) || read != sizeof dos ||
      dos.e_magic != IMAGE_DOS_SIGNATURE ||
      ::SetFilePointer(file.get(), dos.e_lfanew, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER ||
      !::ReadFile(file.get(), &nt, sizeof nt, &read, nullptr) || read != sizeof nt ||
      nt.Signature != IMAGE_NT_SIGNATURE)
    return 0;
  return nt.FileHeader.Machine;
}

bool FileThere(const std::wstring& path) {
  return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Created by its ProgID as Office creates it, connected to a stand-in Application, asked for its
// document; `module` is the file the object came from.
bool CreatedByProgId(const win::AddinDefinition& addin, std::wstring& module, std::string& detail) {
  CLSID clsid = {};
  HRESULT hr = ::CLSIDFromProgID(addin.prog_id, &clsid);
  com_ptr<IDispatch> object;
  if (SUCCEEDED(hr))
    hr = ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, object.put_void());
  if (FAILED(hr)) {
    detail = "created: " + Hex(hr);
    return false;
  }
  // The host as the test host plays it, asking for its main window's ribbon.
  const AddinExpectation* host = FindExpectation(addin.prog_id);
  FakeWindow window(false);
  FakeCommandBars bars;
  FakeApplication application(host ? host->application_name : L"", &window, &bars);
  hr = ConnectAddin(object.get(), &application);
  CustomUi document;
  document.hr = hr;
  if (SUCCEEDED(hr))
    document = GetCustomUi(object.get(), host ? host->ribbon_id : L"");
  const HMODULE loaded = ::GetModuleHandleW((StemOf(addin) + L".dll").c_str());
  wchar_t path[MAX_PATH] = {};
  if (loaded)
    ::GetModuleFileNameW(loaded, path, MAX_PATH);
  module = path;
  detail = Hex(document.hr) + ", " + std::to_string(document.text.size()) + " characters, from " +
           Utf8(module);
  return document.hr == S_OK && document.text.starts_with(L"<customUI xmlns=");
}

int CheckInstalled(bool x64_package) {
  CheckList checks(k64BitProgram ? "package (64-bit)" : "package (32-bit)");
  const std::vector<std::wstring> products = InstalledProducts();
  if (!checks.Expect(products.size() == 1, "Windows Installer lists one Trelvane",
                     std::to_string(products.size()) + " products"))
    return checks.Finish();
  std::wstring folder = ProductInfo(products[0], INSTALLPROPERTY_INSTALLLOCATION);
  while (!folder.empty() && folder.back() == L'\\')
    folder.pop_back();
  checks.Expect(!folder.empty(), "it records its folder", Utf8(folder));
  checks.Expect(!KeyPresent(HKEY_CURRENT_USER, kSetup70Key),
                "no Add/Remove entry of 7.0.0's setups is left beside it");

  // The files, each of the bitness its place says.
  const WORD x86 = IMAGE_FILE_MACHINE_I386;
  const WORD x64 = IMAGE_FILE_MACHINE_AMD64;
  std::string wrong;
  const auto expect_file = [&](const std::wstring& path, WORD machine) {
    if ((machine != 0 && MachineOf(path) != machine) || !FileThere(path))
      wrong += Utf8(path.substr(folder.size())) + " ";
  };
  expect_file(folder + L"\\Trelvane.exe", x64_package ? x64 : x86);
  expect_file(folder + L"\\HAND-M.CUR", 0);
  for (const win::AddinDefinition* addin : kAddins) {
    expect_file(folder + L"\\" + StemOf(*addin) + L".dll", x86);
    if (x64_package)
      expect_file(folder + L"\\x64\\" + StemOf(*addin) + L".dll", x64);
  }
  if (x64_package)
    expect_file(folder + L"\\x64\\HAND-M.CUR", 0);
  else if (FileThere(folder + L"\\x64"))
    wrong += "x64 (the 32-bit Windows package has none) ";
  checks.Expect(wrong.empty(),
                x64_package ? "the 64-bit configurator, the 32-bit add-ins beside it, the 64-bit "
                              "ones in x64\\, the pointer in both"
                            : "the 32-bit configurator and add-ins, and the pointer",
                wrong);

  ::CoInitialize(nullptr);
  for (const win::AddinDefinition* addin : kAddins) {
    const std::string name = Utf8(addin->prog_id);
    struct Build {
      REGSAM view;
      std::wstring file;
    };
    std::vector<Build> builds = {{KEY_WOW64_32KEY, folder + L"\\" + StemOf(*addin) + L".dll"}};
    if (x64_package)
      builds.push_back({KEY_WOW64_64KEY, folder + L"\\x64\\" + StemOf(*addin) + L".dll"});
    for (const Build& build : builds) {
      const std::string label =
          name + (build.view == KEY_WOW64_64KEY ? ", 64-bit build" : ", 32-bit build");
      // The add-in's own registration code, pointed at a scratch key, for this build.
      const ScratchKey scratch;
      win::RegistrationPlaces places = win::PlacesOfView(build.view);
      places.machine_classes = {HKEY_CURRENT_USER, scratch.Below(L"Machine")};
      places.user_classes = {HKEY_CURRENT_USER, scratch.Below(L"User")};
      places.office = {HKEY_CURRENT_USER, scratch.Below(L"Office")};
      std::string failure;
      try {
        win::RegisterForUser({addin->clsid, addin->prog_id, build.file, addin->office_application,
                              addin->product_name, addin->description},
                             places, true);
      } catch (const trelvane::BuildFailure& e) {
        failure = e.what();
      }
      // Machine-wide, each view as Windows keeps it; Wine does the same there.
      const Tree machine =
          Registered({HKEY_LOCAL_MACHINE, L"Software\\Classes", L""}, *addin, build.view);
      const Tree machine_expected =
          Registered({HKEY_CURRENT_USER, scratch.Below(L"Machine"), L""}, *addin, build.view);
      checks.Expect(failure.empty() && !machine_expected.empty() &&
                        Differences(machine_expected, machine).empty(),
                    label +
                        ": under Wine, its class and ProgID machine-wide, as its own "
                        "registration writes them",
                    failure + Differences(machine_expected, machine));
      // For the user: Wine keeps one class key for both views, whose server is the build that
      // was written last; Windows keeps one a view.
      Tree user =
          Registered({HKEY_CURRENT_USER, L"Software\\Classes", L"Software\\Microsoft\\Office"},
                     *addin, build.view);
      const Tree user_expected =
          Registered({HKEY_CURRENT_USER, scratch.Below(L"User"), scratch.Below(L"Office")}, *addin,
                     build.view);
      const auto server = user.find(L"class\\InprocServer32|");
      for (const Build& other : builds) {
        if (server != user.end() && Lower(server->second) == Lower(other.file))
          server->second = build.file;
      }
      checks.Expect(!user_expected.empty() && Differences(user_expected, user).empty(),
                    label +
                        ": for the user, class, ProgID and Office key (LoadBehavior 3) as "
                        "its own registration writes them",
                    Differences(user_expected, user));
    }
    // As an Office of this program's bitness creates it.
    std::wstring module;
    std::string detail;
    const std::wstring own =
        folder + (k64BitProgram ? L"\\x64\\" : L"\\") + StemOf(*addin) + L".dll";
    const bool created = CreatedByProgId(*addin, module, detail);
    checks.Expect(created && Lower(module) == Lower(own),
                  name + ": created by its ProgID, from its " +
                      (k64BitProgram ? "64-bit" : "32-bit") +
                      " build, it answers with its document",
                  detail);
  }
  ::CoUninitialize();
  return checks.Finish();
}

int CheckAbsent() {
  CheckList checks(k64BitProgram ? "package (64-bit)" : "package (32-bit)");
  checks.Expect(InstalledProducts().empty(), "Windows Installer lists no Trelvane");
  checks.Expect(!KeyPresent(HKEY_CURRENT_USER, kSetup70Key), "no Add/Remove entry of 7.0.0's");
  for (const win::AddinDefinition* addin : kAddins) {
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
      const std::string where =
          view == KEY_WOW64_32KEY ? " in the 32-bit view" : " in the 64-bit view";
      const Tree user = Registered(
          {HKEY_CURRENT_USER, L"Software\\Classes", L"Software\\Microsoft\\Office"}, *addin, view);
      const Tree machine =
          Registered({HKEY_LOCAL_MACHINE, L"Software\\Classes", L""}, *addin, view);
      checks.Expect(user.empty() && machine.empty(),
                    Utf8(addin->prog_id) + ": nothing left for the user or machine-wide" + where,
                    std::to_string(user.size() + machine.size()) + " values");
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
            300000);
  ::FreeLibrary(held);
  return 0;
}

// Runs the command line and waits for it; its exit code, or nothing when it cannot start.
std::optional<DWORD> RunAndWait(std::wstring command) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
    return std::nullopt;
  const win::unique_handle running(process.hProcess);
  const win::unique_handle thread(process.hThread);
  ::WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  ::GetExitCodeProcess(process.hProcess, &code);
  return code;
}

int PrintExit(const std::optional<DWORD>& code) {
  if (!code) {
    std::fprintf(stderr, "setup-checks: the command cannot start\n");
    return 1;
  }
  std::printf("exit %lu\n", static_cast<unsigned long>(*code));
  return 0;
}

int UninstallQuietly() {
  const std::vector<std::wstring> products = InstalledProducts();
  if (products.size() != 1) {
    std::fprintf(stderr, "setup-checks: %zu Trelvane products installed\n", products.size());
    return 1;
  }
  return PrintExit(RunAndWait(L"msiexec /x " + products[0] + L" /qn"));
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

std::wstring CommandLine(int argc, wchar_t** argv, int first) {
  std::wstring command;
  for (int i = first; i < argc; ++i) {
    if (i > first)
      command += L' ';
    const std::wstring_view argument = argv[i];
    const bool quote = argument.find(L' ') != std::wstring_view::npos;
    command += quote ? L"\"" : L"";
    command += argument;
    command += quote ? L"\"" : L"";
  }
  return command;
}

int Usage() {
  std::fprintf(stderr,
               "usage: setup-checks installed x64|x86 | absent | uninstall-quietly | "
               "run COMMAND... | hold FILE RELEASE | answer COMMAND...\n");
  return 2;
}

int Run(int argc, wchar_t** argv) {
  if (argc < 2)
    return Usage();
  const std::wstring verb = argv[1];
  if (verb == L"installed" && argc == 3 &&
      (argv[2] == std::wstring(L"x64") || argv[2] == std::wstring(L"x86")))
    return CheckInstalled(argv[2] == std::wstring(L"x64"));
  if (verb == L"absent" && argc == 2)
    return CheckAbsent();
  if (verb == L"uninstall-quietly" && argc == 2)
    return UninstallQuietly();
  if (verb == L"run" && argc >= 3)
    return PrintExit(RunAndWait(CommandLine(argc, argv, 2)));
  if (verb == L"hold" && argc == 4)
    return Hold(argv[2], argv[3]);
  if (verb == L"answer" && argc >= 3)
    return Answer(CommandLine(argc, argv, 2));
  return Usage();
}

}  // namespace
}  // namespace trelvane::wintest

int wmain(int argc, wchar_t** argv) {
  return trelvane::wintest::Run(argc, argv);
}
