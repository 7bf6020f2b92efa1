#pragma once

#include "core/SecureBytes.h"
#include "core/crypto/Cipher.h"
#include "core/crypto/InlineWipe.h"

namespace vaultlet {

// What every cipher of the database format shares: a key buffer of KeyBytes that SetKey fills, and
// Encrypt and Decrypt calls that refuse anything but whole blocks, run the cipher keyed with the
// buffer over the blocks, and wipe the buffer.
template <std::size_t BlockBytes, std::size_t KeyBytes>
class BufferedKeyCipher : public Cipher {
public:
    static constexpr std::size_t kBlockSize = BlockBytes;

    bool Encrypt(const std::uint8_t* in, std::uint8_t* out, std::size_t length) override {
        return Run(true, in, out, length);
    }

    bool Decrypt(const std::uint8_t* in, std::uint8_t* out, std::size_t length) override {
        return Run(false, in, out, length);
    }

    std::size_t BlockSize() const override { return kBlockSize; }
    const char* Description() const override { return ""; }

protected:
    // Runs the cipher keyed with m_key over whole blocks; false, with nothing written, when the key
    // is refused.
    virtual bool RunBlocks(bool encrypting, const std::uint8_t* in, std::uint8_t* out, std::size_t blocks) = 0;

    SecureArray<KeyBytes> m_key;

private:
    bool Run(bool encrypting, const std::uint8_t* in, std::uint8_t* out, std::size_t length) {
        if (length % kBlockSize != 0) {
            return false;
        }
        const bool ok = RunBlocks(encrypting, in, out, length / kBlockSize);
        InlineWipe(m_key.data(), m_key.size());
        return ok;
    }
};

} // namespace vaultlet
