// Whether this Windows is Wine: Wine reads no per-user COM classes (HKCU\Software\Classes is not
// part of its HKEY_CLASSES_ROOT), so what registers for the current user registers machine-wide
// too there, where a Wine user may write.
#pragma once

namespace trelvane::win {

// True where the registry holds Wine's own key, HKCU\Software\Wine or HKLM\Software\Wine.
bool RunningUnderWine();

}  // namespace trelvane::win
