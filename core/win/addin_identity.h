// What makes one add-in DLL itself: its class identity, its Office host and the few ways its
// callbacks differ. Each add-in defines ThisAddin() once; the shared server reads it.
#pragma once

#include <windows.h>

#include "core/host_profile.h"
#include "core/win/addin_extension.h"

namespace trelvane::win {

// How the About window's link opens the web site.
enum class LinkOpening {
  kExplorerCommand,  // start `explorer "<address>"`, minimized
  kShellOpen,        // the shell's "open" on the address
};

// CLSIDs are fixed for good once released: Excel {E45C63E8-2FF1-4F13-A3F9-0432667993BF},
// Word {0A800EAC-46B7-4F35-9A76-A545B7A7D460}; kept for PowerPoint
// {CC0454C0-3498-47CA-9ABD-EC8A2C2296A0} and Access {C4B2A3C9-E909-4B5C-BBDE-28F7DCD4A115}.
struct AddinIdentity {
  CLSID clsid;
  const wchar_t* prog_id;             // "ExcelTrelvane.Connect"
  const wchar_t* office_application;  // "Excel": the key under Software\Microsoft\Office
  const HostProfile& (*host)();       // the content and texts
  const wchar_t* description;         // shown in the host's COM add-ins list
  LinkOpening link_opening;
  bool toggles_document_map;             // offers the Document0 callback
  ExtensionFactory extension = nullptr;  // the host's own members, where it has any
};

const AddinIdentity& ThisAddin();

}  // namespace trelvane::win
