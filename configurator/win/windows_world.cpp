#include "configurator/win/windows_world.h"

#include <objbase.h>
#include <shellapi.h>

#include <string>

#include "core/win/automation_values.h"
#include "core/win/com_ptr.h"
#include "core/win/unique_handle.h"
#include "core/win/wide_text.h"

namespace trelvane::configurator::win {
namespace {

using trelvane::win::com_ptr;
using trelvane::win::Narrow;
using trelvane::win::TryWiden;
using trelvane::win::unique_handle;
using trelvane::win::unique_hkey;

// Text from the model is UTF-8; what is not becomes nothing rather than a wrong name.
std::wstring Wide(std::string_view text) {
  return TryWiden(text).value_or(std::wstring());
}

std::wstring SystemFolder() {
  wchar_t folder[MAX_PATH];
  const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return {};
  return std::wstring(folder, length);
}

// Creates the object of `prog_id` as a script does; null when it cannot be created.
com_ptr<IDispatch> CreateAutomationObject(const wchar_t* prog_id) {
  com_ptr<IDispatch> object;
  CLSID clsid = {};
  if (FAILED(::CLSIDFromProgID(prog_id, &clsid)))
    return object;
  ::CoCreateInstance(clsid, nullptr, CLSCTX_SERVER, IID_IDispatch, object.put_void());
  return object;
}

}  // namespace

std::string WindowsFiles::ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0)
      return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    if (path.size() >= 32768)
      return {};
    path.resize(path.size() * 2);
  }
  const auto slash = path.find_last_of(L"\\/");
  path.resize(slash == std::wstring::npos ? 0 : slash);
  return Narrow(path);
}

bool WindowsFiles::FileExists(std::string_view path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  const std::wstring wide = Wide(path);
  return !wide.empty() && ::GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data);
}

void WindowsLauncher::StartMinimized(std::string_view command_line) {
  const std::wstring folder = SystemFolder();
  std::wstring command = Wide(command_line);
  if (folder.empty() || command.empty())
    return;
  const std::wstring tool = folder + L"\\regsvr32.exe";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWMINIMIZED;
  PROCESS_INFORMATION process = {};
  if (::CreateProcessW(tool.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       folder.c_str(), &startup, &process)) {
    // Not waited for: the handles go at once and the tool runs on by itself.
    unique_handle thread(process.hThread);
    unique_handle started(process.hProcess);
  }
}

void WindowsLauncher::OpenWithShell(std::string_view name) {
  const std::wstring program = Wide(name);
  const std::wstring folder = Wide(files_.ProgramFolder());
  if (program.empty())
    return;
  ::ShellExecuteW(owner_, nullptr, program.c_str(), nullptr,
                  folder.empty() ? nullptr : folder.c_str(), SW_SHOWNORMAL);
}

void WindowsMachineRegistry::CreateKey(std::string_view path) {
  unique_hkey key;
  ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, Wide(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                    KEY_ALL_ACCESS, nullptr, key.put(), nullptr);
}

void WindowsMachineRegistry::DeleteSubkey(std::string_view parent, std::string_view name) {
  unique_hkey key;
  if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, Wide(parent).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, key.put(),
                        nullptr) == ERROR_SUCCESS) {
    // Removes the key with its values; one that still has subkeys stays.
    ::RegDeleteKeyW(key.get(), Wide(name).c_str());
  }
}

bool WindowsHostProbes::CreateExcel() {
  // Released at once; Excel is never told to quit.
  return static_cast<bool>(CreateAutomationObject(L"Excel.Application"));
}

bool WindowsHostProbes::CreateAndQuitWord() {
  const com_ptr<IDispatch> word = CreateAutomationObject(L"Word.Application");
  if (!word)
    return false;
  DISPID quit = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(L"quit")};
  if (SUCCEEDED(word->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &quit))) {
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    trelvane::win::unique_variant result;
    word->Invoke(quit, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, result.put(), nullptr,
                 nullptr);
  }
  return true;
}

void WindowsMessageBoxes::Show(std::string_view text, std::string_view title, MessageIcon icon) {
  const UINT style = MB_OK | (icon == MessageIcon::kExclamation ? MB_ICONEXCLAMATION : 0);
  ::MessageBoxW(owner_, Wide(text).c_str(), Wide(title).c_str(), style);
}

}  // namespace trelvane::configurator::win
