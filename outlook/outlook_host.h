// The Outlook add-in's host constants and content.
#pragma once

#include "core/host_profile.h"

namespace trelvane::outlook {

const HostProfile& OutlookHost();

}  // namespace trelvane::outlook
