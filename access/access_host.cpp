#include "access/access_host.h"

#include "access/access_content.h"
#include "access/access_tabs.h"

namespace trelvane::access {

const HostProfile& AccessHost() {
  static const HostProfile host{
      .host_word = "Access",
      .application_name = "Microsoft Access",
      .tabs = kTabs,
      // The ribbon object comes back through onLoad; the refresh timer needs it.
      .root_tag_end = R"( onLoad="ribbonLoaded">)",
      .home_tab_id_mso = "TabHomeAccess",
      .forms = EmitterForms::kExtended,
      .all_menu_start_tag = {},  // BeginMenu("All")
      .spacer_after_all_menu = "  ",
      .content = {MenuBar(), StandardToolbar(), FormattingToolbar(), ToolboxGroup()},
      .version_changes = VersionChanges(),
      .text_changes = TextChanges(),
  };
  return host;
}

}  // namespace trelvane::access
