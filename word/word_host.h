// The Word add-in's host constants and content.
#pragma once

#include "core/host_profile.h"

namespace trelvane::word {

const HostProfile& WordHost();

}  // namespace trelvane::word
