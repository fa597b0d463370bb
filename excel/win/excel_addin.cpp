// ExcelTrelvane.dll: the Excel add-in's identity.
#include "core/win/addin_identity.h"
#include "excel/excel_host.h"

namespace trelvane::win {

const AddinIdentity& ThisAddin() {
  static const AddinIdentity addin{
      // {E45C63E8-2FF1-4F13-A3F9-0432667993BF}
      .clsid = {0xE45C63E8, 0x2FF1, 0x4F13, {0xA3, 0xF9, 0x04, 0x32, 0x66, 0x79, 0x93, 0xBF}},
      .prog_id = L"ExcelTrelvane.Connect",
      .office_application = L"Excel",
      .host = &excel::ExcelHost,
      .description = L"Adds the Classic tab: the menus and toolbars of earlier Excel versions",
      .link_opening = LinkOpening::kExplorerCommand,
      .toggles_document_map = false,
  };
  return addin;
}

}  // namespace trelvane::win
