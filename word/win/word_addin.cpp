// WordTrelvane.dll: the Word add-in's identity.
#include "core/win/addin_identity.h"
#include "word/word_host.h"

namespace trelvane::win {

const AddinIdentity& ThisAddin() {
  static const AddinIdentity addin{
      // {0A800EAC-46B7-4F35-9A76-A545B7A7D460}
      .clsid = {0x0A800EAC, 0x46B7, 0x4F35, {0x9A, 0x76, 0xA5, 0x45, 0xB7, 0xA7, 0xD4, 0x60}},
      .prog_id = L"WordTrelvane.Connect",
      .office_application = L"Word",
      .host = &word::WordHost,
      .description = L"Adds the Classic tab: the menus and toolbars of earlier Word versions",
      .link_opening = LinkOpening::kShellOpen,
      .toggles_document_map = true,
  };
  return addin;
}

}  // namespace trelvane::win
