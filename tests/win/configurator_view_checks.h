// The options window in this process, over stand-in seams: what can only be seen from inside,
// its fonts, its pointer, its tab order and its default button.
#pragma once

#include "tests/win/check.h"

namespace trelvane::wintest {

void CheckView(CheckList& checks);

}  // namespace trelvane::wintest
