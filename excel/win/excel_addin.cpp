// ExcelTrelvane.dll: the Excel add-in's identity.
#include "core/win/addin_identity.h"
#include "excel/excel_host.h"

namespace trelvane::win {

const AddinIdentity& ThisAddin() {
  static const AddinIdentity addin{
      .definition = kExcelTrelvane,
      .host = &excel::ExcelHost,
      .link_opening = LinkOpening::kExplorerCommand,
      .toggles_document_map = false,
  };
  return addin;
}

}  // namespace trelvane::win
