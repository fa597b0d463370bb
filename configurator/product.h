// Names the configurator shows: its title and the address its messages send people to.
#pragma once

#include <string_view>

namespace trelvane::configurator {

inline constexpr std::string_view kProductName = "Trelvane";
inline constexpr std::string_view kSupportAddress = "support@trelvane.example";

}  // namespace trelvane::configurator
