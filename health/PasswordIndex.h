#pragma once

#include "core/crypto/HmacRipemd160.h"
#include "health/PasswordStrength.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <unordered_map>

namespace vaultlet {

class Passcard;

// The passwords of one analysis, known only by a keyed digest of their values: how many passcards
// hold each value, and each value's strength, estimated once however often the value occurs. The
// key is random, made for this index alone and wiped with it, so the digests show which values are
// equal within the analysis and nothing about the values, then or later. No value is kept.
class PasswordIndex {
public:
    using Digest = HmacRipemd160::Digest;

    // Null when the system's random source gives no key.
    static std::unique_ptr<PasswordIndex> WithRandomKey();

    explicit PasswordIndex(const std::uint8_t (&key)[32]) noexcept : m_hmac(key, sizeof key) {}

    // Records the value as held by the passcard (passcards are added one after another: a passcard
    // holding a value twice counts once) and returns its digest.
    Digest Add(const Passcard& passcard, std::string_view value);
    // For a digest Add returned.
    int PasscardCount(const Digest& digest) const { return m_entries.at(digest).passcards; }
    const StrengthEstimate& Strength(const Digest& digest) const { return m_entries.at(digest).strength; }

private:
    struct DigestHash {
        // The digest is uniformly distributed: any eight of its bytes are as good a hash as any.
        std::size_t operator()(const Digest& digest) const noexcept {
            std::size_t hash = 0;
            std::memcpy(&hash, digest.data(), sizeof hash);
            return hash;
        }
    };
    struct Entry {
        const Passcard* lastPasscard = nullptr;
        int passcards = 0;
        StrengthEstimate strength;
    };

    HmacRipemd160 m_hmac;
    std::unordered_map<Digest, Entry, DigestHash> m_entries;
};

} // namespace vaultlet
