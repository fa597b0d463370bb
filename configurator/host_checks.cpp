#include "configurator/host_checks.h"

#include "configurator/product.h"

namespace trelvane::configurator {
namespace {

// A probe that throws is as good as one that found nothing.
template <typename Probe>
bool Present(Probe probe) noexcept {
  try {
    return probe();
  } catch (...) {
    return false;
  }
}

void ShowQuietly(MessageBoxes& messages, std::string_view text) noexcept {
  try {
    messages.Show(text, kProductName, MessageIcon::kNone);
  } catch (...) {
  }
}

}  // namespace

std::string ExcelMissingText() {
  std::string text =
      "Error -214878392\r\n\r\nExcel is required to run this software. It is not installed on "
      "this computer.\r\n\r\nPlease email a screenshot of this error message to ";
  text += kSupportAddress;
  text += " if you have any questions.";
  return text;
}

bool CheckExcel(HostProbes& probes, MessageBoxes& messages) noexcept {
  if (Present([&] { return probes.CreateExcel(); }))
    return true;
  try {
    ShowQuietly(messages, ExcelMissingText());
  } catch (...) {  // the text itself could not be made
  }
  return false;
}

void CheckWord(HostProbes& probes, MessageBoxes& messages) noexcept {
  if (!Present([&] { return probes.CreateAndQuitWord(); }))
    ShowQuietly(messages, kWordMissingText);
}

}  // namespace trelvane::configurator
