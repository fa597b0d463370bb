// The Access add-in's host constants and content.
#pragma once

#include "core/host_profile.h"

namespace trelvane::access {

const HostProfile& AccessHost();

}  // namespace trelvane::access
