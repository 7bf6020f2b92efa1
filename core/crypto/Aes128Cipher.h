#pragma once

#include "core/crypto/AesCipher.h"

namespace vaultlet {

// AES with a 128-bit key; the key buffer is the RIPEMD-128 digest of the key given to SetKey.
class Aes128Cipher final : public AesCipher<16> {
public:
    static constexpr int kId = 0;

    int Id() const override { return kId; }
    const char* Name() const override;
};

} // namespace vaultlet
