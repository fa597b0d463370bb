// A host's content as one Office version can show it: the controls that version does not know
// are left out, those it knows under another id take that id, and the list is tidied so that it
// still reads as the user expects: no menu or button group left empty, no separator or gap
// doubled, and none left first or last in its menu where the full list had none there.
#pragma once

#include <deque>
#include <span>
#include <string>
#include <vector>

#include "core/content.h"
#include "core/content_lists.h"
#include "core/office_version.h"
#include "core/version_changes.h"

namespace trelvane {

// `items` with their includes written out, as they stand.
std::vector<Item> ItemsWrittenOut(std::span<const Item> items);

// `items` with their includes written out, for `version`. Nothing but the changes' controls
// and what they leave empty or doubled is taken out, so a version that every change postdates
// gets the list unchanged.
std::vector<Item> ItemsForVersion(std::span<const Item> items,
                                  std::span<const VersionChange> changes, OfficeVersion version);

// `items` (written out) with our own texts that `version` shows otherwise changed; the new
// literal tags are kept in `texts`.
void ChangeTextsForVersion(std::vector<Item>& items, std::span<const TextChange> changes,
                           OfficeVersion version, std::deque<std::string>& texts);

// A host's content lists for one version: the tables themselves where no change applies to it.
class VersionedContent final : public ContentLists {
 public:
  VersionedContent(const HostContent& content, std::span<const VersionChange> changes,
                   std::span<const TextChange> text_changes, OfficeVersion version);
};

}  // namespace trelvane
