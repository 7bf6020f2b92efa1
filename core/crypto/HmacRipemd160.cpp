#include "core/crypto/HmacRipemd160.h"

#include "core/SecureWipe.h"
#include "core/crypto/Ripemd.h"

#include <cstring>

namespace vaultlet {
namespace {

constexpr std::uint8_t kInnerByte = 0x36;
constexpr std::uint8_t kOuterByte = 0x5C;

} // namespace

HmacRipemd160::HmacRipemd160(const std::uint8_t* key, std::size_t keyLength) noexcept {
    std::uint8_t block[kBlockSize] = {};
    if (keyLength > kBlockSize) {
        Ripemd::Hash(RipemdVariant::Ripemd160, key, keyLength, block);
    } else if (keyLength > 0) {
        std::memcpy(block, key, keyLength);
    }
    for (std::size_t i = 0; i < kBlockSize; ++i) {
        m_innerPad[i] = static_cast<std::uint8_t>(block[i] ^ kInnerByte);
        m_outerPad[i] = static_cast<std::uint8_t>(block[i] ^ kOuterByte);
    }
    SecureWipe(block, sizeof block);
}

HmacRipemd160::~HmacRipemd160() {
    SecureWipe(m_innerPad, sizeof m_innerPad);
    SecureWipe(m_outerPad, sizeof m_outerPad);
}

HmacRipemd160::Digest HmacRipemd160::Compute(const std::uint8_t* data, std::size_t length) const noexcept {
    Ripemd hash(RipemdVariant::Ripemd160);
    Digest inner;
    hash.Add(m_innerPad, kBlockSize);
    hash.Add(data, length);
    hash.Finish(inner.data());
    Digest outer;
    hash.Add(m_outerPad, kBlockSize);
    hash.Add(inner.data(), inner.size());
    hash.Finish(outer.data());
    SecureWipe(inner.data(), inner.size());
    return outer;
}

} // namespace vaultlet
