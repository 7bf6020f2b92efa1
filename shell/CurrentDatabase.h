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

    // Counts the replacements: a command that lets the user wait in a modal dialog compares it
    // before and after, because a log-off or hand-over meanwhile may have put another database
    // where the old one was (even at the same address).
    static unsigned long Generation() noexcept;
    // The open database's nodes were replaced (by a merge) without replacing the database: counts as
    // a replacement, since nodes a waiting command points to may be gone.
    static void ContentReplaced() noexcept;
};

} // namespace vaultlet
