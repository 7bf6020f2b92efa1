// The main window's quick search over a database of 10,000 passcards with five items each: one
// keystroke walks the tree in order until the first match, so the worst case is a text that
// matches nothing.
#include "core/Database.h"
#include "core/Group.h"
#include "core/Item.h"
#include "core/Passcard.h"
#include "shell/NodeEditing.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace vaultlet;

namespace {

Database& BigDatabase() {
    static const std::unique_ptr<Database> database = [] {
        auto built = std::make_unique<Database>();
        built->SetName("Big");
        for (int g = 0; g < 10; ++g) {
            auto group = std::make_unique<Group>("Group " + std::to_string(g));
            for (int p = 0; p < 1000; ++p) {
                auto passcard = std::make_unique<Passcard>();
                passcard->SetName("Passcard " + std::to_string(g * 1000 + p));
                for (int i = 0; i < 5; ++i) {
                    auto item = std::make_unique<Item>();
                    item->SetName("Field " + std::to_string(i));
                    item->SetValue("value of field " + std::to_string(i));
                    passcard->Add(std::move(item));
                }
                group->Add(std::move(passcard));
            }
            built->Add(std::move(group));
        }
        return built;
    }();
    return *database;
}

void QuickSearch(benchmark::State& state, const char* typed, bool withItems) {
    Database& database = BigDatabase();
    for (auto _ : state) {
        benchmark::DoNotOptimize(node_editing::QuickSearch(database, typed, withItems));
    }
}

void QuickSearch_NoMatch(benchmark::State& state) {
    QuickSearch(state, "nothing like it", false);
}
void QuickSearch_NoMatchWithItems(benchmark::State& state) {
    QuickSearch(state, "nothing like it", true);
}

} // namespace

BENCHMARK(QuickSearch_NoMatch)->Unit(benchmark::kMillisecond);
BENCHMARK(QuickSearch_NoMatchWithItems)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
