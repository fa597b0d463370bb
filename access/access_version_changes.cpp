// What later Office versions lack of the Access content, in the document and in the dynamic
// menus alike. PivotTable and PivotChart views and the SQL Server move went with Access 2013;
// the others are in no published Access list. Office 2016 stands for every version that
// reports 16.0, so a control goes there when any of the 2016, 2019 and Microsoft 365 lists
// lacks it (Contact Us is back in 2019, but not in 2016).
#include "access/access_content.h"
#include "core/version_changes.h"

namespace trelvane::access {
namespace {

using namespace trelvane::content;

// clang-format off
constexpr VersionChange kChanges[] = {
    LastIn("ViewsPivotTableView", kOffice2010),
    LastIn("ViewsPivotChartView", kOffice2010),
    LastIn("CreateFormPivotChart", kOffice2010),
    LastIn("PivotChartSortByTotalAscending", kOffice2010),
    LastIn("PivotChartSortByTotalDescending", kOffice2010),
    LastIn("DatabaseSQLServer", kOffice2010),
    LastIn("MacroSecurity", kOffice2010),
    LastIn("ActiveXLabel", kOffice2010),
    LastIn("AutoCorrectOptionsDialog", kOffice2010),
    LastIn("ContactUs", kOffice2010),
    LastIn("CheckForUpdates", kOffice2010),
};

// The Help menu's own buttons name the version of the add-in's first home.
constexpr TextChange kTextChanges[] = {
    TextAfter(kOffice2010, "About Access 2010 Trelvane", "About Trelvane"),
    TextAfter(kOffice2010, "Uninstall Access 2010 Trelvane", "Uninstall Trelvane"),
};
// clang-format on

}  // namespace

std::span<const VersionChange> VersionChanges() {
  return kChanges;
}

std::span<const TextChange> TextChanges() {
  return kTextChanges;
}

}  // namespace trelvane::access
