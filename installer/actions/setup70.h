// Trelvane 7.0.0's per-bitness setups (NSIS), which this package replaces: where one installed
// Trelvane, and taking that install away without running its uninstaller (a 32-bit program that
// a 64-bit Windows without 32-bit support cannot start).
#pragma once

#include <optional>
#include <string>

namespace trelvane::setup {

// The folder of a 7.0.0 install for the current user, from its Add/Remove Programs entry.
std::optional<std::wstring> Setup70Folder();

// Removes what 7.0.0 installed in `folder` and wrote for the current user: its files (the
// uninstaller included) and the folder when that is then empty, its Start-menu entry, the
// add-ins' keys in both registry views, and its Add/Remove Programs entry. The user's settings
// stay. Throws BuildFailure when a key or file cannot be removed.
void RemoveSetup70(const std::wstring& folder);

}  // namespace trelvane::setup
