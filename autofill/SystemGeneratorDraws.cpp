#include "autofill/SystemGeneratorDraws.h"

#include "core/SystemEntropy.h"

namespace vaultlet {

bool SystemGeneratorDraws::Draw(int& value) {
    if (m_used + 2 > kBufferSize) {
        if (!FillSystemRandom(m_buffer.data(), kBufferSize)) {
            m_buffer.Wipe();
            return false;
        }
        m_used = 0;
    }
    value = (m_buffer[m_used] | (m_buffer[m_used + 1] << 8)) & kMaxDraw;
    m_buffer[m_used] = 0;
    m_buffer[m_used + 1] = 0;
    m_used += 2;
    return true;
}

} // namespace vaultlet
