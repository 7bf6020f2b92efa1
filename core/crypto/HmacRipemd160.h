#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vaultlet {

// HMAC (RFC 2104) over RIPEMD-160, as RFC 2286 specifies it: a keyed digest. With a secret key it
// lets values be compared by their digests without keeping the values, and the digests alone tell
// nothing about the values to whoever lacks the key. The padded key blocks are wiped on destruction.
class HmacRipemd160 {
public:
    static constexpr std::size_t kDigestSize = 20;
    using Digest = std::array<std::uint8_t, kDigestSize>;

    // A key longer than a block is hashed first, as RFC 2104 prescribes.
    HmacRipemd160(const std::uint8_t* key, std::size_t keyLength) noexcept;
    ~HmacRipemd160();
    HmacRipemd160(const HmacRipemd160&) = delete;
    HmacRipemd160& operator=(const HmacRipemd160&) = delete;

    Digest Compute(const std::uint8_t* data, std::size_t length) const noexcept;

private:
    static constexpr std::size_t kBlockSize = 64;

    std::uint8_t m_innerPad[kBlockSize];
    std::uint8_t m_outerPad[kBlockSize];
};

} // namespace vaultlet
