#pragma once

#include "core/SecureBytes.h"
#include "core/crypto/Cipher.h"

namespace vaultlet {

// Blowfish with a 256-bit (32-byte) key: SetKey copies the first min(length, 32) bytes into the key
// buffer, leaving the rest of it as it was.
class BlowfishCipher final : public Cipher {
public:
    static constexpr int kId = 3;
    static constexpr std::size_t kBlockSize = 8;

    void SetKey(const std::uint8_t* key, std::size_t length) override;
    bool Encrypt(const std::uint8_t* in, std::uint8_t* out, std::size_t length) override;
    bool Decrypt(const std::uint8_t* in, std::uint8_t* out, std::size_t length) override;
    std::size_t BlockSize() const override { return kBlockSize; }
    int Id() const override { return kId; }
    const char* Name() const override;
    const char* Description() const override { return ""; }

private:
    bool Run(bool encrypting, const std::uint8_t* in, std::uint8_t* out, std::size_t length);

    SecureArray<32> m_key;
};

} // namespace vaultlet
