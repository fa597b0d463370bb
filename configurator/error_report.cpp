#include "configurator/error_report.h"

#include "configurator/product.h"
#include "core/language_tables.h"

namespace trelvane::configurator {
namespace {

// The names the routines carry in the window, which people quote back to support.
std::string_view RoutineName(Routine routine) {
  switch (routine) {
    case Routine::kLoad:
      return "Form_Load";
    case Routine::kOk:
      return "PushButton2_Click";
    case Routine::kCancel:
      return "PushButton1_Click";
  }
  return "";
}

std::string_view ErrorReportTitle(Language language) {
  return Text(language, TextSection::kWindows, "Application Error");
}

}  // namespace

std::string ErrorReportText(Language language, std::string_view description, Routine routine,
                            int step) {
  return FormatText(Text(language, TextSection::kWindows,
                         "{0}\r\nin Trelvane2016/06/15.Form1.{1} at line {2}\r\rPlease email "
                         "screenshot of this message to {3}"),
                    {description, RoutineName(routine), std::to_string(step), kSupportAddress});
}

void ShowErrorReport(MessageBoxes& messages, Language language, std::string_view description,
                     Routine routine, int step) noexcept {
  try {
    messages.Show(ErrorReportText(language, description, routine, step), ErrorReportTitle(language),
                  MessageIcon::kExclamation);
  } catch (...) {
  }
}

}  // namespace trelvane::configurator
