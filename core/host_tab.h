// One built-in tab of a host: its display name, which is also its settings key, and the tab or
// tabs that key hides. Most keys hide one tab. Outlook's Home hides the Home tab of every module,
// and one of those only later versions have: a tab is named only in the documents of the
// versions that know it.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "core/office_version.h"

namespace trelvane {

struct TabIdMso {
  std::string_view id_mso;
  OfficeVersion first_known = OfficeVersion::kOffice2010;  // the first version that has the tab
};

struct HostTab {
  std::string_view name;
  std::string_view id_mso = {};            // the one tab the key hides, or
  std::span<const TabIdMso> id_msos = {};  // the tabs it hides, in order
};

// The tabs `tab` stands for in `version`, in order.
inline std::vector<std::string_view> TabIdMsos(const HostTab& tab, OfficeVersion version) {
  if (tab.id_msos.empty())
    return {tab.id_mso};
  std::vector<std::string_view> known;
  for (const TabIdMso& each : tab.id_msos) {
    if (MajorNumber(version) >= MajorNumber(each.first_known))
      known.push_back(each.id_mso);
  }
  return known;
}

}  // namespace trelvane
