#pragma once

#include "core/crypto/BufferedKeyCipher.h"
#include "core/crypto/Rijndael.h"
#include "core/crypto/Ripemd.h"

namespace vaultlet {

// What the two AES ciphers share: the key buffer holds a RIPEMD digest of whatever SetKey is given
// (RIPEMD-128 for the 16-byte buffer, RIPEMD-256 for the 32-byte one), and every call runs AES with
// that buffer as its key.
template <std::size_t KeyBytes>
class AesCipher : public BufferedKeyCipher<16, KeyBytes> {
    static_assert(KeyBytes == 16 || KeyBytes == 32);

public:
    void SetKey(const std::uint8_t* key, std::size_t length) override {
        std::uint8_t* buffer = this->m_key.data();
        if (length == 32) {
            // What the database format always gives: the one-block fast path.
            if constexpr (KeyBytes == 32) {
                Ripemd::Hash256Of32(key, buffer);
            } else {
                Ripemd::Hash128Of32(key, buffer);
            }
            return;
        }
        Ripemd::Hash(KeyBytes == 32 ? RipemdVariant::Ripemd256 : RipemdVariant::Ripemd128, key, length, buffer);
    }

protected:
    bool RunBlocks(bool encrypting, const std::uint8_t* in, std::uint8_t* out, std::size_t blocks) override {
        const std::size_t length = blocks * this->kBlockSize;
        Rijndael aes;
        if (aes.MakeKey(this->m_key.data(), KeyBytes, this->kBlockSize) != RijndaelResult::Ok) {
            return false;
        }
        return (encrypting ? aes.Encrypt(in, out, length) : aes.Decrypt(in, out, length)) == RijndaelResult::Ok;
    }
};

} // namespace vaultlet
