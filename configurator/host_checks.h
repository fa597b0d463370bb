// The checks, when the options window loads, for the Office hosts the configurator needs:
// Excel is required, Word only missed. Neither throws; every failure inside is taken as the
// host being absent or, for a message, as shown.
#pragma once

#include <string>
#include <string_view>

#include "configurator/seams.h"

namespace trelvane::configurator {

inline constexpr std::string_view kWordMissingText =
    "Word is not installed on this computer. You need to have it installed to use this software "
    "without error.";

// The message shown when Excel is missing, with the support address in it.
std::string ExcelMissingText();

// True when Excel's automation server can be created. When it cannot, the Excel message has
// been shown and the caller ends the program.
bool CheckExcel(HostProbes& probes, MessageBoxes& messages) noexcept;

// Shows the Word message when Word's automation server cannot be created.
void CheckWord(HostProbes& probes, MessageBoxes& messages) noexcept;

}  // namespace trelvane::configurator
