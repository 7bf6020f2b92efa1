#pragma once

#include "autofill/GeneratorDraws.h"
#include "core/SecureBytes.h"

#include <cstddef>

namespace vaultlet {

// Draws from the operating system's cryptographic random source: 15 random bits per draw, so every
// number 0..32767 is equally likely and no earlier password tells anything about the next. The
// buffered random bytes are wiped.
class SystemGeneratorDraws : public GeneratorDraws {
public:
    bool Draw(int& value) override;

private:
    static constexpr std::size_t kBufferSize = 64;

    SecureArray<kBufferSize> m_buffer;
    std::size_t m_used = kBufferSize;
};

} // namespace vaultlet
