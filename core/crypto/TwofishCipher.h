#pragma once

#include "core/crypto/CopiedKeyCipher.h"
#include "core/crypto/Twofish.h"

namespace vaultlet {

// Twofish with a 256-bit key: SetKey copies the first min(length, 32) bytes into the key buffer,
// leaving the rest of it as it was.
class TwofishCipher final : public CopiedKeyCipher<Twofish> {
public:
    static constexpr int kId = 2;

    int Id() const override { return kId; }
    const char* Name() const override;

protected:
    bool KeyEngine(Twofish& engine, const std::uint8_t* key, std::size_t length, std::size_t blocks) const override;
};

} // namespace vaultlet
