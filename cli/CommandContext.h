#pragma once

#include "cli/PasswordInput.h"
#include "core/FileSystem.h"

#include <istream>
#include <ostream>

namespace vaultlet {

// What a command works with: the standard streams, where passwords come from, and the file system
// (the real one, or one that fails on purpose in tests).
struct CommandContext {
    std::istream& in;
    std::ostream& out;
    PasswordInput& passwords;
    FileSystem& fileSystem;
};

} // namespace vaultlet
