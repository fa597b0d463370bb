// Registry keys addressed as a root and a path, in an explicit registry view (32- or 64-bit),
// with failures as BuildFailure (kStore) carrying the Win32 error as an HRESULT.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "core/win/unique_handle.h"

namespace trelvane::win {

struct RegistryPlace {
  HKEY root;
  std::wstring path;  // below root; empty for the root itself

  RegistryPlace Below(std::wstring_view subkey) const;
};

unique_hkey CreateKey(const RegistryPlace& place, REGSAM view);
bool KeyExists(const RegistryPlace& place, REGSAM view);

// Nothing when the key or value is absent or not text; `name` null is the default value.
std::optional<std::wstring> ReadString(const RegistryPlace& place, const wchar_t* name,
                                       REGSAM view);

void SetString(HKEY key, const wchar_t* name, std::wstring_view value);
void SetDword(HKEY key, const wchar_t* name, DWORD value);

// Deletes the key with everything below it; an absent key is not an error.
void DeleteTree(const RegistryPlace& place, REGSAM view);

}  // namespace trelvane::win
