// Self-registration of an add-in: its COM class and its entry under the Office host's add-ins.
//
// The class goes machine-wide (HKLM\Software\Classes) where that can be written and to the
// current user (HKCU\Software\Classes) where it cannot, always in the registry view of the
// DLL's own architecture; a 32-bit and a 64-bit build of one add-in share the CLSID and the
// ProgID. The add-in entry goes to HKCU\Software\Microsoft\Office\<host>\AddIns\<ProgID>.
// Registering again rewrites the same values; unregistering what is not there is no error.
#pragma once

#include <windows.h>

#include <string>

#include "core/win/addin_identity.h"
#include "core/win/registry_keys.h"

namespace trelvane::win {

struct RegistrationPlaces {
  RegistryPlace machine_classes;
  RegistryPlace user_classes;
  RegistryPlace office;  // holds <host>\AddIns
  REGSAM own_view;       // the DLL's architecture
  REGSAM other_view;
};

// Where Windows looks: HKLM and HKCU Software\Classes, HKCU Software\Microsoft\Office.
RegistrationPlaces StandardPlaces();
// The same places with `view` (KEY_WOW64_32KEY or KEY_WOW64_64KEY) as the own view: a 64-bit
// program registering the 32-bit build, and the other way round.
RegistrationPlaces PlacesOfView(REGSAM view);

struct ServerRegistration {
  CLSID clsid;
  std::wstring prog_id;
  std::wstring server_path;  // the DLL
  std::wstring office_application;
  std::wstring friendly_name;
  std::wstring description;
};

// What this DLL registers.
ServerRegistration DescribeServer(const AddinIdentity& addin);

enum class ClassScope { kMachine, kUser };

// Throw BuildFailure (kStore) when the registry refuses.
ClassScope RegisterServer(const ServerRegistration& server, const RegistrationPlaces& places);
// What the package writes for one build: the class in the user's classes of the own view, the
// ProgID and the Office add-in key; with `machine_too` (under Wine) the class and the ProgID in
// the machine's classes as well.
void RegisterForUser(const ServerRegistration& server, const RegistrationPlaces& places,
                     bool machine_too);
void UnregisterServer(const ServerRegistration& server, const RegistrationPlaces& places);

// "{E45C63E8-2FF1-4F13-A3F9-0432667993BF}".
std::wstring GuidText(const GUID& guid);

}  // namespace trelvane::win
