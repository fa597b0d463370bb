// The package's own custom actions (installer/Trelvane.wxs.in runs them, each at a fixed place
// of the install sequence): immediate actions, run in the user's msiexec before anything is
// changed. Nothing thrown leaves an entry point: each turns a failure into its result.
#include <windows.h>

#include <msi.h>
#include <msiquery.h>

#include <string>
#include <vector>

#include "core/failure.h"
#include "core/win/wide_text.h"
#include "core/win/wine.h"
#include "installer/actions/held_files.h"
#include "installer/actions/setup70.h"

namespace trelvane::setup {
namespace {

std::wstring Property(MSIHANDLE install, const wchar_t* name) {
  DWORD size = 0;
  wchar_t none[1] = {};
  if (::MsiGetPropertyW(install, name, none, &size) != ERROR_MORE_DATA)
    return {};
  std::wstring value(size + 1, L'\0');
  size = static_cast<DWORD>(value.size());
  if (::MsiGetPropertyW(install, name, value.data(), &size) != ERROR_SUCCESS)
    return {};
  value.resize(size);
  return value;
}

// Into the log; with a user interface shown, also in a message box when `kind` is an error.
void Say(MSIHANDLE install, INSTALLMESSAGE kind, const std::wstring& text) {
  PMSIHANDLE record = ::MsiCreateRecord(1);
  ::MsiRecordSetStringW(record, 0, text.c_str());
  ::MsiProcessMessage(install, kind, record);
}

std::wstring WithoutTrailingSlash(std::wstring folder) {
  while (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/'))
    folder.pop_back();
  return folder;
}

}  // namespace
}  // namespace trelvane::setup

using namespace trelvane::setup;

// Sets TRELVANE_WINE to 1 under Wine, where the classes are registered machine-wide as well.
extern "C" UINT __stdcall FindWine(MSIHANDLE install) {
  if (trelvane::win::RunningUnderWine())
    ::MsiSetPropertyW(install, L"TRELVANE_WINE", L"1");
  return ERROR_SUCCESS;
}

// Refuses (ERROR_INSTALL_USEREXIT: msiexec exits 1602) while a program holds a file of the
// install in TRELVANE_FOLDER or of a 7.0.0 install, naming the program to close.
extern "C" UINT __stdcall CheckFilesFree(MSIHANDLE install) {
  try {
    std::vector<std::wstring> files =
        ProgramFiles(WithoutTrailingSlash(Property(install, L"TRELVANE_FOLDER")));
    if (const auto old = Setup70Folder()) {
      const auto more = ProgramFiles(WithoutTrailingSlash(*old));
      files.insert(files.end(), more.begin(), more.end());
    }
    const auto held = FindHeldFile(files);
    if (!held)
      return ERROR_SUCCESS;
    const std::wstring file = held->path.substr(held->path.find_last_of(L'\\') + 1);
    std::wstring text =
        held->program.empty()
            ? file +
                  L" is in use. Close Excel, Word, PowerPoint, Access, Outlook and the "
                  L"Trelvane configurator"
            : held->program + L" is using " + file + L". Close " + held->program;
    text += L", then try again. Nothing has been changed. (" + held->path + L")";
    Say(install, INSTALLMESSAGE(INSTALLMESSAGE_ERROR | MB_OK | MB_ICONERROR), text);
    return ERROR_INSTALL_USEREXIT;
  } catch (...) {
    return ERROR_INSTALL_FAILURE;
  }
}

// Takes a 7.0.0 install away, files, keys and Add/Remove entry, so that this package's install
// is the only one. Runs only after every refusal.
extern "C" UINT __stdcall RemoveSetup70(MSIHANDLE install) {
  trelvane::Failure failure;
  const bool removed = trelvane::CatchFailure(
      [&] {
        if (const auto old = Setup70Folder()) {
          Say(install, INSTALLMESSAGE_INFO, L"Removing Trelvane 7.0.0 from " + *old);
          RemoveSetup70(WithoutTrailingSlash(*old));
        }
      },
      failure);
  if (removed)
    return ERROR_SUCCESS;
  Say(install, INSTALLMESSAGE(INSTALLMESSAGE_ERROR | MB_OK | MB_ICONERROR),
      L"The Trelvane 7.0.0 that is installed could not be removed: " +
          trelvane::win::TryWiden(failure.reason).value_or(L"(unreadable)"));
  return ERROR_INSTALL_FAILURE;
}
