#pragma once

#include "cli/ExitStatus.h"
#include "cli/PasswordInput.h"
#include "core/FileSystem.h"

#include <istream>
#include <ostream>

namespace vaultlet {

// What a command works with: the standard streams, where passwords come from, and the file system
// (the real one, or one that fails on purpose in tests); and the status it exits with when it
// succeeds, which a command that reports a finding (audit) sets.
struct CommandContext {
    std::istream& in;
    std::ostream& out;
    PasswordInput& passwords;
    FileSystem& fileSystem;
    ExitStatus status = ExitStatus::Success;
};

} // namespace vaultlet
