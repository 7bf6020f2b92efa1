#include "autofill/GeneratorSeed.h"

#include "core/crypto/GeneratorRandom.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

using namespace vaultlet;

TEST(GeneratorSeedTest, SeedIsTheDigestSumOfAllTheEntropy) {
    // Four zero numbers and no drive: MD5 of 16 zero bytes, 4ae71336e44bf9bf79d2752e234818a5.
    EXPECT_EQ(ComputeGeneratorSeed(SeedEntropy{}), 1911u);

    // Every piece of the entropy counts, a drive's names in all their 260 bytes.
    SeedEntropy::RemovableVolume plain, named, typed, numbered;
    named.volumeName.back() = 'x';
    typed.fileSystemName[0] = 'x';
    numbered.serialNumber = 1u << 24;
    const std::function<void(SeedEntropy&)> changes[] = {
        [](SeedEntropy& e) { e.tickCount = 1; },
        [](SeedEntropy& e) { e.processId = 1; },
        [](SeedEntropy& e) { e.cursorX = -1; },
        [](SeedEntropy& e) { e.cursorY = 1; },
        [&](SeedEntropy& e) { e.removableVolumes = {plain}; },
        [&](SeedEntropy& e) { e.removableVolumes.assign(2, plain); },
        [&](SeedEntropy& e) { e.removableVolumes = {named}; },
        [&](SeedEntropy& e) { e.removableVolumes = {typed}; },
        [&](SeedEntropy& e) { e.removableVolumes = {numbered}; },
    };
    std::set<std::uint32_t> seeds{1911u};
    for (const auto& change : changes) {
        SeedEntropy entropy;
        change(entropy);
        const std::uint32_t seed = ComputeGeneratorSeed(entropy);
        EXPECT_LE(seed, 16u * 255u);
        seeds.insert(seed);
    }
    EXPECT_EQ(seeds.size(), std::size(changes) + 1);
}

TEST(GeneratorSeedTest, SeedFromEntropyReseedsGeneratorRandomWithinTheDigestSumRange) {
    SeedFromEntropy();
    const int drawn[3] = {GeneratorRandom::Next(), GeneratorRandom::Next(), GeneratorRandom::Next()};
    bool found = false;
    for (std::uint32_t seed = 0; seed <= 16 * 255 && !found; ++seed) {
        GeneratorRandom::Seed(seed);
        found = GeneratorRandom::Next() == drawn[0] && GeneratorRandom::Next() == drawn[1] &&
                GeneratorRandom::Next() == drawn[2];
    }
    EXPECT_TRUE(found);
}
