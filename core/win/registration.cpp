#include "core/win/registration.h"

#include <objbase.h>

#include "core/failure.h"
#include "core/win/module.h"
#include "core/win/wide_text.h"

namespace trelvane::win {
namespace {

std::wstring ClassKey(const ServerRegistration& server) {
  return L"CLSID\\" + GuidText(server.clsid);
}

RegistryPlace AddinKey(const ServerRegistration& server, const RegistrationPlaces& places) {
  return places.office.Below(server.office_application + L"\\AddIns\\" + server.prog_id);
}

bool SameText(std::wstring_view a, std::wstring_view b) {
  return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// A ProgID is one key for both views: Windows shares it, and Wine keeps the shared one where a
// 64-bit program looks (its registry puts a 32-bit view's ProgID of a 64-bit program apart).
constexpr REGSAM kProgIdView = KEY_WOW64_64KEY;

void WriteClass(const ServerRegistration& server, const RegistryPlace& classes, REGSAM view) {
  const std::wstring class_key = ClassKey(server);
  SetString(CreateKey(classes.Below(class_key), view).get(), nullptr, server.friendly_name);
  const unique_hkey server_key = CreateKey(classes.Below(class_key + L"\\InprocServer32"), view);
  SetString(server_key.get(), nullptr, server.server_path);
  SetString(server_key.get(), L"ThreadingModel", L"Apartment");
  SetString(CreateKey(classes.Below(class_key + L"\\ProgID"), view).get(), nullptr, server.prog_id);
  SetString(CreateKey(classes.Below(server.prog_id), kProgIdView).get(), nullptr,
            server.friendly_name);
  SetString(CreateKey(classes.Below(server.prog_id + L"\\CLSID"), kProgIdView).get(), nullptr,
            GuidText(server.clsid));
}

// The class key of this view goes; the ProgID, which both views share, only goes when the
// other architecture has no class here and the ProgID still names our class.
void RemoveClass(const ServerRegistration& server, const RegistryPlace& classes,
                 const RegistrationPlaces& places) {
  const RegistryPlace class_key = classes.Below(ClassKey(server));
  if (KeyExists(class_key, places.own_view))
    DeleteTree(class_key, places.own_view);
  if (KeyExists(class_key, places.other_view))
    return;
  const RegistryPlace prog_id = classes.Below(server.prog_id);
  const auto named = ReadString(prog_id.Below(L"CLSID"), nullptr, kProgIdView);
  if (named && SameText(*named, GuidText(server.clsid)))
    DeleteTree(prog_id, kProgIdView);
}

void WriteAddinKey(const ServerRegistration& server, const RegistrationPlaces& places) {
  const unique_hkey addin = CreateKey(AddinKey(server, places), places.own_view);
  SetString(addin.get(), L"FriendlyName", server.friendly_name);
  SetString(addin.get(), L"Description", server.description);
  SetDword(addin.get(), L"LoadBehavior", 3);  // load at host start-up
}

bool ClassRegisteredAnywhere(const ServerRegistration& server, const RegistrationPlaces& places) {
  for (const RegistryPlace* classes : {&places.machine_classes, &places.user_classes}) {
    const RegistryPlace class_key = classes->Below(ClassKey(server));
    if (KeyExists(class_key, places.own_view) || KeyExists(class_key, places.other_view))
      return true;
  }
  return false;
}

}  // namespace

RegistrationPlaces StandardPlaces() {
  constexpr bool k64Bit = sizeof(void*) == 8;
  return RegistrationPlaces{
      .machine_classes = {HKEY_LOCAL_MACHINE, L"Software\\Classes"},
      .user_classes = {HKEY_CURRENT_USER, L"Software\\Classes"},
      .office = {HKEY_CURRENT_USER, L"Software\\Microsoft\\Office"},
      .own_view = k64Bit ? KEY_WOW64_64KEY : KEY_WOW64_32KEY,
      .other_view = k64Bit ? KEY_WOW64_32KEY : KEY_WOW64_64KEY,
  };
}

RegistrationPlaces PlacesOfView(REGSAM view) {
  RegistrationPlaces places = StandardPlaces();
  places.own_view = view;
  places.other_view = view == KEY_WOW64_64KEY ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
  return places;
}

ServerRegistration DescribeServer(const AddinIdentity& addin) {
  return ServerRegistration{
      .clsid = addin.definition.clsid,
      .prog_id = addin.definition.prog_id,
      .server_path = ModulePath(),
      .office_application = addin.definition.office_application,
      .friendly_name = addin.definition.product_name,
      .description = addin.definition.description,
  };
}

ClassScope RegisterServer(const ServerRegistration& server, const RegistrationPlaces& places) {
  ClassScope scope = ClassScope::kMachine;
  Failure machine_failure;
  if (!CatchFailure([&] { WriteClass(server, places.machine_classes, places.own_view); },
                    machine_failure)) {
    // Not an administrator: take back whatever did get written, then register for this user.
    Failure ignored;
    CatchFailure([&] { RemoveClass(server, places.machine_classes, places); }, ignored);
    WriteClass(server, places.user_classes, places.own_view);
    scope = ClassScope::kUser;
  }
  WriteAddinKey(server, places);
  return scope;
}

void RegisterForUser(const ServerRegistration& server, const RegistrationPlaces& places,
                     bool machine_too) {
  WriteClass(server, places.user_classes, places.own_view);
  if (machine_too)
    WriteClass(server, places.machine_classes, places.own_view);
  WriteAddinKey(server, places);
}

void UnregisterServer(const ServerRegistration& server, const RegistrationPlaces& places) {
  RemoveClass(server, places.machine_classes, places);
  RemoveClass(server, places.user_classes, places);
  // The host entry serves both architectures: it stays while either still has a class.
  if (!ClassRegisteredAnywhere(server, places))
    DeleteTree(AddinKey(server, places), places.own_view);
}

std::wstring GuidText(const GUID& guid) {
  wchar_t text[40];
  const int length = ::StringFromGUID2(guid, text, 40);
  return std::wstring(text, length > 0 ? static_cast<std::size_t>(length - 1) : 0);
}

}  // namespace trelvane::win
