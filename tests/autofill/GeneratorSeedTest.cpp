#include "autofill/GeneratorSeed.h"

#include "autofill/PasswordGeneratorRules.h"
#include "autofill/SystemGeneratorDraws.h"
#include "core/crypto/GeneratorRandom.h"
#include "core/crypto/Md5.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace vaultlet;

namespace {

void PutNumber(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

SeedEntropy::RemovableVolume Volume(const char* name, const char* fileSystem, std::uint32_t serial) {
    SeedEntropy::RemovableVolume volume;
    std::memcpy(volume.volumeName.data(), name, std::strlen(name));
    std::memcpy(volume.fileSystemName.data(), fileSystem, std::strlen(fileSystem));
    volume.serialNumber = serial;
    return volume;
}

std::uint32_t DigestSum(const std::vector<std::uint8_t>& message) {
    std::uint8_t digest[Md5::kDigestSize];
    Md5::Hash(message.data(), message.size(), digest);
    std::uint32_t sum = 0;
    for (const std::uint8_t byte : digest) {
        sum += byte;
    }
    return sum;
}

} // namespace

TEST(GeneratorSeedTest, SeedIsTheDigestSumOfTheEntropyInItsOrder) {
    SeedEntropy entropy;
    entropy.removableVolumes = {Volume("USBSTICK", "FAT32", 0x12345678), Volume("", "", 0)};
    entropy.tickCount = 123456789;
    entropy.processId = 4242;
    entropy.cursorX = -5;
    entropy.cursorY = 700;

    std::vector<std::uint8_t> message;
    for (const auto& volume : entropy.removableVolumes) {
        message.insert(message.end(), volume.volumeName.begin(), volume.volumeName.end());
        message.insert(message.end(), volume.fileSystemName.begin(), volume.fileSystemName.end());
        PutNumber(message, volume.serialNumber);
    }
    ASSERT_EQ(message.size(), 2u * (260 + 260 + 4));
    PutNumber(message, 123456789);
    PutNumber(message, 4242);
    PutNumber(message, 0xFFFFFFFB);
    PutNumber(message, 700);
    EXPECT_EQ(ComputeGeneratorSeed(entropy), DigestSum(message));

    // Without removable drives only the four numbers count.
    SeedEntropy plain;
    std::vector<std::uint8_t> numbers;
    for (int i = 0; i < 4; ++i) {
        PutNumber(numbers, 0);
    }
    EXPECT_EQ(ComputeGeneratorSeed(plain), DigestSum(numbers));
    EXPECT_LE(ComputeGeneratorSeed(entropy), 16u * 255u);
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

// Passwords do not follow GeneratorRandom: the same seed (one of only 4081) gives different
// passwords, and generating leaves the other users' sequence alone.
TEST(GeneratorSeedTest, PasswordsDoNotFollowTheSeededGenerator) {
    SecureString first;
    SecureString second;
    for (SecureString* password : {&first, &second}) {
        GeneratorRandom::Seed(1234);
        SystemGeneratorDraws draws;
        PasswordGeneratorRules rules(PasswordOptions{}, draws);
        ASSERT_TRUE(rules.GeneratePassword(16, *password));
    }
    EXPECT_NE(first, second);
    GeneratorRandom::Seed(99);
    const int expected = GeneratorRandom::Next();
    GeneratorRandom::Seed(99);
    SystemGeneratorDraws draws;
    PasswordGeneratorRules rules(PasswordOptions{}, draws);
    ASSERT_TRUE(rules.GeneratePassword(16, first));
    EXPECT_EQ(GeneratorRandom::Next(), expected);
}
