// The Excel add-in's host constants and content.
#pragma once

#include "core/host_profile.h"

namespace trelvane::excel {

const HostProfile& ExcelHost();

}  // namespace trelvane::excel
