#pragma once

#include "health/HealthFinding.h"

#include <cstddef>
#include <vector>

namespace vaultlet {

// The outcome of one password health analysis. The findings point into the database analysed and
// hold no password; they are valid while that database is unchanged.
struct HealthReport {
    // By severity (FindingKind order), then the weakest password first, then in tree order.
    std::vector<HealthFinding> findings;
    std::size_t passcards = 0;
    std::size_t passwords = 0;
    // Each passcard or password counted once, however many findings it has: expired and expiring
    // passcards, passwords shared with another passcard, and passwords that are weak, empty or the
    // same as the login or the passcard's name.
    std::size_t expired = 0;
    std::size_t reused = 0;
    std::size_t weak = 0;
    std::size_t expiring = 0;

    bool Clean() const noexcept { return findings.empty(); }
};

} // namespace vaultlet
