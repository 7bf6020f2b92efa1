// The password health analysis of a database of 10,000 passcards (ten groups of 1,000), each with a
// login and a password: most passwords distinct (12 to 19 characters from a generator), every tenth
// one of a handful of shared values, and some expiry dates. The target is under a second; the
// estimator dominates, and a value that occurs again is estimated once.
#include "core/Database.h"
#include "core/Group.h"
#include "core/Item.h"
#include "core/Passcard.h"
#include "health/PasswordHealth.h"
#include "tests/support/SampleDatabases.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

using namespace vaultlet;

namespace {

std::string GeneratedPassword(std::mt19937& random) {
    static constexpr char kCharacters[] = "abcdefghijkmnopqrstuvwxyzABCDEFGHJKLMNPQRSTUVWXYZ23456789!#$%&*+-=?@";
    std::string password(12 + random() % 8, ' ');
    for (char& c : password) {
        c = kCharacters[random() % (sizeof kCharacters - 1)];
    }
    return password;
}

const Database& BigDatabase() {
    static const std::unique_ptr<Database> database = [] {
        std::mt19937 random(2024);
        const std::string shared[] = {"Summer2023!", "qwerty123", "correcthorsebatterystaple", "letmein",
                                      "Tr0ub4dour&3"};
        auto built = std::make_unique<Database>();
        for (int g = 0; g < 10; ++g) {
            auto group = std::make_unique<Group>("Group " + std::to_string(g));
            for (int p = 0; p < 1000; ++p) {
                const std::string password = p % 10 == 0 ? shared[p / 10 % 5] : GeneratedPassword(random);
                const std::string login = "user" + std::to_string(g * 1000 + p) + "@example.org";
                auto passcard = test::MakePasscard("Passcard " + std::to_string(p),
                                                   {{ItemType::Login, login}, {ItemType::Password, password}});
                passcard->SetExpiration(p % 7 == 0 ? 133000000000000000ULL + p * 864000000000ULL : 0);
                group->Add(std::move(passcard));
            }
            built->Add(std::move(group));
        }
        return built;
    }();
    return *database;
}

void PasswordHealth_Analyse10000Passcards(benchmark::State& state) {
    const Database& database = BigDatabase();
    for (auto _ : state) {
        benchmark::DoNotOptimize(PasswordHealth::Analyse(database, PasswordHealth::kDefaultExpiringDays));
    }
}

} // namespace

BENCHMARK(PasswordHealth_Analyse10000Passcards)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
