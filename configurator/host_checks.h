// Which Office hosts are installed, found in the registry: a host counts when its automation
// class is registered and the file of the class's local server exists. No host is started.
#pragma once

#include <string>
#include <string_view>

#include "configurator/hosts.h"
#include "configurator/seams.h"
#include "core/language.h"

namespace trelvane::configurator {

// Shown, with the product's title, when none of the hosts is installed; the program ends.
std::string_view NoHostText(Language language);

// The program file of a local server's command line: the quoted part when it starts with a
// quote, else everything up to and including the first ".exe" (paths with blanks are often
// registered unquoted), else the whole line; blanks around it dropped.
std::string ServerProgram(std::string_view command_line);

// Whether one of the class's local servers is a file that exists. Never throws: a failing probe
// counts as the host being absent.
bool IsInstalled(const HostChoice& host, HostProbes& probes, FileSystem& files) noexcept;

}  // namespace trelvane::configurator
