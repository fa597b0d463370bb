// Registering and unregistering the selected host's add-in when OK is pressed: the Windows
// registration tool on the add-in file beside the configurator, then the host's add-in key
// under HKEY_LOCAL_MACHINE. Nothing is examined or reported; the tool is not waited for.
#pragma once

#include <functional>

#include "configurator/options_window.h"
#include "configurator/seams.h"

namespace trelvane::configurator {

// Asked afresh by each step, so that each step acts on the host selected when it runs.
using SelectedHost = std::function<HostOption()>;

// "regsvr32 /s" on the add-in file, then the host's add-in key (its AddIns key and the
// ProgID) is created.
void RegisterAddin(const Seams& seams, const SelectedHost& selected);

// "regsvr32 /u /s" on the add-in file, then the ProgID's key is deleted from the host's AddIns
// key. Harmless when the add-in is not registered.
void UnregisterAddin(const Seams& seams, const SelectedHost& selected);

}  // namespace trelvane::configurator
