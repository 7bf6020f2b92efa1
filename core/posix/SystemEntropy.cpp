#include "core/SystemEntropy.h"

#include <cerrno>
#include <sys/random.h>

namespace vaultlet {

bool FillSystemRandom(std::uint8_t* data, std::size_t size) noexcept {
    while (size > 0) {
        const ssize_t got = getrandom(data, size, 0);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

} // namespace vaultlet
