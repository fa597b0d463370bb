// Time of one whole ribbon build per host, from the settings to the finished document, and the
// rate at which the document text is produced: the Office 2010 document with and without the All
// menu, and the Office 16 one in English and in German. Settings come from memory, so the numbers
// are the builder's own and not the disk's. Beside each build stands its floor: copying a
// document of the same size once into a fresh string, so that build time over copy time reads off
// one run.
#include <benchmark/benchmark.h>

#include <optional>

#include "core/memory_settings_store.h"
#include "core/ribbon_document.h"
#include "core/settings.h"
#include "tools/host_catalog.h"

namespace trelvane {
namespace {

struct Variant {
  const char* name;
  bool all_menu;
  const char* version;                // what the host reports
  std::optional<std::uint32_t> lcid;  // its UI language; none: it cannot say (English)
};

constexpr Variant kVariants[] = {
    {"all_menu", true, "14.0", std::nullopt},
    {"no_all_menu", false, "14.0", std::nullopt},
    {"office16_english", true, "16.0", std::nullopt},
    {"office16_german", true, "16.0", 1031},
};

StandInHost HostFor(const HostProfile& host, const Variant& variant) {
  StandInHost application(std::string(host.application_name));
  application.set_version(variant.version);
  if (variant.lcid)
    application.set_ui_language_id(*variant.lcid);
  return application;
}

void BM_BuildRibbon(benchmark::State& state, const HostProfile* host, const Variant* variant) {
  MemorySettingsStore store;
  Settings(store).Write("All", variant->all_menu ? "1" : "0");
  StandInHost application = HostFor(*host, *variant);
  RibbonBuilder builder(*host);
  std::size_t bytes = 0;
  for (auto _ : state) {
    RibbonXml xml = builder.GetRibbonXML(&application, store);
    if (!xml.ok) {
      state.SkipWithError(xml.failure.reason.c_str());
      break;
    }
    bytes = xml.document.size();
    benchmark::DoNotOptimize(xml.document.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
  state.counters["document_bytes"] = static_cast<double>(bytes);
}

// The size of `host`'s document, built once outside the timing.
std::size_t DocumentSize(const HostProfile& host, const Variant& variant) {
  MemorySettingsStore store;
  Settings(store).Write("All", variant.all_menu ? "1" : "0");
  StandInHost application = HostFor(host, variant);
  RibbonBuilder builder(host);
  return builder.GetRibbonXML(&application, store).document.size();
}

void BM_CopyDocument(benchmark::State& state, const HostProfile* host, const Variant* variant) {
  const std::string source(DocumentSize(*host, *variant), 'x');
  for (auto _ : state) {
    // One allocation and one memcpy of the whole text, as handing a built document on costs.
    std::string copy(source.data(), source.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * source.size()));
  state.counters["document_bytes"] = static_cast<double>(source.size());
}

int RegisterAll() {
  for (const CatalogEntry& entry : HostCatalog()) {
    for (const Variant& variant : kVariants) {
      const std::string name = std::string(entry.key) + "/" + variant.name;
      benchmark::RegisterBenchmark(("BuildRibbon/" + name).c_str(), BM_BuildRibbon,
                                   &entry.profile(), &variant);
      benchmark::RegisterBenchmark(("CopyDocument/" + name).c_str(), BM_CopyDocument,
                                   &entry.profile(), &variant);
    }
  }
  return 0;
}

const int registered = RegisterAll();

}  // namespace
}  // namespace trelvane
