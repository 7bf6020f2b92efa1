#include "health/PasswordIndex.h"

#include "core/SecureWipe.h"
#include "core/SystemEntropy.h"

namespace vaultlet {

std::unique_ptr<PasswordIndex> PasswordIndex::WithRandomKey() {
    std::uint8_t key[32];
    std::unique_ptr<PasswordIndex> index;
    if (FillSystemRandom(key, sizeof key)) {
        index = std::make_unique<PasswordIndex>(key);
    }
    SecureWipe(key, sizeof key);
    return index;
}

PasswordIndex::Digest PasswordIndex::Add(const Passcard& passcard, std::string_view value) {
    const Digest digest = m_hmac.Compute(reinterpret_cast<const std::uint8_t*>(value.data()), value.size());
    const auto [found, added] = m_entries.try_emplace(digest);
    Entry& entry = found->second;
    if (added) {
        entry.strength = PasswordStrength::Estimate(value);
    }
    if (entry.lastPasscard != &passcard) {
        entry.lastPasscard = &passcard;
        ++entry.passcards;
    }
    return digest;
}

} // namespace vaultlet
