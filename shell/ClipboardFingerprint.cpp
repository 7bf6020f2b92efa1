#include "shell/ClipboardFingerprint.h"

#include "core/SecureWipe.h"
#include "core/SystemEntropy.h"
#include "core/crypto/Ripemd.h"

#include <algorithm>

namespace vaultlet {
namespace {

constexpr std::size_t kBlockSize = 64;
constexpr std::size_t kKeySize = 32;
constexpr std::uint8_t kInnerPad = 0x36;
constexpr std::uint8_t kOuterPad = 0x5C;

// Drawn once, the first time a secret is put on the clipboard. Should the system's random source
// fail, the digest is still a digest: the text is not kept, only its recognition is weaker.
const std::array<std::uint8_t, kKeySize>& ProcessKey() {
    static const std::array<std::uint8_t, kKeySize> key = [] {
        std::array<std::uint8_t, kKeySize> drawn{};
        FillSystemRandom(drawn.data(), drawn.size());
        return drawn;
    }();
    return key;
}

bool SameDigest(const ClipboardFingerprint::Digest& a, const ClipboardFingerprint::Digest& b) noexcept {
    std::uint8_t difference = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        difference |= static_cast<std::uint8_t>(a[i] ^ b[i]);
    }
    return difference == 0;
}

} // namespace

ClipboardFingerprint::Digest ClipboardFingerprint::Keyed(std::span<const std::uint8_t> key,
                                                         std::string_view text) noexcept {
    std::uint8_t block[kBlockSize] = {};
    if (key.size() > kBlockSize) {
        Ripemd::Hash(RipemdVariant::Ripemd160, key.data(), key.size(), block);
    } else {
        std::copy(key.begin(), key.end(), block);
    }
    std::uint8_t pad[kBlockSize];
    Digest inner{};
    Digest outer{};
    Ripemd hash(RipemdVariant::Ripemd160);
    for (std::size_t i = 0; i < kBlockSize; ++i) {
        pad[i] = block[i] ^ kInnerPad;
    }
    hash.Add(pad, kBlockSize);
    hash.Add(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    hash.Finish(inner.data());
    for (std::size_t i = 0; i < kBlockSize; ++i) {
        pad[i] = block[i] ^ kOuterPad;
    }
    hash.Add(pad, kBlockSize);
    hash.Add(inner.data(), inner.size());
    hash.Finish(outer.data());
    SecureWipe(block, sizeof block);
    SecureWipe(pad, sizeof pad);
    SecureWipe(inner.data(), inner.size());
    return outer;
}

void ClipboardFingerprint::Remember(std::string_view text) noexcept {
    m_digest = Keyed(ProcessKey(), text);
    m_set = true;
}

void ClipboardFingerprint::Forget() noexcept {
    m_digest.fill(0);
    m_set = false;
}

bool ClipboardFingerprint::Matches(std::string_view text) const noexcept {
    return m_set && SameDigest(m_digest, Keyed(ProcessKey(), text));
}

} // namespace vaultlet
