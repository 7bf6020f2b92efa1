#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace vaultlet {

// Recognises a secret the program put on the clipboard without keeping the secret itself: a keyed
// digest (HMAC-RIPEMD-160 under a key drawn at random once per process), so a program that puts the
// same text there again (a clipboard manager, a remote-desktop or virtual-machine agent) does not
// hide it, and nobody can tell from the digest what it was. Another text is never taken for it.
class ClipboardFingerprint {
public:
    static constexpr std::size_t kDigestSize = 20;
    using Digest = std::array<std::uint8_t, kDigestSize>;

    void Remember(std::string_view text) noexcept;
    void Forget() noexcept;
    bool IsSet() const noexcept { return m_set; }
    // True when a text is remembered and this is the same text.
    bool Matches(std::string_view text) const noexcept;

    // HMAC (RFC 2104) with RIPEMD-160 of the text under the key.
    static Digest Keyed(std::span<const std::uint8_t> key, std::string_view text) noexcept;

private:
    Digest m_digest{};
    bool m_set = false;
};

} // namespace vaultlet
