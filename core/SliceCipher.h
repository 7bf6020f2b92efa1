#pragma once

#include "core/ProgressSink.h"
#include "core/SecureBytes.h"

#include <cstddef>
#include <cstdint>

namespace vaultlet {

// Runs a cipher over a whole buffer of blocks in electronic codebook mode, in place. Each block is
// independent of every other, so the buffer is cut into slices that are processed with one key
// set-up each, spread over the hardware threads. Progress is reported on the calling thread only.
class SliceCipher {
public:
    static constexpr std::size_t kSliceSize = 64 * 1024;

    // False when the cipher id is unknown or the size is not a whole number of blocks.
    static bool Run(int cipherId, const SecureArray<32>& key, bool encrypt, std::uint8_t* data, std::size_t size,
                    ProgressSink* progress, unsigned threads = 0);
};

} // namespace vaultlet
