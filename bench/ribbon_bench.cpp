// Time of one whole ribbon build per host, from the settings to the finished document, and the
// rate at which the document text is produced. Settings come from memory, so the numbers are the
// builder's own and not the disk's. Beside each build stands its floor: copying a document of the
// same size once into a fresh string, so that build time over copy time reads off one run.
#include <benchmark/benchmark.h>

#include "core/memory_settings_store.h"
#include "core/ribbon_document.h"
#include "core/settings.h"
#include "tools/host_catalog.h"

namespace trelvane {
namespace {

void BM_BuildRibbon(benchmark::State& state, const HostProfile* host, bool all_menu) {
  MemorySettingsStore store;
  Settings(store).Write("All", all_menu ? "1" : "0");
  StandInHost application(std::string(host->application_name));
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
std::size_t DocumentSize(const HostProfile& host, bool all_menu) {
  MemorySettingsStore store;
  Settings(store).Write("All", all_menu ? "1" : "0");
  StandInHost application(std::string(host.application_name));
  RibbonBuilder builder(host);
  return builder.GetRibbonXML(&application, store).document.size();
}

void BM_CopyDocument(benchmark::State& state, const HostProfile* host, bool all_menu) {
  const std::string source(DocumentSize(*host, all_menu), 'x');
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
    for (bool all_menu : {true, false}) {
      const std::string variant =
          std::string(entry.key) + (all_menu ? "/all_menu" : "/no_all_menu");
      benchmark::RegisterBenchmark(("BuildRibbon/" + variant).c_str(), BM_BuildRibbon,
                                   &entry.profile(), all_menu);
      benchmark::RegisterBenchmark(("CopyDocument/" + variant).c_str(), BM_CopyDocument,
                                   &entry.profile(), all_menu);
    }
  }
  return 0;
}

const int registered = RegisterAll();

}  // namespace
}  // namespace trelvane
