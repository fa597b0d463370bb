// What later Office versions no longer know of a host's content, as data beside the content:
// each row names an idMso, the last version that knows it, and the id that later versions give
// the same command, where they give one. The rows come from Microsoft's published control lists
// (third_party/office-control-ids); Office 2010 knows every id of the content.
#pragma once

#include <span>
#include <string_view>

#include "core/office_version.h"

namespace trelvane {

struct VersionChange {
  std::string_view id_mso;
  OfficeVersion last_known;            // the last version that knows id_mso
  std::string_view later_id_mso = {};  // what the versions after it call the command, if any
};

namespace content {

// A control that no version after `last_known` has.
constexpr VersionChange LastIn(std::string_view id_mso, OfficeVersion last_known) {
  return {.id_mso = id_mso, .last_known = last_known};
}

// A control that the versions after `last_known` know as `later_id_mso`.
constexpr VersionChange RenamedAfter(std::string_view id_mso, OfficeVersion last_known,
                                     std::string_view later_id_mso) {
  return {.id_mso = id_mso, .last_known = last_known, .later_id_mso = later_id_mso};
}

inline constexpr OfficeVersion kOffice2010 = OfficeVersion::kOffice2010;
inline constexpr OfficeVersion kOffice2013 = OfficeVersion::kOffice2013;

}  // namespace content
}  // namespace trelvane
