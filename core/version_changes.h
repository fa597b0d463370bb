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

// A text of our own that names an Office version, and what the versions after `last_known` show
// instead: "About Excel 2010 Trelvane" is "About Trelvane" from Office 2013 on. Only the English
// text is named; other languages' tables name no version at all.
struct TextChange {
  std::string_view text;
  OfficeVersion last_known;
  std::string_view later_text;
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

// Our own `text`, shown as `later_text` by the versions after `last_known`.
constexpr TextChange TextAfter(OfficeVersion last_known, std::string_view text,
                               std::string_view later_text) {
  return {.text = text, .last_known = last_known, .later_text = later_text};
}

inline constexpr OfficeVersion kOffice2010 = OfficeVersion::kOffice2010;
inline constexpr OfficeVersion kOffice2013 = OfficeVersion::kOffice2013;

}  // namespace content
}  // namespace trelvane
