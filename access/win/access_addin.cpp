// AccessTrelvane.dll: the Access add-in's identity, with the members only Access has.
#include "access/access_host.h"
#include "access/win/access_extension.h"
#include "core/win/addin_identity.h"

namespace trelvane::win {

const AddinIdentity& ThisAddin() {
  static const AddinIdentity addin{
      // {C4B2A3C9-E909-4B5C-BBDE-28F7DCD4A115}
      .clsid = {0xC4B2A3C9, 0xE909, 0x4B5C, {0xBB, 0xDE, 0x28, 0xF7, 0xDC, 0xD4, 0xA1, 0x15}},
      .prog_id = L"AccessTrelvane.Connect",
      .office_application = L"Access",
      .host = &access::AccessHost,
      .description = L"Adds the Classic tab: the menus and toolbars of earlier Access versions",
      .link_opening = LinkOpening::kShellOpen,
      .toggles_document_map = true,
      .extension = &MakeAccessExtension,
  };
  return addin;
}

}  // namespace trelvane::win
