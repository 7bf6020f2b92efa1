// vaultlet-cli as a user runs it, one whole process per iteration: opening a database (`ls` with the
// right password) and rejecting a wrong password, per cipher, against what no search can avoid: the
// start of a bare process (`--version`) and the hash chain the search has to walk, measured here in
// process. The files are those of DatabaseFileBench (reference writer, 100000 iterations, r = 32767),
// so its in-process figures line up with these. The environment variable VAULTLET_CLI names another
// build of the tool to measure (an older one, to compare). Each row's "budget" counter is 1.3 x (chain + bare
// start) in milliseconds, the most a run should take; compare it with the row's fastest run ("min"),
// as the machine's other work only ever adds time.
#include "core/EncryptedDatabase.h"
#include "core/SecureBytes.h"
#include "core/crypto/Ripemd.h"
#include "tests/support/ProcessRunner.h"
#include "tests/support/ReferenceDatabaseFile.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestData.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

using namespace vaultlet;

namespace {

constexpr const char* kPassword = "benchmark password";
constexpr std::uint32_t kIterations = EncryptedDatabase::kDefaultKeyIterations;
constexpr std::uint32_t kExtra = 32767;
const char* const kCipherNames[] = {"aes128", "aes256", "twofish", "blowfish"};

const std::string& Cli() {
    static const std::string path = [] {
        const char* chosen = std::getenv("VAULTLET_CLI");
        return std::string(chosen != nullptr && *chosen != '\0' ? chosen : VAULTLET_CLI_PATH);
    }();
    return path;
}

const std::string& File(int cipherId) {
    static test::TempDir folder;
    static std::map<int, std::string> files;
    std::string& path = files[cipherId];
    if (path.empty()) {
        test::ReferenceFile file;
        file.documentText = "<?xml version=\"1.0\"?><database name=\"Bench\"><group name=\"G\"/></database>";
        file.name = "Bench";
        file.cipherId = cipherId;
        file.iterations = kIterations;
        file.extraIterations = kExtra;
        file.password = kPassword;
        path = folder.File(std::string(kCipherNames[cipherId]) + ".kvtdat");
        test::WriteFileBytes(path, test::WriteReferenceFile(file));
    }
    return path;
}

// The fastest of a few runs, in milliseconds: the least the machine's other work let through.
double FastestMs(const std::function<void()>& action) {
    double best = 1e9;
    for (int run = 0; run < 15; ++run) {
        const auto start = std::chrono::steady_clock::now();
        action();
        best =
            std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

double BareStartMs() {
    static const double ms = FastestMs([] { test::RunProcess(Cli(), {"--version"}, {}); });
    return ms;
}

// Opening walks the chain to candidate iterations + r (and one step beyond: AES-256 keys its check
// with the next candidate); rejecting walks it to the end.
double ChainMs(std::uint32_t hashes) {
    static std::map<std::uint32_t, double> measured;
    auto found = measured.find(hashes);
    if (found == measured.end()) {
        SecureArray<32> key;
        found = measured
                    .emplace(hashes, FastestMs([&] {
                                 Ripemd::HashChain256(key.data(), hashes);
                                 benchmark::DoNotOptimize(key.data());
                             }))
                    .first;
    }
    return found->second;
}

void RunCli(benchmark::State& state, bool rightPassword) {
    const int cipherId = static_cast<int>(state.range(0));
    const std::string& path = File(cipherId);
    const std::uint32_t chain = rightPassword ? kIterations + kExtra + 1 : 2 * kIterations;
    const double budget = 1.3 * (ChainMs(chain) + BareStartMs());
    const int expected = rightPassword ? 0 : 1;
    const std::string input = std::string(rightPassword ? kPassword : "wrong password") + "\n";
    for (auto _ : state) {
        if (test::RunProcess(Cli(), {"--password-stdin", "ls", path}, input).status != expected) {
            state.SkipWithError("unexpected exit status");
        }
    }
    state.counters["budget"] = budget;
    state.SetLabel(kCipherNames[cipherId]);
}

void Process_BareStart(benchmark::State& state) {
    for (auto _ : state) {
        test::RunProcess(Cli(), {"--version"}, {});
    }
}

void Process_Open(benchmark::State& state) {
    RunCli(state, true);
}

void Process_Reject(benchmark::State& state) {
    RunCli(state, false);
}

void InProcess_Chain(benchmark::State& state) {
    SecureArray<32> key;
    for (auto _ : state) {
        Ripemd::HashChain256(key.data(), static_cast<std::uint32_t>(state.range(0)));
        benchmark::DoNotOptimize(key.data());
    }
}

// One run per repetition, and the fastest of them beside mean and median: other programs on the
// machine only ever add time.
void Runs(benchmark::internal::Benchmark* benchmark) {
    benchmark->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(1)
        ->Repetitions(15)
        ->ComputeStatistics(
            "min", [](const std::vector<double>& times) { return *std::min_element(times.begin(), times.end()); })
        ->ReportAggregatesOnly(true);
}

// Blowfish's own work (a key schedule of 521 block encryptions per candidate) dwarfs the chain; it
// is left to DatabaseFileBench.
void Ciphers(benchmark::internal::Benchmark* benchmark) {
    Runs(benchmark->DenseRange(0, 2));
}

} // namespace

BENCHMARK(Process_BareStart)->Apply(Runs);
BENCHMARK(InProcess_Chain)->Arg(kIterations + kExtra + 1)->Arg(2 * kIterations)->Apply(Runs);
BENCHMARK(Process_Open)->Apply(Ciphers);
BENCHMARK(Process_Reject)->Apply(Ciphers);

BENCHMARK_MAIN();
