#pragma once

#include "autofill/SeedEntropy.h"

#include <cstdint>

namespace vaultlet {

// The seed made of the entropy: MD5 over, in this order, each removable volume (the 260 bytes of
// its name buffer, the 260 bytes of its file-system name buffer, its serial number), the tick
// count, the process id and the cursor position x then y, every number 4 bytes little-endian; the
// seed is the sum of the 16 digest bytes (0 to 4080).
std::uint32_t ComputeGeneratorSeed(const SeedEntropy& entropy);

// Re-seeds this thread's GeneratorRandom from the system (CollectSeedEntropy), as the password
// generator does each time it opens. Passwords themselves are not drawn from GeneratorRandom (see
// SystemGeneratorDraws); the re-seed stays because later draws on the thread have always followed it.
void SeedFromEntropy();

} // namespace vaultlet
