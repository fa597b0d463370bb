// Checks of the Windows layer's parts on their own, away from any add-in DLL.
#pragma once

#include "tests/win/check.h"

namespace trelvane::wintest {

void CheckTextConversion(CheckList& checks);
void CheckRegistryStore(CheckList& checks);
void CheckFailureCodes(CheckList& checks);
void CheckDispatchHost(CheckList& checks);
void CheckRegistrationPlaces(CheckList& checks);

}  // namespace trelvane::wintest
