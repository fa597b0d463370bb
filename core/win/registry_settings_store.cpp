#include "core/win/registry_settings_store.h"

#include "core/failure.h"
#include "core/win/hresult.h"
#include "core/win/unique_handle.h"
#include "core/win/wide_text.h"

namespace trelvane::win {
namespace {

[[noreturn]] void FailStore(std::string reason) {
  throw BuildFailure(FailureKind::kStore, std::move(reason));
}

// A name the registry can hold: not empty, no NUL, and (for the parts of the key path) no
// backslash that would reach outside the section.
std::wstring CheckedName(std::string_view what, std::string_view name, bool path_part) {
  auto wide = TryWiden(name);
  if (name.empty() || !wide || wide->find(L'\0') != std::wstring::npos ||
      (path_part && wide->find(L'\\') != std::wstring::npos)) {
    FailStore("cannot address the settings " + std::string(what) + " \"" + std::string(name) +
              "\"");
  }
  return std::move(*wide);
}

}  // namespace

std::wstring RegistrySettingsStore::KeyPath(std::string_view application,
                                            std::string_view section) const {
  std::wstring path = base_;
  path += L'\\';
  path += CheckedName("application", application, true);
  path += L'\\';
  path += CheckedName("section", section, true);
  return path;
}

std::optional<std::string> RegistrySettingsStore::Read(std::string_view application,
                                                       std::string_view section,
                                                       std::string_view key) {
  const std::wstring path = KeyPath(application, section);
  const std::wstring name = CheckedName("key", key, false);

  unique_hkey hkey;
  LONG rc = ::RegOpenKeyExW(root_, path.c_str(), 0, KEY_QUERY_VALUE, hkey.put());
  if (rc == ERROR_FILE_NOT_FOUND || rc == ERROR_PATH_NOT_FOUND)
    return std::nullopt;
  if (rc != ERROR_SUCCESS)
    FailWithWin32(FailureKind::kStore, "cannot open the settings key", static_cast<DWORD>(rc));

  // After each query: true when the value is absent; fails unless it was read as text.
  const auto absent = [&key](LONG result, DWORD type) {
    if (result == ERROR_FILE_NOT_FOUND)
      return true;
    if (result != ERROR_SUCCESS) {
      FailWithWin32(FailureKind::kStore, "cannot read the setting \"" + std::string(key) + "\"",
                    static_cast<DWORD>(result));
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ)
      FailStore("the setting \"" + std::string(key) + "\" is not stored as text");
    return false;
  };

  // The value may change between asking its size and reading it: ask again then.
  for (int attempt = 0; attempt < 8; ++attempt) {
    DWORD type = 0;
    DWORD bytes = 0;
    rc = ::RegQueryValueExW(hkey.get(), name.c_str(), nullptr, &type, nullptr, &bytes);
    if (absent(rc, type))
      return std::nullopt;
    if (bytes > kLargestValueBytes)
      FailStore("the setting \"" + std::string(key) + "\" is too long to be a setting");

    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD read = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    rc = ::RegQueryValueExW(hkey.get(), name.c_str(), nullptr, &type,
                            reinterpret_cast<BYTE*>(text.data()), &read);
    if (rc == ERROR_MORE_DATA)
      continue;
    if (absent(rc, type))
      return std::nullopt;
    text.resize(read / sizeof(wchar_t));
    // A string value ends at its first NUL, whether or not the writer stored one.
    if (const auto nul = text.find(L'\0'); nul != std::wstring::npos)
      text.resize(nul);
    return Narrow(text);
  }
  FailStore("the setting \"" + std::string(key) + "\" kept changing while it was read");
}

void RegistrySettingsStore::Write(std::string_view application, std::string_view section,
                                  std::string_view key, std::string_view value) {
  const std::wstring path = KeyPath(application, section);
  const std::wstring name = CheckedName("key", key, false);
  const auto text = TryWiden(value);
  if (!text || text->find(L'\0') != std::wstring::npos)
    FailStore("cannot store that text under \"" + std::string(key) + "\"");
  const std::size_t bytes = (text->size() + 1) * sizeof(wchar_t);
  if (bytes > kLargestValueBytes)
    FailStore("the value for \"" + std::string(key) + "\" is too long to be a setting");

  unique_hkey hkey;
  LONG rc = ::RegCreateKeyExW(root_, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_SET_VALUE, nullptr, hkey.put(), nullptr);
  if (rc != ERROR_SUCCESS)
    FailWithWin32(FailureKind::kStore, "cannot create the settings key", static_cast<DWORD>(rc));
  rc = ::RegSetValueExW(hkey.get(), name.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(text->c_str()), static_cast<DWORD>(bytes));
  if (rc != ERROR_SUCCESS) {
    FailWithWin32(FailureKind::kStore, "cannot store the setting \"" + std::string(key) + "\"",
                  static_cast<DWORD>(rc));
  }
}

}  // namespace trelvane::win
