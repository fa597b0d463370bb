#include "excel/excel_host.h"

#include "excel/excel_content.h"
#include "excel/excel_tabs.h"

namespace trelvane::excel {

const HostProfile& ExcelHost() {
  static const HostProfile host{
      .host_word = "Excel",
      .application_name = "Microsoft Excel",
      .tabs = kTabs,
      .forms = EmitterForms::kBase,
      .all_menu_start_tag = R"(<menu id="AddAll0" label="All">)",
      .spacer_after_all_menu = " ",
      .content = {MenuBar(), StandardToolbar(), FormattingToolbar()},
      .version_changes = VersionChanges(),
      .text_changes = TextChanges(),
  };
  return host;
}

}  // namespace trelvane::excel
