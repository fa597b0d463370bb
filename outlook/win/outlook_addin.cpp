// OutlookTrelvane.dll: the Outlook add-in's identity. Outlook's windows have no document map.
#include "core/win/addin_identity.h"
#include "outlook/outlook_host.h"

namespace trelvane::win {

const AddinIdentity& ThisAddin() {
  static const AddinIdentity addin{
      .definition = kOutlookTrelvane,
      .host = &outlook::OutlookHost,
      .link_opening = LinkOpening::kShellOpen,
      .toggles_document_map = false,
  };
  return addin;
}

}  // namespace trelvane::win
