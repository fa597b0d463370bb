// The configurator's error report: what the options window shows when a step of one of its
// routines fails, before it goes on with the next step.
#pragma once

#include <string>
#include <string_view>

#include "configurator/seams.h"

namespace trelvane::configurator {

// The options window's routines that number their steps.
enum class Routine { kLoad, kOk, kCancel };

inline constexpr std::string_view kErrorReportTitle = "Application Error";

// The failure's description, the routine and the step that failed, and where to send it.
std::string ErrorReportText(std::string_view description, Routine routine, int step);

// Shows the report with a warning icon. Never throws: a report that cannot be shown is lost
// rather than ending the routine it reports on.
void ShowErrorReport(MessageBoxes& messages, std::string_view description, Routine routine,
                     int step) noexcept;

}  // namespace trelvane::configurator
