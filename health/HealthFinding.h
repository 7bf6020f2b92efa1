#pragma once

#include "health/PasswordStrength.h"

#include <optional>

namespace vaultlet {

class Item;
class Passcard;

// What the password health report finds, in the order it lists them: the most urgent first.
// Expired and Expiring concern a passcard, the others one of its passwords.
enum class FindingKind { Expired, Reused, Empty, SameAsLogin, SameAsName, Weak, Expiring };

struct HealthFinding {
    FindingKind kind = FindingKind::Weak;
    const Passcard* passcard = nullptr;
    // The password, or null for a finding about the passcard.
    const Item* item = nullptr;
    // The password's strength (an empty password: no guesses, score 0); none for the passcard.
    std::optional<StrengthEstimate> strength;
    // Reused: the number of passcards holding the same value. Expired: whole days since the
    // expiry. Expiring: days left, counting a part of a day as one.
    int count = 0;

    bool IsAboutPasscard() const noexcept { return item == nullptr; }
};

} // namespace vaultlet
