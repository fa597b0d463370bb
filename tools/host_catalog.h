// The hosts this build knows, by the short names the command line uses.
#pragma once

#include <span>
#include <string_view>

#include "core/host_profile.h"

namespace trelvane {

struct CatalogEntry {
  std::string_view key;  // "excel", "word", ...
  const HostProfile& (*profile)();
};

std::span<const CatalogEntry> HostCatalog();
const HostProfile* FindHost(std::string_view key);

}  // namespace trelvane
