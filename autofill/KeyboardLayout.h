#pragma once

#include "autofill/KeyCode.h"

namespace vaultlet {

// The keyboard layout that auto-type converts characters with (on Windows the layout of the
// program's own thread).
class KeyboardLayout {
public:
    virtual ~KeyboardLayout() = default;

    // The key and modifiers that type the (ANSI) character, or kNoKey when no key of the layout
    // produces it.
    virtual KeyCode KeyForChar(char character) const = 0;
};

} // namespace vaultlet
