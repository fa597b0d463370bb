// What later Office versions lack of the Excel content. Office 2016 stands for every version
// that reports 16.0, so a control goes there when any of the 2016, 2019 and Microsoft 365
// lists lacks it.
#include "core/version_changes.h"
#include "excel/excel_content.h"

namespace trelvane::excel {
namespace {

using namespace trelvane::content;

// clang-format off
constexpr VersionChange kChanges[] = {
    LastIn("FormulaAuditingMenu", kOffice2010),  // in no published list
    LastIn("ResearchPane", kOffice2013),
    LastIn("ReviewShowInk", kOffice2013),        // Microsoft 365 has none
};

// The Help menu's own buttons name the version of the add-in's first home.
constexpr TextChange kTextChanges[] = {
    TextAfter(kOffice2010, "About Excel 2010 Trelvane", "About Trelvane"),
    TextAfter(kOffice2010, "Uninstall Excel 2010 Trelvane", "Uninstall Trelvane"),
};
// clang-format on

}  // namespace

std::span<const VersionChange> VersionChanges() {
  return kChanges;
}

std::span<const TextChange> TextChanges() {
  return kTextChanges;
}

}  // namespace trelvane::excel
