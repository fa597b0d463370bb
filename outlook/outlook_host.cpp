#include "outlook/outlook_host.h"

#include "outlook/outlook_content.h"
#include "outlook/outlook_tabs.h"

namespace trelvane::outlook {

const HostProfile& OutlookHost() {
  static const HostProfile host{
      .host_word = "Outlook",
      .application_name = "Outlook",
      // Outlook asks once for each kind of window; the message, appointment and contact windows
      // keep their own ribbons.
      .ribbon_id = "Microsoft.Outlook.Explorer",
      .tabs = kTabs,
      // The first of the modules' Home tabs in Outlook's order, so the Classic tab comes before
      // whichever of them shows.
      .home_tab_id_mso = "TabMail",
      .forms = EmitterForms::kExtended,
      .all_menu_start_tag = {},  // BeginMenu("All")
      .spacer_after_all_menu = " ",
      // The Advanced toolbar takes the place the other hosts give their Formatting toolbar.
      .content = {MenuBar(), StandardToolbar(), AdvancedToolbar()},
  };
  return host;
}

}  // namespace trelvane::outlook
