// AccessTrelvane.dll: the Access add-in's identity, with the members only Access has.
#include "access/access_host.h"
#include "access/win/access_extension.h"
#include "core/win/addin_identity.h"

namespace trelvane::win {

const AddinIdentity& ThisAddin() {
  static const AddinIdentity addin{
      .definition = kAccessTrelvane,
      .host = &access::AccessHost,
      .link_opening = LinkOpening::kShellOpen,
      .toggles_document_map = true,
      .extension = &MakeAccessExtension,
  };
  return addin;
}

}  // namespace trelvane::win
