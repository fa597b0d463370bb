// The PowerPoint add-in's host constants and content.
#pragma once

#include "core/host_profile.h"

namespace trelvane::powerpoint {

const HostProfile& PowerPointHost();

}  // namespace trelvane::powerpoint
