#include "core/SystemEntropy.h"

#include <windows.h>

#include <bcrypt.h>

#include <climits>

namespace vaultlet {

bool FillSystemRandom(std::uint8_t* data, std::size_t size) noexcept {
    while (size > 0) {
        const ULONG chunk = size > ULONG_MAX ? ULONG_MAX : static_cast<ULONG>(size);
        if (!BCRYPT_SUCCESS(BCryptGenRandom(nullptr, data, chunk, BCRYPT_USE_SYSTEM_PREFERRED_RNG))) {
            return false;
        }
        data += chunk;
        size -= chunk;
    }
    return true;
}

} // namespace vaultlet
