#include "configurator/host_checks.h"

#include "core/ascii_case.h"
#include "core/language_tables.h"

namespace trelvane::configurator {
namespace {

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos)
    return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::string_view NoHostText(Language language) {
  return Text(language, TextSection::kWindows,
              "Trelvane adds its Classic tab to Microsoft Word, Excel, PowerPoint, Access and "
              "Outlook, and none of them is installed on this computer.");
}

std::string ServerProgram(std::string_view command_line) {
  const std::string_view line = Trimmed(command_line);
  if (line.starts_with('"')) {
    const auto close = line.find('"', 1);
    return std::string(
        Trimmed(line.substr(1, close == std::string_view::npos ? close : close - 1)));
  }
  constexpr std::string_view kExe = ".exe";
  for (std::size_t at = 0; at + kExe.size() <= line.size(); ++at) {
    const std::size_t end = at + kExe.size();
    if (EqualsIgnoringAsciiCase(line.substr(at, kExe.size()), kExe) &&
        (end == line.size() || line[end] == ' ' || line[end] == '\t'))
      return std::string(line.substr(0, end));
  }
  return std::string(line);
}

bool IsInstalled(const HostChoice& host, HostProbes& probes, FileSystem& files) noexcept {
  try {
    for (const std::string& command : probes.LocalServers(host.prog_id)) {
      const std::string program = ServerProgram(command);
      if (!program.empty() && files.FileExists(program))
        return true;
    }
  } catch (...) {
  }
  return false;
}

}  // namespace trelvane::configurator
