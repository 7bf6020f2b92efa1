// Merging two copies of a database of 10,000 passcards (ten groups of 1,000, five items each) that
// each made 100 changes since their common version: 80 changed passwords, 10 removed and 10 new
// passcards on each side, none of them where the other side changed anything. The whole merge is
// measured, from pairing the nodes to the finished tree; a save in the program adds the file's key
// derivation on top.
#include "core/DatabaseMerge.h"
#include "core/ModelCopy.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace vaultlet;

namespace {

constexpr int kGroups = 10;
constexpr int kPasscardsPerGroup = 1000;
constexpr int kItems = 5;

std::unique_ptr<Database> BuildBase() {
    auto database = std::make_unique<Database>();
    database->SetName("Big");
    for (int g = 0; g < kGroups; ++g) {
        auto group = std::make_unique<Group>("Group " + std::to_string(g));
        group->SetTime(1600000000 + g);
        for (int p = 0; p < kPasscardsPerGroup; ++p) {
            auto passcard = std::make_unique<Passcard>();
            passcard->SetName("Passcard " + std::to_string(g * kPasscardsPerGroup + p));
            passcard->SetTime(1600000000 + p);
            for (int i = 0; i < kItems; ++i) {
                auto item = std::make_unique<Item>();
                item->ApplyTypeDefaults(i == 0 ? ItemType::Password : ItemType::Custom);
                item->SetName("Field " + std::to_string(i));
                item->SetValue("value of field " + std::to_string(i));
                item->SetTime(1600000000 + p);
                passcard->Add(std::move(item));
            }
            group->Add(std::move(passcard));
        }
        database->Add(std::move(group));
    }
    return database;
}

// 100 changes spread over the groups; `side` keeps the two sides' changes on different passcards.
void Change(Database& database, int side) {
    for (int change = 0; change < 100; ++change) {
        Group& group = *database.At(static_cast<std::size_t>(change % kGroups));
        const auto index = static_cast<std::size_t>(side * 500 + change * 4);
        if (change < 80) {
            group.At(index)->At(0)->SetValue("changed by side " + std::to_string(side));
        } else if (change < 90) {
            group.Remove(group.At(index));
        } else {
            auto passcard = std::make_unique<Passcard>();
            passcard->SetName("New " + std::to_string(side) + "." + std::to_string(change));
            group.Insert(std::move(passcard), index);
        }
    }
}

void Merge_10000Passcards_100ChangesEach(benchmark::State& state) {
    const auto base = BuildBase();
    const auto ours = ModelCopy::Of(*base);
    const auto theirs = ModelCopy::Of(*base);
    Change(*ours, 0);
    Change(*theirs, 1);
    MergeReport report;
    for (auto _ : state) {
        MergeResult result = DatabaseMerge::Merge(base.get(), *ours, *theirs, " (other copy)");
        report = result.report;
        benchmark::DoNotOptimize(result.merged);
    }
    if (report.changed != 80 || report.removed != 10 || report.added != 10 || report.otherCopies != 0) {
        state.SkipWithError("the merge did not take the other side's changes");
    }
    state.counters["passcards"] = static_cast<double>(ours->PasscardCount());
}

} // namespace

BENCHMARK(Merge_10000Passcards_100ChangesEach)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
