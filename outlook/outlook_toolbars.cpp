// The Outlook Standard and Advanced toolbars, the boxes boxNew2 and boxNew3: icons in button
// groups, each with the old button's name as its screentip where Office's own differs, and
// disabled gaps between the groups (two blanks wide on the Standard row, one blank on the
// Advanced row). The contact box and the view list stand in the row itself, after a gap, as the
// other hosts' combo boxes do.
#include "outlook/outlook_content.h"

namespace trelvane::outlook {
namespace {

using namespace trelvane::content;

// clang-format off
constexpr Item kStandardToolbar[] = {
    Literal(R"(<box id="boxNew2" boxStyle="horizontal">)"),
    ButtonGroup(),
      Icon("NewItem"),
      Icon("MailNewItemMenu"),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      Icon("FilePrint"),
      Icon("MoveToFolderGallery", "Move to Folder"),
      Icon("Delete"),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      Icon("Reply"),
      Icon("ReplyAll", "Reply to All"),
      Icon("Forward"),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      Icon("SendReceiveAll", "Send/Receive"),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      Icon("InstantSearch", "Find"),
      Icon("AddressBook"),
    EndButtonGroup(),
    Spacer("  "),
    Icon("FindContactCombo"),
    ButtonGroup(),
      Icon("Help", "Microsoft Outlook Help"),
    EndButtonGroup(),
    Literal("</box>"),
};

constexpr Item kAdvancedToolbar[] = {
    Literal(R"(<box id="boxNew3" boxStyle="horizontal">)"),
    ButtonGroup(),
      Icon("GotoOutlookToday", "Outlook Today"),
      Icon("NavBack", "Back"),
      Icon("NavForward", "Forward"),
    EndButtonGroup(),
    Spacer(" "),
    ButtonGroup(),
      Icon("MenuPreviewPane"),
      Icon("FilePrintPreview", "Print Preview"),
    EndButtonGroup(),
    Spacer(" "),
    ButtonGroup(),
      Icon("Undo"),
      Icon("RulesAndAlerts", "Rules and Alerts"),
    EndButtonGroup(),
    Spacer(" "),
    Icon("CurrentViewGallery", "Current View"),
    ButtonGroup(),
      Icon("ToggleGroupByZone", "Group By Box"),
      Icon("FieldChooser", "Field Chooser"),
      Icon("MessagePreview", "AutoPreview"),
    EndButtonGroup(),
    Literal("</box>"),
};
// clang-format on

}  // namespace

std::span<const Item> StandardToolbar() {
  return kStandardToolbar;
}
std::span<const Item> AdvancedToolbar() {
  return kAdvancedToolbar;
}

}  // namespace trelvane::outlook
