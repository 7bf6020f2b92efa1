#include "autofill/GeneratorSeed.h"

#include "core/SecureBytes.h"
#include "core/SecureWipe.h"
#include "core/crypto/GeneratorRandom.h"
#include "core/crypto/Md5.h"

namespace vaultlet {
namespace {

void AddNumber(Md5& md5, std::uint32_t value) {
    const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                                   static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
    md5.Add(bytes, sizeof bytes);
}

void AddBuffer(Md5& md5, const std::array<char, 260>& buffer) {
    md5.Add(reinterpret_cast<const std::uint8_t*>(buffer.data()), buffer.size());
}

} // namespace

std::uint32_t ComputeGeneratorSeed(const SeedEntropy& entropy) {
    Md5 md5;
    for (const SeedEntropy::RemovableVolume& volume : entropy.removableVolumes) {
        AddBuffer(md5, volume.volumeName);
        AddBuffer(md5, volume.fileSystemName);
        AddNumber(md5, volume.serialNumber);
    }
    AddNumber(md5, entropy.tickCount);
    AddNumber(md5, entropy.processId);
    AddNumber(md5, static_cast<std::uint32_t>(entropy.cursorX));
    AddNumber(md5, static_cast<std::uint32_t>(entropy.cursorY));
    SecureArray<Md5::kDigestSize> digest;
    md5.Finish(digest.data()); // also wipes the working state
    std::uint32_t seed = 0;
    for (std::size_t i = 0; i < digest.size(); ++i) {
        seed += digest[i];
    }
    return seed;
}

void SeedFromEntropy() {
    std::uint32_t seed = ComputeGeneratorSeed(CollectSeedEntropy());
    GeneratorRandom::Seed(seed);
    SecureWipe(&seed, sizeof seed);
}

} // namespace vaultlet
