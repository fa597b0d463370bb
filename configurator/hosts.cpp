#include "configurator/hosts.h"

#include "access/access_tabs.h"
#include "excel/excel_tabs.h"
#include "outlook/outlook_tabs.h"
#include "powerpoint/powerpoint_tabs.h"
#include "word/word_tabs.h"

namespace trelvane::configurator {
namespace {

constexpr HostChoice kChoices[] = {
    {HostOption::kWord, " Word", "Word.Application", "Word", word::kTabs},
    {HostOption::kExcel, "Excel", "Excel.Application", "Excel", excel::kTabs},
    {HostOption::kAccess, "Access", "Access.Application", "Access", access::kTabs},
    {HostOption::kPowerPoint, "PowerPoint", "PowerPoint.Application", "PowerPoint",
     powerpoint::kTabs},
    {HostOption::kOutlook, "Outlook", "Outlook.Application", "Outlook", outlook::kTabs},
};
static_assert(std::size(kChoices) == kHostCount);

}  // namespace

std::span<const HostChoice> HostChoices() {
  return kChoices;
}

bool IsHost(HostOption host) {
  const int number = static_cast<int>(host);
  return number >= 1 && number <= kHostCount;
}

const HostChoice& ChoiceOf(HostOption host) {
  return kChoices[IsHost(host) ? static_cast<int>(host) - 1 : 0];
}

}  // namespace trelvane::configurator
