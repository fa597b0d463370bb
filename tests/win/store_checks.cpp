#include "core/failure.h"
#include "core/settings.h"
#include "core/user_settings.h"
#include "core/win/hresult.h"
#include "core/win/registry_settings_store.h"
#include "core/win/unique_handle.h"
#include "core/win/wide_text.h"
#include "tests/win/layer_checks.h"
#include "tests/win/scratch_key.h"

namespace trelvane::wintest {
namespace {

// The failure kind `body` throws, or nothing when it completes.
template <typename Body>
std::optional<FailureKind> KindThrown(Body&& body) {
  Failure failure;
  if (CatchFailure(body, failure))
    return std::nullopt;
  return failure.kind;
}

bool SetRaw(const std::wstring& path, const wchar_t* name, DWORD type, const void* data,
            DWORD bytes) {
  win::unique_hkey key;
  return ::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                           key.put(), nullptr) == ERROR_SUCCESS &&
         ::RegSetValueExW(key.get(), name, 0, type, static_cast<const BYTE*>(data), bytes) ==
             ERROR_SUCCESS;
}

}  // namespace

void CheckTextConversion(CheckList& checks) {
  const std::string utf8 =
      "Gr\xC3\xBC\xC3\x9F"
      "e \xE2\x80\xA6 \xF0\x9F\x93\x8E";
  const std::wstring wide = win::Widen(utf8);
  checks.Expect(wide == L"Gr\u00FC\u00DFe \u2026 \U0001F4CE" && win::Narrow(wide) == utf8,
                "UTF-8 and UTF-16 convert both ways, beyond the BMP too");
  checks.Expect(win::Widen(std::string("a\0b", 3)) == std::wstring(L"a\0b", 3),
                "embedded NULs survive conversion");
  checks.Expect(!win::TryWiden("\xC3") && !win::TryWiden("\xED\xA0\x80") &&
                    KindThrown([] { win::Widen("\xFF"); }) == FailureKind::kInternal,
                "text that is not UTF-8 is refused");
  checks.Expect(win::Narrow(std::wstring(1, wchar_t(0xD800))) == "\xEF\xBF\xBD",
                "an unpaired surrogate from outside becomes U+FFFD");
}

// The add-ins' real store: only a value of the test's own is written, then removed.
static void CheckUserStore(CheckList& checks) {
  const std::string key = "Trelvane test " + std::to_string(::GetCurrentProcessId());
  const auto store = OpenUserSettingsStore();
  store->Write("Marrowick", "Trelvane", key, "1");
  const std::wstring path = L"Software\\VB and VBA Program Settings\\Marrowick\\Trelvane";
  const std::wstring name = win::Widen(key);
  checks.Expect(ValueText(HKEY_CURRENT_USER, path, name.c_str()) == L"1",
                "the user's store is HKCU\\Software\\VB and VBA Program Settings");
  win::unique_hkey section;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_SET_VALUE, section.put()) ==
      ERROR_SUCCESS) {
    ::RegDeleteValueW(section.get(), name.c_str());
  }
}

void CheckRegistryStore(CheckList& checks) {
  const ScratchKey scratch;
  win::RegistrySettingsStore store(HKEY_CURRENT_USER, scratch.path());
  const std::wstring section = scratch.Below(L"Marrowick\\Trelvane");

  checks.Expect(!store.Read("Marrowick", "Trelvane", "Classic"),
                "nothing stored reads as absent, even without the key");
  store.Write("Marrowick", "Trelvane", "Classic", "0");
  store.Write("Marrowick", "Trelvane", "Page Layout", "1");
  checks.Expect(ValueText(HKEY_CURRENT_USER, section, L"Classic") == L"0",
                "a write lands as REG_SZ under <base>\\Marrowick\\Trelvane");
  checks.Expect(store.Read("Marrowick", "Trelvane", "cLASSIC") == "0" &&
                    store.Read("MARROWICK", "trelvane", "Classic") == "0",
                "keys, applications and sections compare without case");
  checks.Expect(!store.Read("Marrowick", "Trelvane", "PageLayout") &&
                    store.Read("Marrowick", "Trelvane", "Page Layout") == "1",
                "blanks are part of a key");
  store.Write("Marrowick", "Trelvane", "Classic", "5");
  checks.Expect(store.Read("Marrowick", "Trelvane", "Classic") == "5", "a write replaces");
  store.Write("Marrowick", "Trelvane", "Note",
              "Gr\xC3\xBC\xC3\x9F"
              "e \xE2\x80\xA6");
  checks.Expect(store.Read("Marrowick", "Trelvane", "Note") ==
                    "Gr\xC3\xBC\xC3\x9F"
                    "e \xE2\x80\xA6",
                "text beyond ASCII round-trips");
  store.Write("Marrowick", "Trelvane", "Empty", "");
  checks.Expect(store.Read("Marrowick", "Trelvane", "Empty") == "",
                "an empty value is present and empty");

  // Values other writers may leave: no terminating NUL, text after a NUL, not text at all.
  const wchar_t unterminated[] = {L'1', L'2'};
  const wchar_t two_strings[] = L"7\0junk";
  const DWORD number = 1;
  SetRaw(section, L"Unterminated", REG_SZ, unterminated, sizeof unterminated);
  SetRaw(section, L"TwoStrings", REG_SZ, two_strings, sizeof two_strings);
  SetRaw(section, L"Dword", REG_DWORD, &number, sizeof number);
  checks.Expect(store.Read("Marrowick", "Trelvane", "Unterminated") == "12" &&
                    store.Read("Marrowick", "Trelvane", "TwoStrings") == "7",
                "a string value ends at its first NUL or its size");
  checks.Expect(
      KindThrown([&] { store.Read("Marrowick", "Trelvane", "Dword"); }) == FailureKind::kStore,
      "a value that is not text is a store failure, not a number");

  checks.Expect(
      KindThrown([&] { store.Write("Marrowick", "Trelvane", "", "1"); }) == FailureKind::kStore &&
          KindThrown([&] { store.Read("Marrowick", "..\\Other", "Classic"); }) ==
              FailureKind::kStore &&
          KindThrown([&] {
            store.Write("Marrowick", "Trelvane", "Classic", std::string("1\0", 2));
          }) == FailureKind::kStore,
      "empty keys, sections reaching elsewhere and NULs in values are refused");

  // Conversions are the core's; the registry only has to hand the text over unchanged.
  const Settings settings(store);
  store.Write("Marrowick", "Trelvane", "All", "yes");
  checks.Expect(
      KindThrown([&] { settings.ReadInt32("All", 1); }) == FailureKind::kNotANumber &&
          KindThrown([&] { settings.ReadInt32("Empty", 1); }) == FailureKind::kNotANumber &&
          settings.ReadDouble("Page Layout", 0) == 1.0 && settings.ReadInt32("Missing", 1) == 1,
      "settings read from the registry convert as from any store");
  CheckUserStore(checks);
}

void CheckFailureCodes(CheckList& checks) {
  struct Case {
    FailureKind kind;
    std::int32_t code;
    HRESULT expected;
  };
  const Case cases[] = {
      {FailureKind::kNotANumber, 0, DISP_E_TYPEMISMATCH},
      {FailureKind::kOutOfRange, 0, DISP_E_OVERFLOW},
      {FailureKind::kCounterOverflow, 0, DISP_E_OVERFLOW},
      {FailureKind::kOutOfMemory, 0, E_OUTOFMEMORY},
      {FailureKind::kHost, static_cast<std::int32_t>(RPC_E_SERVERCALL_RETRYLATER),
       RPC_E_SERVERCALL_RETRYLATER},
      {FailureKind::kHost, 0, E_FAIL},  // a host that reported no code
      {FailureKind::kHost, 1, E_FAIL},  // or a success code: never passed on as success
      {FailureKind::kStore, static_cast<std::int32_t>(HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED)),
       HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED)},
      {FailureKind::kStore, 0, E_FAIL},
      {FailureKind::kInternal, 0, E_UNEXPECTED},
  };
  std::string wrong;
  for (const Case& c : cases) {
    const HRESULT hr = win::HresultFromFailure(Failure{c.kind, "", c.code});
    if (hr != c.expected)
      wrong += Hex(hr) + " for " + Hex(c.expected) + "; ";
  }
  checks.Expect(wrong.empty(), "each failure kind maps to its HRESULT, never to success", wrong);
  checks.ExpectHr(win::Guarded([]() -> HRESULT { throw std::bad_alloc(); }), E_OUTOFMEMORY,
                  "a guarded body that runs out of memory");
  checks.ExpectHr(win::Guarded([]() -> HRESULT { throw 42; }), E_UNEXPECTED,
                  "a guarded body that throws anything at all");
}

}  // namespace trelvane::wintest
