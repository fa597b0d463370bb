#include "core/office_language.h"

#include "core/failure.h"
#include "core/host_application.h"

namespace trelvane {

Language ReadOfficeLanguage(HostApplication& host, std::optional<std::uint32_t> system_language) {
  try {
    return LanguageOfLcid(host.UiLanguageId());
  } catch (const BuildFailure&) {
  }
  return system_language ? LanguageOfLcid(*system_language) : Language::kEnglish;
}

}  // namespace trelvane
