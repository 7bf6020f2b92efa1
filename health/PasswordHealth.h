#pragma once

#include "health/HealthReport.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace vaultlet {

class Database;
class Item;
class Passcard;

// Which passwords of a database to change first. Every password of every passcard (items of type
// Password and hidden custom fields) is checked: its strength by zxcvbn, whether another passcard
// holds the same value (compared by keyed digests, never by a kept copy), whether it is empty, and
// whether it is the passcard's login or name; every passcard for an expiry that has passed or lies
// within the given number of days. Reads the clock once, at the start.
class PasswordHealth {
public:
    static constexpr int kDefaultExpiringDays = 14;
    static constexpr int kMaxExpiringDays = 3650;
    static constexpr std::uint64_t kFileTimeDay = 864000000000ULL;

    // Nothing when the system's random source failed (the digests need a key from it).
    static std::optional<HealthReport> Analyse(const Database& database, int expiringDays);
    // The passcards whose expiry has passed.
    static std::size_t CountExpired(const Database& database);
    static bool IsPassword(const Item& item) noexcept;

private:
    static void CheckExpiry(const Passcard& passcard, std::uint64_t now, int expiringDays, HealthReport& report);
    static void Sort(std::vector<HealthFinding>& findings);
};

} // namespace vaultlet
