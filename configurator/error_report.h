// The configurator's error report: what the options window shows when a step of one of its
// routines fails, before it goes on with the next step.
#pragma once

#include <string>
#include <string_view>

#include "configurator/seams.h"
#include "core/language.h"

namespace trelvane::configurator {

// The options window's routines that number their steps.
enum class Routine { kLoad, kOk, kCancel };

// The failure's description, the routine and the step that failed, and where to send it, in
// `language` (the description is the failure's own).
std::string ErrorReportText(Language language, std::string_view description, Routine routine,
                            int step);

// Shows the report with a warning icon. Never throws: a report that cannot be shown is lost
// rather than ending the routine it reports on.
void ShowErrorReport(MessageBoxes& messages, Language language, std::string_view description,
                     Routine routine, int step) noexcept;

}  // namespace trelvane::configurator
