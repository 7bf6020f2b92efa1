#pragma once

#include "core/SecureBytes.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace vaultlet {

// Finds the key a database file was saved with. The saver hashed the password's key `iterations`
// times and then a random r (0 <= r < iterations) more times; the opener does not know r, so it tries
// every candidate in order until one turns the check block into the check value.
//
// For Twofish and Blowfish, whose keys take long to set up, one thread extends the hash chain (which
// is sequential by nature) while the others test candidates; AES candidates cost less than the chain
// itself and are tested on the calling thread, four at a time. The answer is always the one a
// sequential search gives: the first matching r.
class KeySearch {
public:
    struct Task {
        const SecureArray<32>* baseKey = nullptr;
        std::uint32_t iterations = 0;
        int cipherId = 0;
        const std::uint8_t* checkBlock = nullptr;
        const std::uint8_t* checkValue = nullptr;
        std::size_t blockSize = 0;
    };

    // The file key, or nothing when no candidate matches (or the cipher id is unknown). `threads` is
    // the number of threads to use in all for Twofish and Blowfish; 0 means one per hardware thread.
    static std::optional<SecureArray<32>> Find(const Task& task, unsigned threads = 0);
};

} // namespace vaultlet
