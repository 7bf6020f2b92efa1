#pragma once

#include "core/EncryptedDatabase.h"

#include <memory>

namespace vaultlet {

// The database the user has open, owned by the shell for the whole session; null while none is
// open. Only the user-interface thread touches it.
class CurrentDatabase {
public:
    static EncryptedDatabase* Get() noexcept;
    // Replaces (and destroys) the open database.
    static void Set(std::unique_ptr<EncryptedDatabase> database) noexcept;
    static void Reset() noexcept { Set(nullptr); }
};

} // namespace vaultlet
