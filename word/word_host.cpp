#include "word/word_host.h"

#include "word/word_content.h"
#include "word/word_tabs.h"

namespace trelvane::word {

const HostProfile& WordHost() {
  static const HostProfile host{
      .host_word = "Word",
      .application_name = "Microsoft Word",
      .tabs = kTabs,
      .forms = EmitterForms::kExtended,
      .all_menu_start_tag = {},  // BeginMenu("All")
      .spacer_after_all_menu = std::nullopt,
      .content = {MenuBar(), StandardToolbar(), FormattingToolbar()},
      .version_changes = VersionChanges(),
  };
  return host;
}

}  // namespace trelvane::word
