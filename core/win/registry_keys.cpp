#include "core/win/registry_keys.h"

#include "core/win/hresult.h"
#include "core/win/wide_text.h"

namespace trelvane::win {
namespace {

[[noreturn]] void FailKey(const char* doing, const RegistryPlace& place, LONG error) {
  std::string reason = "cannot ";
  reason += doing;
  reason += " the registry key ";
  reason += Narrow(place.path);
  FailWithWin32(FailureKind::kStore, std::move(reason), static_cast<DWORD>(error));
}

bool Absent(LONG rc) {
  return rc == ERROR_FILE_NOT_FOUND || rc == ERROR_PATH_NOT_FOUND;
}

}  // namespace

RegistryPlace RegistryPlace::Below(std::wstring_view subkey) const {
  RegistryPlace below{root, path};
  if (!below.path.empty())
    below.path += L'\\';
  below.path += subkey;
  return below;
}

unique_hkey CreateKey(const RegistryPlace& place, REGSAM view) {
  unique_hkey key;
  const LONG rc =
      ::RegCreateKeyExW(place.root, place.path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE | KEY_QUERY_VALUE | view, nullptr, key.put(), nullptr);
  if (rc != ERROR_SUCCESS)
    FailKey("create", place, rc);
  return key;
}

bool KeyExists(const RegistryPlace& place, REGSAM view) {
  unique_hkey key;
  const LONG rc =
      ::RegOpenKeyExW(place.root, place.path.c_str(), 0, KEY_QUERY_VALUE | view, key.put());
  if (Absent(rc))
    return false;
  if (rc != ERROR_SUCCESS)
    FailKey("open", place, rc);
  return true;
}

std::optional<std::wstring> ReadString(const RegistryPlace& place, const wchar_t* name,
                                       REGSAM view) {
  unique_hkey key;
  LONG rc = ::RegOpenKeyExW(place.root, place.path.c_str(), 0, KEY_QUERY_VALUE | view, key.put());
  if (Absent(rc))
    return std::nullopt;
  if (rc != ERROR_SUCCESS)
    FailKey("open", place, rc);
  DWORD type = 0;
  DWORD bytes = 0;
  rc = ::RegQueryValueExW(key.get(), name, nullptr, &type, nullptr, &bytes);
  if (rc != ERROR_SUCCESS || type != REG_SZ || bytes > 65536)
    return std::nullopt;
  std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  rc = ::RegQueryValueExW(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                          &bytes);
  if (rc != ERROR_SUCCESS || type != REG_SZ)
    return std::nullopt;
  text.resize(bytes / sizeof(wchar_t));
  if (const auto nul = text.find(L'\0'); nul != std::wstring::npos)
    text.resize(nul);
  return text;
}

void SetString(HKEY key, const wchar_t* name, std::wstring_view value) {
  const std::wstring text(value);
  const LONG rc =
      ::RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  if (rc != ERROR_SUCCESS)
    FailWithWin32(FailureKind::kStore, "cannot write a registry value", static_cast<DWORD>(rc));
}

void SetDword(HKEY key, const wchar_t* name, DWORD value) {
  const LONG rc = ::RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                   sizeof value);
  if (rc != ERROR_SUCCESS)
    FailWithWin32(FailureKind::kStore, "cannot write a registry value", static_cast<DWORD>(rc));
}

void DeleteTree(const RegistryPlace& place, REGSAM view) {
  // A root is never ours to empty.
  if (place.path.empty())
    FailKey("delete", place, ERROR_ACCESS_DENIED);
  unique_hkey key;
  LONG rc = ::RegOpenKeyExW(place.root, place.path.c_str(), 0,
                            KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE | view, key.put());
  if (Absent(rc))
    return;
  if (rc != ERROR_SUCCESS)
    FailKey("open", place, rc);
  // Children first; each pass deletes the first child, so index 0 is always the next one.
  for (;;) {
    wchar_t child[256];  // key names are at most 255 characters
    DWORD length = 256;
    rc = ::RegEnumKeyExW(key.get(), 0, child, &length, nullptr, nullptr, nullptr, nullptr);
    if (rc == ERROR_NO_MORE_ITEMS)
      break;
    if (rc != ERROR_SUCCESS)
      FailKey("list", place, rc);
    DeleteTree(place.Below(std::wstring_view(child, length)), view);
  }
  key.reset();
  rc = ::RegDeleteKeyExW(place.root, place.path.c_str(), view, 0);
  if (rc != ERROR_SUCCESS && !Absent(rc))
    FailKey("delete", place, rc);
}

}  // namespace trelvane::win
