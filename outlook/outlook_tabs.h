// Outlook's built-in tabs in its main window, in table order: what its add-in hides. A tab's
// display name is also its settings key. Outlook has a Home tab for each module, of which one
// shows at a time; the Home key hides them all, and the Groups one only in the versions that have
// it (2016 and later). The Help tab is no row here: only 2019 and later have it, and they report
// the same version, 16.0, as 2016, which lacks it; hiding every tab still takes it away, as the
// ribbon then starts from scratch.
#pragma once

#include "core/host_tab.h"

namespace trelvane::outlook {

inline constexpr TabIdMso kHomeTabs[] = {
    {"TabMail"},
    {"TabCalendar"},
    {"TabCalendarTableView"},
    {"TabContacts"},
    {"TabTasks"},
    {"TabNotes"},
    {"TabJournals"},
    {"TabHomeGroup", OfficeVersion::kOffice2016},
};

inline constexpr HostTab kTabs[] = {
    {.name = "Home", .id_msos = kHomeTabs},
    {"Send / Receive", "TabSendReceive"},
    {"Folder", "TabFolder"},
    {"View", "TabView"},
    {"Developer", "TabDeveloper"},
    {"Add-ins", "TabAddIns"},
};

}  // namespace trelvane::outlook
