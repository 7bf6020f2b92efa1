#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace vaultlet {

// What the generator's seed is made of, gathered from the system when the generator opens.
struct SeedEntropy {
    // The volume information of one removable drive, buffers as read (zero-filled past the text).
    struct RemovableVolume {
        std::array<char, 260> volumeName{};
        std::array<char, 260> fileSystemName{};
        std::uint32_t serialNumber = 0;
    };

    // Removable drives C: onward, in drive-letter order, whose volume information could be read.
    std::vector<RemovableVolume> removableVolumes;
    std::uint32_t tickCount = 0; // milliseconds since system start
    std::uint32_t processId = 0;
    std::int32_t cursorX = 0; // 0, 0 when the cursor position cannot be read
    std::int32_t cursorY = 0;
};

// Implemented per platform; outside Windows there are no drive letters and no cursor.
SeedEntropy CollectSeedEntropy();

} // namespace vaultlet
