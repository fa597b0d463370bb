#include "configurator/addin_registration.h"

#include <string>
#include <string_view>

#include "configurator/hosts.h"

namespace trelvane::configurator {
namespace {

struct BuildPlace {
  AddinBuild build;
  std::string_view folder;  // below the program's folder
};

constexpr BuildPlace kBuilds[] = {{AddinBuild::k32Bit, ""}, {AddinBuild::k64Bit, "\\x64"}};

std::string FileOf(const Seams& seams, const AddinEntry& addin, const BuildPlace& place) {
  std::string file = seams.files.ProgramFolder();
  file += place.folder;
  file += '\\';
  file += addin.name;
  file += ".dll";
  return file;
}

}  // namespace

const AddinEntry* AddinOf(HostOption host) {
  if (!IsHost(host))
    return nullptr;
  for (const AddinEntry& addin : kAddinTable) {
    if (addin.office_application == ChoiceOf(host).office)
      return &addin;
  }
  return nullptr;
}

void RegisterAddin(const Seams& seams, const SelectedHost& selected) {
  for (const BuildPlace& place : kBuilds) {
    const AddinEntry* addin = AddinOf(selected());
    if (!addin)
      return;
    const std::string file = FileOf(seams, *addin, place);
    if (seams.files.FileExists(file))
      seams.registry.Register(*addin, place.build, file);
  }
}

void UnregisterAddin(const Seams& seams, const SelectedHost& selected) {
  for (const BuildPlace& place : kBuilds) {
    if (const AddinEntry* addin = AddinOf(selected()))
      seams.registry.Unregister(*addin, place.build);
  }
}

}  // namespace trelvane::configurator
