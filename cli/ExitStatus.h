#pragma once

#include "core/LoadResult.h"

namespace vaultlet {

// The exit statuses of vaultlet-cli; scripts rely on the numbers. A database that cannot be opened
// exits with its load result.
enum class ExitStatus {
    Success = 0,
    WrongPassword = 1,
    // audit: the database has something to fix. Like grep and diff, audit keeps 1 for "found" and
    // every failure above it, so its wrong password is AuditWrongPassword.
    Findings = 1,
    NotADatabase = 2,
    CannotOpen = 3,
    ReadFailure = 4,
    UnknownCipher = 5,
    SaveFailed = 6,
    ImportFailed = 7,
    // audit only: the password was wrong (1 means findings there).
    AuditWrongPassword = 8,
    Usage = 64,
    // Something that should not happen: the random source failed, memory ran out.
    Internal = 70,
};

constexpr ExitStatus ExitStatusOf(LoadResult result) noexcept {
    return static_cast<ExitStatus>(static_cast<int>(result));
}

constexpr int ExitCode(ExitStatus status) noexcept {
    return static_cast<int>(status);
}

} // namespace vaultlet
