// What the Access add-in adds to the shared Connect: the onLoad callback that keeps the ribbon
// and starts the refresh, the public InvalidateRibbon and oRibbon, and the getVisible and
// getContent callbacks, each asking Access afresh through the late-bound Application.
#pragma once

#include <memory>

#include "core/win/addin_extension.h"

namespace trelvane::win {

std::unique_ptr<AddinExtension> MakeAccessExtension(const ConnectParts& parts);

}  // namespace trelvane::win
