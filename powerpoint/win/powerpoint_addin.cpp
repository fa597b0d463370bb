// PPTTrelvane.dll: the PowerPoint add-in's identity. PowerPoint's windows have no document map,
// so Document0 answers with the failure PowerPoint gives for the missing member.
#include "core/win/addin_identity.h"
#include "powerpoint/powerpoint_host.h"

namespace trelvane::win {

const AddinIdentity& ThisAddin() {
  static const AddinIdentity addin{
      // {CC0454C0-3498-47CA-9ABD-EC8A2C2296A0}
      .clsid = {0xCC0454C0, 0x3498, 0x47CA, {0x9A, 0xBD, 0xEC, 0x8A, 0x2C, 0x22, 0x96, 0xA0}},
      .prog_id = L"PPTTrelvane.Connect",
      .office_application = L"PowerPoint",
      .host = &powerpoint::PowerPointHost,
      .description = L"Adds the Classic tab: the menus and toolbars of earlier PowerPoint versions",
      .link_opening = LinkOpening::kShellOpen,
      .toggles_document_map = true,
  };
  return addin;
}

}  // namespace trelvane::win
