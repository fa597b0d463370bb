// Names the configurator shows: its title and the address its messages send people to.
#pragma once

#include <string_view>

#include "core/addresses.h"

namespace trelvane::configurator {

inline constexpr std::string_view kProductName = "Trelvane";
using trelvane::kSupportAddress;  // a build setting

}  // namespace trelvane::configurator
