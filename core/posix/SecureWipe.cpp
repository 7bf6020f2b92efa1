#include "core/SecureWipe.h"

#include <string.h>

namespace vaultlet {

void SecureWipe(void* data, std::size_t size) noexcept {
    if (data != nullptr && size != 0) {
        explicit_bzero(data, size);
    }
}

} // namespace vaultlet
