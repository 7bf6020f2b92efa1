#include "core/crypto/BlowfishCipher.h"

#include "core/crypto/Blowfish.h"
#include "core/crypto/InlineWipe.h"

#include <algorithm>
#include <cstring>

namespace vaultlet {

void BlowfishCipher::SetKey(const std::uint8_t* key, std::size_t length) {
    const std::size_t count = std::min(length, m_key.size());
    if (count != 0) {
        std::memcpy(m_key.data(), key, count);
    }
}

bool BlowfishCipher::Encrypt(const std::uint8_t* in, std::uint8_t* out, std::size_t length) {
    return Run(true, in, out, length);
}

bool BlowfishCipher::Decrypt(const std::uint8_t* in, std::uint8_t* out, std::size_t length) {
    return Run(false, in, out, length);
}

const char* BlowfishCipher::Name() const {
    return "Blowfish (64-bit block cipher using 256-bit key)";
}

bool BlowfishCipher::Run(bool encrypting, const std::uint8_t* in, std::uint8_t* out, std::size_t length) {
    if (length % kBlockSize != 0) {
        return false;
    }
    Blowfish blowfish;
    const bool ok = blowfish.SetKey(m_key.data(), m_key.size());
    if (ok) {
        if (encrypting) {
            blowfish.EncryptBlocks(in, out, length / kBlockSize);
        } else {
            blowfish.DecryptBlocks(in, out, length / kBlockSize);
        }
    }
    InlineWipe(m_key.data(), m_key.size());
    return ok;
}

} // namespace vaultlet
