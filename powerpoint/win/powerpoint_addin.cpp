// PPTTrelvane.dll: the PowerPoint add-in's identity. PowerPoint's windows have no document map,
// so Document0 answers with the failure PowerPoint gives for the missing member.
#include "core/win/addin_identity.h"
#include "powerpoint/powerpoint_host.h"

namespace trelvane::win {

const AddinIdentity& ThisAddin() {
  static const AddinIdentity addin{
      .definition = kPPTTrelvane,
      .host = &powerpoint::PowerPointHost,
      .link_opening = LinkOpening::kShellOpen,
      .toggles_document_map = true,
  };
  return addin;
}

}  // namespace trelvane::win
