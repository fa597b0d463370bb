// The module's own VERSIONINFO resource: the product name and version the About window shows.
#pragma once

#include <windows.h>

#include <string>

namespace trelvane::win {

struct ModuleVersion {
  std::wstring product_name;
  WORD major = 0;
  WORD minor = 0;
  WORD revision = 0;  // the last of the four numbers
};

// Throws BuildFailure (kInternal) when the module carries no usable version resource.
ModuleVersion ReadModuleVersion(HMODULE module);

// "7.0.0".
std::string VersionNumber(const ModuleVersion& version);

}  // namespace trelvane::win
