#pragma once

#include "core/SecureBytes.h"
#include "core/crypto/Cipher.h"
#include "core/crypto/Rijndael.h"
#include "core/crypto/Ripemd.h"
#include "core/crypto/InlineWipe.h"

namespace vaultlet {

// What the two AES ciphers share: the key buffer holds a RIPEMD digest of whatever SetKey is given
// (RIPEMD-128 for the 16-byte buffer, RIPEMD-256 for the 32-byte one), and every call runs AES with
// that buffer as its key, then wipes it.
template <std::size_t KeyBytes>
class AesCipher : public Cipher {
    static_assert(KeyBytes == 16 || KeyBytes == 32);

public:
    static constexpr std::size_t kBlockSize = 16;

    void SetKey(const std::uint8_t* key, std::size_t length) override {
        if (length == 32) {
            // What the database format always gives: the one-block fast path.
            if constexpr (KeyBytes == 32) {
                Ripemd::Hash256Of32(key, m_key.data());
            } else {
                Ripemd::Hash128Of32(key, m_key.data());
            }
            return;
        }
        Ripemd::Hash(KeyBytes == 32 ? RipemdVariant::Ripemd256 : RipemdVariant::Ripemd128, key, length, m_key.data());
    }

    bool Encrypt(const std::uint8_t* in, std::uint8_t* out, std::size_t length) override {
        return Run(true, in, out, length);
    }

    bool Decrypt(const std::uint8_t* in, std::uint8_t* out, std::size_t length) override {
        return Run(false, in, out, length);
    }

    std::size_t BlockSize() const override { return kBlockSize; }
    const char* Description() const override { return ""; }

private:
    bool Run(bool encrypting, const std::uint8_t* in, std::uint8_t* out, std::size_t length) {
        if (length % kBlockSize != 0) {
            return false;
        }
        Rijndael aes;
        bool ok = aes.MakeKey(m_key.data(), KeyBytes, kBlockSize) == RijndaelResult::Ok;
        if (ok) {
            ok = (encrypting ? aes.Encrypt(in, out, length) : aes.Decrypt(in, out, length)) == RijndaelResult::Ok;
        }
        InlineWipe(m_key.data(), m_key.size());
        return ok;
    }

    SecureArray<KeyBytes> m_key;
};

} // namespace vaultlet
