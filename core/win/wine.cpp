#include "core/win/wine.h"

#include "core/win/registry_keys.h"

namespace trelvane::win {

bool RunningUnderWine() {
  try {
    return KeyExists({HKEY_CURRENT_USER, L"Software\\Wine"}, KEY_WOW64_64KEY) ||
           KeyExists({HKEY_LOCAL_MACHINE, L"Software\\Wine"}, KEY_WOW64_64KEY);
  } catch (...) {
    return false;  // a key we may not open is not Wine's
  }
}

}  // namespace trelvane::win
