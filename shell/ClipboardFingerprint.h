#pragma once

#include "core/crypto/HmacRipemd160.h"

#include <string_view>

namespace vaultlet {

// Recognises a secret the program put on the clipboard without keeping the secret itself: a keyed
// digest (HMAC-RIPEMD-160 under a key drawn at random once per process), so a program that puts the
// same text there again (a clipboard manager, a remote-desktop or virtual-machine agent) does not
// hide it, and nobody can tell from the digest what it was. Another text is never taken for it.
class ClipboardFingerprint {
public:
    using Digest = HmacRipemd160::Digest;

    void Remember(std::string_view text) noexcept;
    void Forget() noexcept;
    bool IsSet() const noexcept { return m_set; }
    // True when a text is remembered and this is the same text.
    bool Matches(std::string_view text) const noexcept;

private:
    Digest m_digest{};
    bool m_set = false;
};

} // namespace vaultlet
