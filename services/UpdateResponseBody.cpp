#include "services/UpdateResponseBody.h"

#include <cstring>

namespace vaultlet {

bool UpdateResponseBody::Append(const char* piece, std::size_t size) {
    const void* zero = std::memchr(piece, '\0', size);
    const std::size_t length =
        zero != nullptr ? static_cast<std::size_t>(static_cast<const char*>(zero) - piece) : size;
    m_text.append(piece, length);
    return !IsOverLimit();
}

} // namespace vaultlet
