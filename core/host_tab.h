// One built-in tab of a host: its display name, which is also its settings key, and its idMso.
#pragma once

#include <string_view>

namespace trelvane {

struct HostTab {
  std::string_view name;
  std::string_view id_mso;
};

}  // namespace trelvane
