// The language an add-in writes its own texts in: Office's UI language, read from the host once
// per build like the version.
#pragma once

#include <cstdint>
#include <optional>

#include "core/language.h"

namespace trelvane {

class HostApplication;

// Office's UI language; where the host cannot say it, `system_language` (Windows' UI language,
// where there is one); where neither, English.
Language ReadOfficeLanguage(HostApplication& host, std::optional<std::uint32_t> system_language);

}  // namespace trelvane
