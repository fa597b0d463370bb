// The Office hosts as the configurator offers them: the option's caption, the automation
// class that tells whether the host is installed, the host's name among the add-ins, and its
// built-in tabs, which are the tab boxes shown while it is chosen.
#pragma once

#include <span>
#include <string_view>

#include "core/host_tab.h"

namespace trelvane::configurator {

// The host number stored under "Option": 1 Word, 2 Excel, 3 Access, 4 PowerPoint, 5 Outlook.
enum class HostOption { kWord = 1, kExcel = 2, kAccess = 3, kPowerPoint = 4, kOutlook = 5 };
inline constexpr int kHostCount = 5;

struct HostChoice {
  HostOption host;
  std::string_view caption;  // " Word" (leading blank), "Excel", "Access", "PowerPoint", ...
  std::string_view prog_id;  // "Word.Application", ...
  std::string_view
      office;  // its key under Software\Microsoft\Office, as the add-ins' table names it
  std::span<const HostTab> tabs;
};

// Word, Excel, Access, PowerPoint, Outlook: the order of the options and of every test of them.
std::span<const HostChoice> HostChoices();
// The host's entry; Word's for a number outside 1 to 5.
const HostChoice& ChoiceOf(HostOption host);
bool IsHost(HostOption host);

}  // namespace trelvane::configurator
