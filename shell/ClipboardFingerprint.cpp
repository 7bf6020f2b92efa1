#include "shell/ClipboardFingerprint.h"

#include "core/SystemEntropy.h"
#include "core/crypto/HmacRipemd160.h"

namespace vaultlet {
namespace {

constexpr std::size_t kKeySize = 32;

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

ClipboardFingerprint::Digest Keyed(std::string_view text) noexcept {
    const HmacRipemd160 hmac(ProcessKey().data(), kKeySize);
    return hmac.Compute(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

bool SameDigest(const ClipboardFingerprint::Digest& a, const ClipboardFingerprint::Digest& b) noexcept {
    std::uint8_t difference = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        difference |= static_cast<std::uint8_t>(a[i] ^ b[i]);
    }
    return difference == 0;
}

} // namespace

void ClipboardFingerprint::Remember(std::string_view text) noexcept {
    m_digest = Keyed(text);
    m_set = true;
}

void ClipboardFingerprint::Forget() noexcept {
    m_digest.fill(0);
    m_set = false;
}

bool ClipboardFingerprint::Matches(std::string_view text) const noexcept {
    return m_set && SameDigest(m_digest, Keyed(text));
}

} // namespace vaultlet
