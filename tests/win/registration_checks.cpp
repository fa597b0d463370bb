#include "core/failure.h"
#include "core/win/registration.h"
#include "core/win/unique_handle.h"
#include "tests/win/layer_checks.h"
#include "tests/win/scratch_key.h"

namespace trelvane::wintest {
namespace {

// {5A3C2E10-7B4D-4C8E-9F01-23456789ABCD}: a class of the test's own.
constexpr CLSID kTestClass = {
    0x5A3C2E10, 0x7B4D, 0x4C8E, {0x9F, 0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD}};
constexpr wchar_t kTestClassText[] = L"{5A3C2E10-7B4D-4C8E-9F01-23456789ABCD}";

win::ServerRegistration TestServer() {
  return win::ServerRegistration{
      .clsid = kTestClass,
      .prog_id = L"TrelvaneTest.Connect",
      .server_path = L"C:\\Program Files\\Trelvane\\TrelvaneTest.dll",
      .office_application = L"Excel",
      .friendly_name = L"Test 2010 Trelvane",
      .description = L"A test add-in",
  };
}

// The standard views, with every root below the scratch key.
win::RegistrationPlaces ScratchPlaces(const ScratchKey& scratch) {
  win::RegistrationPlaces places = win::StandardPlaces();
  places.machine_classes = {HKEY_CURRENT_USER, scratch.Below(L"Machine\\Classes")};
  places.user_classes = {HKEY_CURRENT_USER, scratch.Below(L"User\\Classes")};
  places.office = {HKEY_CURRENT_USER, scratch.Below(L"Office")};
  return places;
}

struct Written {
  std::wstring classes;  // where the class went
  std::wstring addin;
};

// Everything one registration writes, as it reads back.
bool ClassComplete(const std::wstring& classes) {
  const std::wstring class_key = classes + L"\\CLSID\\" + kTestClassText;
  return ValueText(HKEY_CURRENT_USER, class_key + L"\\InprocServer32", nullptr) ==
             L"C:\\Program Files\\Trelvane\\TrelvaneTest.dll" &&
         ValueText(HKEY_CURRENT_USER, class_key + L"\\InprocServer32", L"ThreadingModel") ==
             L"Apartment" &&
         ValueText(HKEY_CURRENT_USER, class_key + L"\\ProgID", nullptr) ==
             L"TrelvaneTest.Connect" &&
         ValueText(HKEY_CURRENT_USER, classes + L"\\TrelvaneTest.Connect\\CLSID", nullptr) ==
             kTestClassText;
}

bool ClassGone(const std::wstring& classes) {
  return !KeyPresent(HKEY_CURRENT_USER, classes + L"\\CLSID\\" + kTestClassText) &&
         !KeyPresent(HKEY_CURRENT_USER, classes + L"\\TrelvaneTest.Connect");
}

bool AddinComplete(const std::wstring& addin) {
  return ValueText(HKEY_CURRENT_USER, addin, L"LoadBehavior") == L"3" &&
         ValueText(HKEY_CURRENT_USER, addin, L"FriendlyName") == L"Test 2010 Trelvane" &&
         ValueText(HKEY_CURRENT_USER, addin, L"Description") == L"A test add-in";
}

template <typename Body>
bool Completes(Body&& body, std::string& reason) {
  Failure failure;
  if (CatchFailure(body, failure))
    return true;
  reason = failure.reason;
  return false;
}

}  // namespace

void CheckRegistrationPlaces(CheckList& checks) {
  const win::ServerRegistration server = TestServer();
  {
    const ScratchKey scratch;
    const win::RegistrationPlaces places = ScratchPlaces(scratch);
    const std::wstring addin = scratch.Below(L"Office\\Excel\\AddIns\\TrelvaneTest.Connect");
    std::string reason;
    win::ClassScope scope = win::ClassScope::kUser;
    const bool registered = Completes([&] { scope = win::RegisterServer(server, places); }, reason);
    checks.Expect(registered && scope == win::ClassScope::kMachine &&
                      ClassComplete(places.machine_classes.path) && AddinComplete(addin) &&
                      ClassGone(places.user_classes.path),
                  "registration writes the class machine-wide and the host's add-in entry", reason);
    checks.Expect(Completes([&] { win::RegisterServer(server, places); }, reason) &&
                      ClassComplete(places.machine_classes.path) && AddinComplete(addin),
                  "registering again succeeds and changes nothing", reason);

    const bool unregistered = Completes([&] { win::UnregisterServer(server, places); }, reason);
    checks.Expect(unregistered && ClassGone(places.machine_classes.path) &&
                      !KeyPresent(HKEY_CURRENT_USER, addin),
                  "unregistration removes the class, the ProgID and the add-in entry", reason);
    checks.Expect(Completes([&] { win::UnregisterServer(server, places); }, reason),
                  "unregistering what is not registered succeeds", reason);

    // A ProgID key that names another class is not ours to remove.
    win::unique_hkey foreign;
    ::RegCreateKeyExW(HKEY_CURRENT_USER,
                      (places.machine_classes.path + L"\\TrelvaneTest.Connect\\CLSID").c_str(), 0,
                      nullptr, 0, KEY_SET_VALUE, nullptr, foreign.put(), nullptr);
    const wchar_t other[] = L"{00000000-0000-0000-0000-000000000001}";
    ::RegSetValueExW(foreign.get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(other),
                     sizeof other);
    win::UnregisterServer(server, places);
    checks.Expect(
        KeyPresent(HKEY_CURRENT_USER, places.machine_classes.path + L"\\TrelvaneTest.Connect"),
        "a ProgID taken over by another class is left alone");
  }
  {
    // Machine-wide classes that cannot be written, as for a user who is no administrator: a
    // read-only handle (which Windows enforces) to a volatile key, below which no lasting key
    // can be made (which Wine enforces too).
    const ScratchKey scratch;
    win::RegistrationPlaces places = ScratchPlaces(scratch);
    win::unique_hkey machine;
    ::RegCreateKeyExW(HKEY_CURRENT_USER, scratch.Below(L"Machine").c_str(), 0, nullptr,
                      REG_OPTION_VOLATILE, KEY_READ, nullptr, machine.put(), nullptr);
    places.machine_classes = {machine.get(), L"Classes"};
    const std::wstring user = places.user_classes.path;
    std::string reason;
    win::ClassScope scope = win::ClassScope::kMachine;
    const bool registered = Completes([&] { scope = win::RegisterServer(server, places); }, reason);
    checks.Expect(registered && scope == win::ClassScope::kUser && ClassComplete(user) &&
                      !KeyPresent(HKEY_CURRENT_USER, scratch.Below(L"Machine\\Classes")),
                  "without rights machine-wide the class goes to the user's classes", reason);
    const bool unregistered = Completes([&] { win::UnregisterServer(server, places); }, reason);
    checks.Expect(unregistered && ClassGone(user) &&
                      !KeyPresent(HKEY_CURRENT_USER,
                                  scratch.Below(L"Office\\Excel\\AddIns\\TrelvaneTest.Connect")),
                  "unregistration removes the per-user class where it was written", reason);
  }
}

}  // namespace trelvane::wintest
