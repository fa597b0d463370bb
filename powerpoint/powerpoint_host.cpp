#include "powerpoint/powerpoint_host.h"

#include "powerpoint/powerpoint_content.h"
#include "powerpoint/powerpoint_tabs.h"

namespace trelvane::powerpoint {

const HostProfile& PowerPointHost() {
  static const HostProfile host{
      .host_word = "PowerPoint",
      .application_name = "Microsoft PowerPoint",
      .tabs = kTabs,
      .forms = EmitterForms::kExtended,
      .all_menu_start_tag = {},  // BeginMenu("All")
      // EndMenu adds no gap inside the All menu, so the gap after it is written here, and wider.
      .spacer_after_all_menu = "  ",
      .content = {MenuBar(), StandardToolbar(), FormattingToolbar()},
      .version_changes = VersionChanges(),
      .text_changes = TextChanges(),
  };
  return host;
}

}  // namespace trelvane::powerpoint
