#include "core/win/version_info.h"

#include <cstring>
#include <vector>

#include "core/win/hresult.h"

namespace trelvane::win {
namespace {

[[noreturn]] void FailVersion(const char* reason) {
  FailWith(FailureKind::kInternal, reason, HRESULT_FROM_WIN32(ERROR_RESOURCE_DATA_NOT_FOUND));
}

}  // namespace

ModuleVersion ReadModuleVersion(HMODULE module) {
  HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
  HGLOBAL loaded = resource ? ::LoadResource(module, resource) : nullptr;
  const void* data = loaded ? ::LockResource(loaded) : nullptr;
  const DWORD size = resource ? ::SizeofResource(module, resource) : 0;
  if (!data || size == 0)
    FailVersion("the add-in has no version information");
  // VerQueryValue may write into the block, so it gets a copy rather than the mapped image.
  std::vector<BYTE> block(size);
  std::memcpy(block.data(), data, size);

  ModuleVersion version;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT fixed_size = 0;
  if (!::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixed_size) ||
      !fixed || fixed_size < sizeof(VS_FIXEDFILEINFO) || fixed->dwSignature != 0xFEEF04BD) {
    FailVersion("the add-in's version information has no version numbers");
  }
  version.major = HIWORD(fixed->dwFileVersionMS);
  version.minor = LOWORD(fixed->dwFileVersionMS);
  version.revision = LOWORD(fixed->dwFileVersionLS);

  struct Translation {
    WORD language;
    WORD code_page;
  };
  Translation* translations = nullptr;
  UINT translations_size = 0;
  if (!::VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translations), &translations_size) ||
      !translations || translations_size < sizeof(Translation)) {
    FailVersion("the add-in's version information names no language");
  }
  wchar_t query[64];
  ::wsprintfW(query, L"\\StringFileInfo\\%04x%04x\\ProductName", translations->language,
              translations->code_page);
  wchar_t* name = nullptr;
  UINT name_length = 0;
  if (!::VerQueryValueW(block.data(), query, reinterpret_cast<void**>(&name), &name_length) ||
      !name || name_length == 0) {
    FailVersion("the add-in's version information has no product name");
  }
  version.product_name.assign(name, ::wcsnlen(name, name_length));
  return version;
}

std::string VersionNumber(const ModuleVersion& version) {
  return std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
         std::to_string(version.revision);
}

}  // namespace trelvane::win
