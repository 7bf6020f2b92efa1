#include "autofill/SeedEntropy.h"

#include <ctime>
#include <unistd.h>

namespace vaultlet {

SeedEntropy CollectSeedEntropy() {
    SeedEntropy entropy;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    entropy.tickCount = static_cast<std::uint32_t>(now.tv_sec * 1000 + now.tv_nsec / 1000000);
    entropy.processId = static_cast<std::uint32_t>(getpid());
    return entropy;
}

} // namespace vaultlet
