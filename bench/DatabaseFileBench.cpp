// Opening and saving database files, each measured against a plain sequential baseline in the same
// run: the baseline sets the key up once per candidate and once per data block on one thread (the
// reference implementation of the tests), the program's code sets it up once per slice, searches
// Twofish and Blowfish candidates on every hardware thread and AES ones four at a time on one. The
// same opens as whole processes of vaultlet-cli are in CliProcessBench.
#include "core/DatabaseDocument.h"
#include "core/EncryptedDatabase.h"
#include "core/SliceCipher.h"
#include "core/crypto/CipherRegistry.h"
#include "tests/support/ReferenceDatabaseFile.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestData.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

using namespace vaultlet;

namespace {

constexpr const char* kPassword = "benchmark password";
const char* const kCipherNames[] = {"aes128", "aes256", "twofish", "blowfish"};

test::TempDir& Folder() {
    static test::TempDir folder;
    return folder;
}

// A small database file written by the reference writer with a chosen extra iteration count.
const std::string& SmallFile(int cipherId, std::uint32_t extra) {
    static std::map<std::pair<int, std::uint32_t>, std::string> files;
    auto& path = files[{cipherId, extra}];
    if (path.empty()) {
        test::ReferenceFile file;
        file.documentText = "<?xml version=\"1.0\"?><database name=\"Bench\"><group name=\"G\"/></database>";
        file.name = "Bench";
        file.cipherId = cipherId;
        file.iterations = EncryptedDatabase::kDefaultKeyIterations;
        file.extraIterations = extra;
        file.password = kPassword;
        path = Folder().File("small-" + std::to_string(cipherId) + "-" + std::to_string(extra) + ".kvtdat");
        test::WriteFileBytes(path, test::WriteReferenceFile(file));
    }
    return path;
}

void Open(benchmark::State& state, bool baseline, std::uint32_t extra, bool rightPassword) {
    const int cipherId = static_cast<int>(state.range(0));
    const std::string& path = SmallFile(cipherId, extra);
    const std::string bytes = test::ReadFileBytes(path);
    const std::string password = rightPassword ? kPassword : "wrong password";
    const int expected = rightPassword ? 0 : 1;
    for (auto _ : state) {
        int result = 0;
        if (baseline) {
            result = test::ReadReferenceFile(bytes, password).result;
        } else {
            EncryptedDatabase database;
            database.SetPassword(password);
            result = static_cast<int>(database.Load(path));
        }
        if (result != expected) {
            state.SkipWithError("unexpected load result");
        }
    }
    state.SetLabel(kCipherNames[cipherId]);
}

void Ours_OpenR0(benchmark::State& state) {
    Open(state, false, 0, true);
}
void Baseline_OpenR0(benchmark::State& state) {
    Open(state, true, 0, true);
}
void Ours_OpenR32767(benchmark::State& state) {
    Open(state, false, 32767, true);
}
void Baseline_OpenR32767(benchmark::State& state) {
    Open(state, true, 32767, true);
}
void Ours_RejectWrongPassword(benchmark::State& state) {
    Open(state, false, 0, false);
}
void Baseline_RejectWrongPassword(benchmark::State& state) {
    Open(state, true, 0, false);
}

// --- Data processing: a database of 10,000 passcards with 5 items each (about 5 MB of document) ---

std::unique_ptr<EncryptedDatabase> BigDatabase(int cipherId, std::uint32_t iterations) {
    auto database = std::make_unique<EncryptedDatabase>();
    database->SetName("Big");
    database->SetCipherId(cipherId);
    database->SetKeyIterations(iterations);
    database->SetPassword(kPassword);
    for (int g = 0; g < 10; ++g) {
        auto group = std::make_unique<Group>("Group " + std::to_string(g));
        for (int p = 0; p < 1000; ++p) {
            auto passcard = std::make_unique<Passcard>();
            passcard->SetName("Passcard " + std::to_string(g * 1000 + p));
            passcard->SetComment("An account with a comment.");
            for (int i = 0; i < 5; ++i) {
                auto item = std::make_unique<Item>();
                item->ApplyTypeDefaults(static_cast<ItemType>(i));
                item->SetValue("value " + std::to_string(i) + " of passcard " + std::to_string(p));
                passcard->Add(std::move(item));
            }
            group->Add(std::move(passcard));
        }
        database->Add(std::move(group));
    }
    return database;
}

const std::string& BigFile(int cipherId, std::uint32_t iterations) {
    static std::map<std::pair<int, std::uint32_t>, std::string> files;
    auto& path = files[{cipherId, iterations}];
    if (path.empty()) {
        path = Folder().File("big-" + std::to_string(cipherId) + "-" + std::to_string(iterations) + ".kvtdat");
        BigDatabase(cipherId, iterations)->Save(path);
    }
    return path;
}

void Ours_Save10k(benchmark::State& state) {
    const auto database = BigDatabase(static_cast<int>(state.range(0)), static_cast<std::uint32_t>(state.range(1)));
    const std::string path = Folder().File("save-ours.kvtdat");
    for (auto _ : state) {
        if (!database->Save(path)) {
            state.SkipWithError("save failed");
        }
    }
    state.SetLabel(kCipherNames[state.range(0)]);
}

void Baseline_Save10k(benchmark::State& state) {
    const auto database = BigDatabase(static_cast<int>(state.range(0)), static_cast<std::uint32_t>(state.range(1)));
    const std::string path = Folder().File("save-baseline.kvtdat");
    for (auto _ : state) {
        SecureString text;
        DatabaseDocument::Print(*database, text);
        test::ReferenceFile file;
        file.documentText = std::string(text.Viewed());
        file.name = "Big";
        file.cipherId = database->CipherId();
        file.iterations = database->KeyIterations();
        file.extraIterations = 16383; // the middle of what a save can draw
        file.password = kPassword;
        test::WriteFileBytes(path, test::WriteReferenceFile(file));
    }
    state.SetLabel(kCipherNames[state.range(0)]);
}

void Ours_Load10k(benchmark::State& state) {
    const std::string& path = BigFile(static_cast<int>(state.range(0)), static_cast<std::uint32_t>(state.range(1)));
    for (auto _ : state) {
        EncryptedDatabase database;
        database.SetPassword(kPassword);
        if (database.Load(path) != LoadResult::Loaded) {
            state.SkipWithError("load failed");
        }
    }
    state.SetLabel(kCipherNames[state.range(0)]);
}

void Baseline_Load10k(benchmark::State& state) {
    const std::string& path = BigFile(static_cast<int>(state.range(0)), static_cast<std::uint32_t>(state.range(1)));
    const std::string bytes = test::ReadFileBytes(path);
    for (auto _ : state) {
        const test::ReferenceOpenResult opened = test::ReadReferenceFile(bytes, kPassword);
        Database database;
        if (opened.result != 0 || !DatabaseDocument::Parse(opened.documentText, database)) {
            state.SkipWithError("load failed");
        }
    }
    state.SetLabel(kCipherNames[state.range(0)]);
}

// --- The parts of a load: decrypting the data, and reading the document into the model ---

std::string BigDocument() {
    SecureString text;
    DatabaseDocument::Print(*BigDatabase(1, 1), text);
    return std::string(text.Viewed());
}

// Decrypting the data of a 5 MB document: the program's slices on every hardware thread against
// one key set-up per block on one thread.
void DecryptData(benchmark::State& state, bool perBlock) {
    const int cipherId = static_cast<int>(state.range(0));
    CipherRegistry ciphers;
    Cipher* cipher = ciphers.FindById(cipherId);
    const std::size_t block = cipher->BlockSize();
    SecureBytes data(5 * 1024 * 1024);
    SecureArray<32> key;
    key[0] = 1;
    for (auto _ : state) {
        if (!perBlock) {
            if (!SliceCipher::Run(cipherId, key, false, data.data(), data.size(), nullptr)) {
                state.SkipWithError("decrypt failed");
            }
        }
        for (std::size_t done = 0; perBlock && done < data.size(); done += block) {
            cipher->SetKey(key.data(), key.size());
            if (!cipher->Decrypt(data.data() + done, data.data() + done, block)) {
                state.SkipWithError("decrypt failed");
            }
        }
        benchmark::DoNotOptimize(data.data());
    }
    state.SetLabel(kCipherNames[state.range(0)]);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
}

void Ours_DecryptData5MB(benchmark::State& state) {
    DecryptData(state, false);
}
void Baseline_DecryptData5MB(benchmark::State& state) {
    DecryptData(state, true);
}

void Ours_ParseDocument10k(benchmark::State& state) {
    const std::string text = BigDocument();
    state.SetLabel(std::to_string(text.size() / 1024) + " KiB");
    for (auto _ : state) {
        Database database;
        if (!DatabaseDocument::Parse(text, database)) {
            state.SkipWithError("parse failed");
        }
    }
}

void Ours_PrintDocument10k(benchmark::State& state) {
    const auto database = BigDatabase(1, 1);
    for (auto _ : state) {
        SecureString text;
        DatabaseDocument::Print(*database, text);
        benchmark::DoNotOptimize(text.data());
    }
}

void Ciphers(benchmark::internal::Benchmark* benchmark) {
    benchmark->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
}

// Data size dominates with one iteration; the default count shows the whole cost a user sees.
void BigCases(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgsProduct({{0, 1, 2, 3}, {1, 100000}})
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->MeasureProcessCPUTime();
}

} // namespace

BENCHMARK(Ours_OpenR0)->Apply(Ciphers);
BENCHMARK(Baseline_OpenR0)->Apply(Ciphers);
BENCHMARK(Ours_OpenR32767)->Apply(Ciphers);
BENCHMARK(Baseline_OpenR32767)->Apply(Ciphers);
BENCHMARK(Ours_RejectWrongPassword)->Apply(Ciphers);
BENCHMARK(Baseline_RejectWrongPassword)->Apply(Ciphers);
BENCHMARK(Ours_DecryptData5MB)->Apply(Ciphers);
BENCHMARK(Baseline_DecryptData5MB)->Apply(Ciphers);
BENCHMARK(Ours_ParseDocument10k)->Unit(benchmark::kMillisecond);
BENCHMARK(Ours_PrintDocument10k)->Unit(benchmark::kMillisecond);
BENCHMARK(Ours_Save10k)->Apply(BigCases);
BENCHMARK(Baseline_Save10k)->Apply(BigCases);
BENCHMARK(Ours_Load10k)->Apply(BigCases);
BENCHMARK(Baseline_Load10k)->Apply(BigCases);

BENCHMARK_MAIN();
