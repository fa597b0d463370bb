// Registering and unregistering the selected host's add-in when OK is pressed, for the current
// user, in both registry views: each build of the add-in that the program's folder holds (the
// 32-bit one beside the configurator, the 64-bit one in x64\) is registered in its own view, as
// the package registers them; no registration tool and no process of the other bitness is
// needed. A refusal of the registry is the step's failure, which the options window reports.
#pragma once

#include <functional>

#include "configurator/options_window.h"
#include "configurator/seams.h"

namespace trelvane::configurator {

// Asked afresh by each step, so that each step acts on the host selected when it runs.
using SelectedHost = std::function<HostOption()>;

// Each build whose file is there, registered in its view; a build that is missing is left out
// (the 32-bit Windows package has no x64 folder), and with none there nothing is registered.
void RegisterAddin(const Seams& seams, const SelectedHost& selected);

// Both views, whatever the folder holds. Harmless when the add-in is not registered.
void UnregisterAddin(const Seams& seams, const SelectedHost& selected);

// The add-in of the host, from the add-ins' table; null for none.
const AddinEntry* AddinOf(HostOption host);

}  // namespace trelvane::configurator
