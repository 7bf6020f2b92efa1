#include "core/SecureWipe.h"

#include <windows.h>

namespace vaultlet {

void SecureWipe(void* data, std::size_t size) noexcept {
    if (data != nullptr && size != 0) {
        SecureZeroMemory(data, size);
    }
}

} // namespace vaultlet
