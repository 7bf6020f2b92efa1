#pragma once

#include "core/crypto/Blowfish.h"
#include "core/crypto/CopiedKeyCipher.h"

namespace vaultlet {

// Blowfish with a 256-bit (32-byte) key: SetKey copies the first min(length, 32) bytes into the key
// buffer, leaving the rest of it as it was.
class BlowfishCipher final : public CopiedKeyCipher<Blowfish> {
public:
    static constexpr int kId = 3;

    int Id() const override { return kId; }
    const char* Name() const override;
};

} // namespace vaultlet
