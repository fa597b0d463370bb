// What makes one add-in DLL itself: its class identity, its Office host and the few ways its
// callbacks differ. Each add-in defines ThisAddin() once; the shared server reads it.
#pragma once

#include <windows.h>

#include "core/host_profile.h"

namespace trelvane::win {

// How the About window's link opens the web site.
enum class LinkOpening {
  kExplorerCommand,  // start `explorer "<address>"`, minimized
  kShellOpen,        // the shell's "open" on the address
};

struct AddinIdentity {
  CLSID clsid;                        // fixed for good once released
  const wchar_t* prog_id;             // "ExcelTrelvane.Connect"
  const wchar_t* office_application;  // "Excel": the key under Software\Microsoft\Office
  const HostProfile& (*host)();       // the content and texts
  const wchar_t* description;         // shown in the host's COM add-ins list
  LinkOpening link_opening;
  bool toggles_document_map;  // offers the Document0 callback
};

const AddinIdentity& ThisAddin();

}  // namespace trelvane::win
