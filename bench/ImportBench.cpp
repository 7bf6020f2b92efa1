// Bringing imported groups into a database: merging many groups of one name (each renamed to the
// next free number) and reading a KeePass 1.x export whose entries spread over many groups.
#include "core/Database.h"
#include "exchange/KeePass1Import.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace vaultlet;

namespace {

void BM_MergeGroupsOfOneName(benchmark::State& state) {
    const auto count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        Database database;
        database.Add(std::make_unique<Group>("x"));
        Database imported;
        for (int i = 0; i < count; ++i) {
            imported.Add(std::make_unique<Group>("x"));
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(database.MergeGroups(imported));
        state.PauseTiming();
        // Destroying the groups is not part of the merge.
        database.DeleteAll();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_MergeGroupsOfOneName)->Arg(4000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_KeePass1EntriesInDistinctGroups(benchmark::State& state) {
    const auto count = static_cast<int>(state.range(0));
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><pwlist>";
    for (int i = 0; i < count; ++i) {
        text += "<pwentry><group>g" + std::to_string(i) + "</group><password>p</password></pwentry>";
    }
    text += "</pwlist>";
    KeePass1Import format;
    for (auto _ : state) {
        benchmark::DoNotOptimize(format.importFromText(text));
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_KeePass1EntriesInDistinctGroups)->Arg(20000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
