// What later Office versions lack of the PowerPoint content, or know under another id. Office
// 2016 stands for every version that reports 16.0, so a control goes there when any of the
// 2016, 2019 and Microsoft 365 lists lacks it.
#include "core/version_changes.h"
#include "powerpoint/powerpoint_content.h"

namespace trelvane::powerpoint {
namespace {

using namespace trelvane::content;

// clang-format off
constexpr VersionChange kChanges[] = {
    RenamedAfter("ViewNormalViewPowerPoint", kOffice2010, "ViewSlideView"),  // View › Normal
    LastIn("FileCreateDocumentWorkspace", kOffice2010),
    LastIn("DocumentPanelTemplate", kOffice2013),
    LastIn("ResearchPane", kOffice2013),
};

// The Help menu's own buttons name the version of the add-in's first home.
constexpr TextChange kTextChanges[] = {
    TextAfter(kOffice2010, "About PowerPoint 2010 Trelvane", "About Trelvane"),
    TextAfter(kOffice2010, "Uninstall PowerPoint 2010 Trelvane", "Uninstall Trelvane"),
};
// clang-format on

}  // namespace

std::span<const VersionChange> VersionChanges() {
  return kChanges;
}

std::span<const TextChange> TextChanges() {
  return kTextChanges;
}

}  // namespace trelvane::powerpoint
