#include "configurator/win/user_addin_registry.h"

#include <objbase.h>

#include <string>

#include "core/failure.h"
#include "core/win/registration.h"
#include "core/win/wide_text.h"
#include "core/win/wine.h"

namespace trelvane::configurator::win {
namespace {

using trelvane::win::ServerRegistration;
using trelvane::win::Widen;

REGSAM ViewOf(AddinBuild build) {
  return build == AddinBuild::k64Bit ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
}

ServerRegistration Describe(const AddinEntry& addin, std::string_view file) {
  ServerRegistration server{
      .clsid = {},
      .prog_id = Widen(addin.prog_id),
      .server_path = Widen(file),
      .office_application = Widen(addin.office_application),
      .friendly_name = Widen(addin.product_name),
      .description = Widen(addin.description),
  };
  const std::wstring clsid = Widen(addin.clsid);
  if (FAILED(::CLSIDFromString(clsid.c_str(), &server.clsid)))
    throw BuildFailure(FailureKind::kStore, "the add-in's class identifier is not a CLSID");
  return server;
}

}  // namespace

void UserAddinRegistry::Register(const AddinEntry& addin, AddinBuild build, std::string_view file) {
  trelvane::win::RegisterForUser(Describe(addin, file), trelvane::win::PlacesOfView(ViewOf(build)),
                                 trelvane::win::RunningUnderWine());
}

void UserAddinRegistry::Unregister(const AddinEntry& addin, AddinBuild build) {
  trelvane::win::UnregisterServer(Describe(addin, {}), trelvane::win::PlacesOfView(ViewOf(build)));
}

}  // namespace trelvane::configurator::win
