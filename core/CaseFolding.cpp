#include "core/CaseFolding.h"

namespace vaultlet {

CaseFolding::CaseFolding() noexcept {
    for (std::size_t byte = 0; byte < m_lower.size(); ++byte) {
        const bool upper = byte >= 'A' && byte <= 'Z';
        m_lower[byte] = static_cast<unsigned char>(upper ? byte - 'A' + 'a' : byte);
    }
}

} // namespace vaultlet
