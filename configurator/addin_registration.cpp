#include "configurator/addin_registration.h"

#include <array>
#include <string>
#include <string_view>

namespace trelvane::configurator {
namespace {

struct HostAddin {
  HostOption host;
  std::string_view file;         // beside the configurator, without ".dll"; also the ProgID's stem
  std::string_view office_name;  // the host's key under Software\Microsoft\Office
};

constexpr std::array<HostAddin, 4> kAddins = {{
    {HostOption::kWord, "WordTrelvane", "Word"},
    {HostOption::kExcel, "ExcelTrelvane", "Excel"},
    {HostOption::kAccess, "AccessTrelvane", "Access"},
    {HostOption::kPowerPoint, "PPTTrelvane", "PowerPoint"},
}};

const HostAddin* AddinOf(HostOption host) {
  for (const HostAddin& addin : kAddins) {
    if (addin.host == host)
      return &addin;
  }
  return nullptr;
}

// The tool's switches, then the file's path in quotes, since a folder may hold blanks.
void StartRegistrationTool(const Seams& seams, const SelectedHost& selected,
                           std::string_view switches) {
  const HostAddin* addin = AddinOf(selected());
  if (!addin)
    return;
  std::string command = "regsvr32 ";
  command += switches;
  command += " \"";
  command += seams.files.ProgramFolder();
  command += '\\';
  command += addin->file;
  command += ".dll\"";
  seams.launcher.StartMinimized(command);
}

std::string AddinsKey(const HostAddin& addin) {
  std::string key = "Software\\Microsoft\\Office\\";
  key += addin.office_name;
  key += "\\AddIns";
  return key;
}

std::string ProgId(const HostAddin& addin) {
  std::string id(addin.file);
  id += ".Connect";
  return id;
}

}  // namespace

void RegisterAddin(const Seams& seams, const SelectedHost& selected) {
  StartRegistrationTool(seams, selected, "/s");
  if (const HostAddin* addin = AddinOf(selected()))
    seams.registry.CreateKey(AddinsKey(*addin) + '\\' + ProgId(*addin));
}

void UnregisterAddin(const Seams& seams, const SelectedHost& selected) {
  StartRegistrationTool(seams, selected, "/u /s");
  if (const HostAddin* addin = AddinOf(selected()))
    seams.registry.DeleteSubkey(AddinsKey(*addin), ProgId(*addin));
}

}  // namespace trelvane::configurator
