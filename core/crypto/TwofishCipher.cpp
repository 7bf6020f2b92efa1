#include "core/crypto/TwofishCipher.h"

#include "core/crypto/Twofish.h"
#include "core/crypto/InlineWipe.h"

#include <algorithm>
#include <cstring>

namespace vaultlet {

namespace {

// From this many blocks on, precomputing the key-dependent S-boxes costs less than evaluating them
// block by block (measured with bench/CryptoBench).
constexpr std::size_t kFullKeyingBlocks = 8;

} // namespace

void TwofishCipher::SetKey(const std::uint8_t* key, std::size_t length) {
    const std::size_t count = std::min(length, m_key.size());
    if (count != 0) {
        std::memcpy(m_key.data(), key, count);
    }
}

bool TwofishCipher::Encrypt(const std::uint8_t* in, std::uint8_t* out, std::size_t length) {
    return Run(true, in, out, length);
}

bool TwofishCipher::Decrypt(const std::uint8_t* in, std::uint8_t* out, std::size_t length) {
    return Run(false, in, out, length);
}

const char* TwofishCipher::Name() const {
    return "Twofish (128-bit block cipher using 256-bit key)";
}

bool TwofishCipher::Run(bool encrypting, const std::uint8_t* in, std::uint8_t* out, std::size_t length) {
    if (length % kBlockSize != 0) {
        return false;
    }
    const std::size_t blocks = length / kBlockSize;
    Twofish twofish;
    const bool ok = twofish.SetKey(m_key.data(), m_key.size(),
                                   blocks >= kFullKeyingBlocks ? Twofish::Keying::Full : Twofish::Keying::Compact);
    if (ok) {
        if (encrypting) {
            twofish.EncryptBlocks(in, out, blocks);
        } else {
            twofish.DecryptBlocks(in, out, blocks);
        }
    }
    InlineWipe(m_key.data(), m_key.size());
    return ok;
}

} // namespace vaultlet
