#pragma once

#include "core/SecureString.h"

namespace vaultlet {

// A master password as the user gave it, in the form the program hashes: its bytes in the ANSI code
// page. `exact` is false when some character has no bytes of its own there and became "?" or a
// look-alike letter; such a password still opens a file made with the same approximation, but a new
// one is refused, as two different passwords would hash alike.
struct EnteredPassword {
    SecureString text;
    bool exact = true;
};

} // namespace vaultlet
