// The settings cases the runner prepares: for each, the settings as an INI section (what
// trelvane-ribbon read natively), the host name, and either the document trelvane-ribbon
// printed or the failure HRESULT the add-in must return.
//
// <dir>/cases.txt holds one case a line: name|host name ("-" for the real host's)|expectation
// ("document" or an HRESULT such as 0x80020005). <dir>/<name>.ini holds the settings and
// <dir>/<name>.xml the expected document.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace trelvane::wintest {

struct RibbonCase {
  std::wstring name;
  std::optional<std::wstring> host_name;  // none: the real host's
  std::optional<HRESULT> failure;         // none: a document is expected
  std::wstring settings_file;
  std::wstring document_file;
};

// Empty with `error` set when the list cannot be read.
std::vector<RibbonCase> LoadRibbonCases(const std::wstring& folder, std::string& error);

// A UTF-8 file as UTF-16; nothing when it cannot be read.
std::optional<std::wstring> ReadTextFile(const std::wstring& path);

// The Key=Value lines of an INI file's [Trelvane] section.
std::vector<std::pair<std::wstring, std::wstring>> ReadSettings(const std::wstring& path);

// The add-ins' settings in the registry, written as the configurator writes them (REG_SZ).
bool ClearStoredSettings();
bool StoreSetting(const std::wstring& key, const std::wstring& value);

}  // namespace trelvane::wintest
