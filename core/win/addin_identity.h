// What makes one add-in DLL itself: its class identity, its Office host and the few ways its
// callbacks differ. Each add-in defines ThisAddin() once; the shared server reads it.
#pragma once

#include <windows.h>

#include "core/host_profile.h"
#include "core/win/addin_definitions.h"
#include "core/win/addin_extension.h"

namespace trelvane::win {

// How the About window's link opens the web site.
enum class LinkOpening {
  kExplorerCommand,  // start `explorer "<address>"`, minimized
  kShellOpen,        // the shell's "open" on the address
};

struct AddinIdentity {
  const AddinDefinition& definition;  // CLSID, ProgID, host key and names, shared with the package
  const HostProfile& (*host)();       // the content and texts
  LinkOpening link_opening;
  bool toggles_document_map;             // offers the Document0 callback
  ExtensionFactory extension = nullptr;  // the host's own members, where it has any
};

const AddinIdentity& ThisAddin();

}  // namespace trelvane::win
