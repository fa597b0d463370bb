// Time of one whole ribbon build per host, from the settings to the finished document, and the
// rate at which the document text is produced. Settings come from memory, so the numbers are the
// builder's own and not the disk's.
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
  NamedHost application(std::string(host->application_name));
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

int RegisterAll() {
  for (const CatalogEntry& entry : HostCatalog()) {
    for (bool all_menu : {true, false}) {
      const std::string name =
          "BuildRibbon/" + std::string(entry.key) + (all_menu ? "/all_menu" : "/no_all_menu");
      benchmark::RegisterBenchmark(name.c_str(), BM_BuildRibbon, &entry.profile(), all_menu);
    }
  }
  return 0;
}

const int registered = RegisterAll();

}  // namespace
}  // namespace trelvane
