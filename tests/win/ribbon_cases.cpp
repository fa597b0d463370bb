#include "tests/win/ribbon_cases.h"

#include <cwchar>

#include "core/win/unique_handle.h"

namespace trelvane::wintest {
namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\Marrowick\\Trelvane";

std::vector<std::wstring> Lines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos)
      end = text.size();
    std::wstring line = text.substr(start, end - start);
    if (!line.empty() && line.back() == L'\r')
      line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

}  // namespace

std::optional<std::wstring> ReadTextFile(const std::wstring& path) {
  const win::unique_file file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file)
    return std::nullopt;
  std::string bytes;
  char buffer[65536];
  DWORD read = 0;
  while (::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
    bytes.append(buffer, read);
  if (bytes.empty())
    return std::wstring();
  const int length = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(),
                                           static_cast<int>(bytes.size()), nullptr, 0);
  if (length <= 0)
    return std::nullopt;
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                        text.data(), length);
  return text;
}

std::vector<RibbonCase> LoadRibbonCases(const std::wstring& folder, std::string& error) {
  std::vector<RibbonCase> cases;
  const auto list = ReadTextFile(folder + L"\\cases.txt");
  if (!list) {
    error = "cannot read cases.txt";
    return {};
  }
  for (const std::wstring& line : Lines(*list)) {
    if (line.empty())
      continue;
    const auto first = line.find(L'|');
    const auto second = first == std::wstring::npos ? first : line.find(L'|', first + 1);
    if (second == std::wstring::npos) {
      error = "a line of cases.txt is not name|host|expectation";
      return {};
    }
    RibbonCase ribbon_case;
    ribbon_case.name = line.substr(0, first);
    const std::wstring host = line.substr(first + 1, second - first - 1);
    if (host != L"-")
      ribbon_case.host_name = host;
    const std::wstring expectation = line.substr(second + 1);
    if (expectation != L"document")
      ribbon_case.failure = static_cast<HRESULT>(std::wcstoul(expectation.c_str(), nullptr, 16));
    ribbon_case.settings_file = folder + L"\\" + ribbon_case.name + L".ini";
    ribbon_case.document_file = folder + L"\\" + ribbon_case.name + L".xml";
    cases.push_back(std::move(ribbon_case));
  }
  if (cases.empty())
    error = "cases.txt lists no case";
  return cases;
}

std::vector<std::pair<std::wstring, std::wstring>> ReadSettings(const std::wstring& path) {
  std::vector<std::pair<std::wstring, std::wstring>> settings;
  const auto text = ReadTextFile(path);
  if (!text)
    return settings;
  bool inside = false;
  for (const std::wstring& line : Lines(*text)) {
    if (line.size() >= 2 && line.front() == L'[' && line.back() == L']') {
      inside = ::lstrcmpiW(line.substr(1, line.size() - 2).c_str(), L"Trelvane") == 0;
      continue;
    }
    const auto equals = line.find(L'=');
    if (inside && equals != std::wstring::npos && equals > 0)
      settings.emplace_back(line.substr(0, equals), line.substr(equals + 1));
  }
  return settings;
}

bool ClearStoredSettings() {
  const LONG rc = ::RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
  return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}

bool StoreSetting(const std::wstring& key, const std::wstring& value) {
  win::unique_hkey settings;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, settings.put(), nullptr) != ERROR_SUCCESS) {
    return false;
  }
  return ::RegSetValueExW(
             settings.get(), key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
             static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace trelvane::wintest
