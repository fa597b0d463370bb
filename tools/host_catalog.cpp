#include "tools/host_catalog.h"

#include "access/access_host.h"
#include "excel/excel_host.h"
#include "outlook/outlook_host.h"
#include "powerpoint/powerpoint_host.h"
#include "word/word_host.h"

namespace trelvane {
namespace {

constexpr CatalogEntry kCatalog[] = {
    {"excel", &excel::ExcelHost},
    {"word", &word::WordHost},
    {"powerpoint", &powerpoint::PowerPointHost},
    {"access", &access::AccessHost},
    {"outlook", &outlook::OutlookHost},
};

}  // namespace

std::span<const CatalogEntry> HostCatalog() {
  return kCatalog;
}

const HostProfile* FindHost(std::string_view key) {
  for (const CatalogEntry& entry : kCatalog) {
    if (entry.key == key)
      return &entry.profile();
  }
  return nullptr;
}

}  // namespace trelvane
