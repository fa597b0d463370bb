// The Office version an add-in writes its document for, from the host's Application.Version
// ("14.0" for Office 2010, "15.0" for 2013, "16.0" for 2016, 2019, 2021 and Microsoft 365).
#pragma once

#include <cstdint>
#include <string_view>

namespace trelvane {

class HostApplication;

enum class OfficeVersion : std::uint8_t {
  kOffice2010 = 14,
  kOffice2013 = 15,
  kOffice2016 = 16,  // and every later Office: they all report 16.0
};

// The major number before the first full stop: 15 gives 2013, 16 or more gives 2016; anything
// else, or text that is no version, gives 2010, the content the lists were written for.
OfficeVersion ParseOfficeVersion(std::string_view text);

// Asks the host once; a host that cannot say its version is taken to be Office 2010.
OfficeVersion ReadOfficeVersion(HostApplication& host);

// 14, 15 or 16.
constexpr int MajorNumber(OfficeVersion version) {
  return static_cast<int>(version);
}

}  // namespace trelvane
