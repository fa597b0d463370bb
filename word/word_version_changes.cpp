// What later Office versions lack of the Word content: nothing, every id of it is in the 2013,
// 2016, 2019 and Microsoft 365 lists.
#include "core/version_changes.h"
#include "word/word_content.h"

namespace trelvane::word {

std::span<const VersionChange> VersionChanges() {
  return {};
}

}  // namespace trelvane::word
