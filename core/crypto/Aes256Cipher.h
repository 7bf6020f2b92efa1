#pragma once

#include "core/crypto/AesCipher.h"

namespace vaultlet {

// AES with a 256-bit key; the key buffer is the RIPEMD-256 digest of the key given to SetKey.
class Aes256Cipher final : public AesCipher<32> {
public:
    static constexpr int kId = 1;

    int Id() const override { return kId; }
    const char* Name() const override;
};

} // namespace vaultlet
