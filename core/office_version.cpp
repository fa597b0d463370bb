#include "core/office_version.h"

#include <charconv>

#include "core/failure.h"
#include "core/host_application.h"

namespace trelvane {

OfficeVersion ParseOfficeVersion(std::string_view text) {
  const std::string_view major = text.substr(0, text.find('.'));
  int number = 0;
  const char* end = major.data() + major.size();
  const auto [stop, error] = std::from_chars(major.data(), end, number);
  if (major.empty() || error == std::errc::result_out_of_range) {
    // Digits beyond an int are still a version after 16; anything else is none.
    if (!major.empty() && major.find_first_not_of("0123456789") == std::string_view::npos)
      return OfficeVersion::kOffice2016;
    return OfficeVersion::kOffice2010;
  }
  if (error != std::errc() || stop != end)
    return OfficeVersion::kOffice2010;
  if (number >= 16)
    return OfficeVersion::kOffice2016;
  if (number == 15)
    return OfficeVersion::kOffice2013;
  return OfficeVersion::kOffice2010;
}

OfficeVersion ReadOfficeVersion(HostApplication& host) {
  try {
    return ParseOfficeVersion(host.Version());
  } catch (const BuildFailure&) {
    return OfficeVersion::kOffice2010;
  }
}

}  // namespace trelvane
