#include "configurator/error_report.h"

#include "configurator/product.h"

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

}  // namespace

std::string ErrorReportText(std::string_view description, Routine routine, int step) {
  std::string text(description);
  text += "\r\nin Trelvane2016/06/15.Form1.";
  text += RoutineName(routine);
  text += " at line ";
  text += std::to_string(step);
  text += "\r\rPlease email screenshot of this message to ";
  text += kSupportAddress;
  return text;
}

void ShowErrorReport(MessageBoxes& messages, std::string_view description, Routine routine,
                     int step) noexcept {
  try {
    messages.Show(ErrorReportText(description, routine, step), kErrorReportTitle,
                  MessageIcon::kExclamation);
  } catch (...) {
  }
}

}  // namespace trelvane::configurator
