// The content of the Access dynamic menus, built when Access asks for it: a small menu document
// whose items follow the kind of the active object. Requests share the writer, and so the id
// counters, with the ribbon document: the counters are never reset here, so no id repeats while
// the host runs.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "access/access_content.h"
#include "core/host_application.h"
#include "core/language.h"
#include "core/markup_writer.h"
#include "core/office_version.h"

namespace trelvane::access {

struct NamedDynamicMenu {
  std::string_view name;      // "Edit": the menu's label and the stem of its callbacks' names
  std::string_view callback;  // "OnGetContentEdit"
  DynamicMenu menu;
};

// All six, in the order of the bar.
std::span<const NamedDynamicMenu> DynamicMenus();

// The menu whose name is `name`, compared without regard to ASCII case.
std::optional<DynamicMenu> DynamicMenuNamed(std::string_view name);

// Reads the kind once, writes `<menu xmlns="NS">`, the items for that kind as `version` shows
// them in `language` and `</menu>` into `writer` (replacing its text) and returns a copy. The
// version and the language are those of the document the menu belongs to, so the host is not
// asked for them again. Throws BuildFailure when the host cannot say the kind or an emitter fails.
std::string BuildMenuContent(DynamicMenu menu, HostApplication& host, MarkupWriter& writer,
                             OfficeVersion version, Language language);

}  // namespace trelvane::access
