// WordTrelvane.dll: the Word add-in's identity.
#include "core/win/addin_identity.h"
#include "word/word_host.h"

namespace trelvane::win {

const AddinIdentity& ThisAddin() {
  static const AddinIdentity addin{
      .definition = kWordTrelvane,
      .host = &word::WordHost,
      .link_opening = LinkOpening::kShellOpen,
      .toggles_document_map = true,
  };
  return addin;
}

}  // namespace trelvane::win
