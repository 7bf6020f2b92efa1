#pragma once

#include "autofill/KeyCode.h"
#include "core/SecureString.h"
#include "core/WipingAllocator.h"

#include <vector>

namespace vaultlet {

// One keystroke of auto-type: a key of the layout with its modifiers, or, for a character no key
// produces, one UTF-16 code unit sent as a character event.
struct KeyStroke {
    KeyCode code = 0;
    char16_t unit = 0; // non-zero: send this unit instead of the key

    bool IsCharacter() const noexcept { return unit != 0; }
    bool operator==(const KeyStroke&) const = default;
};

// One step in clipboard mode: press a key, or paste a value through the clipboard.
struct AutofillAction {
    enum class Kind { Key, Text };

    Kind kind = Kind::Key;
    KeyStroke key;
    SecureString text;
};

// Both lists spell out secrets (a password as keystrokes), so their buffers are wiped when released.
using KeyList = std::vector<KeyStroke, WipingAllocator<KeyStroke>>;
using ActionList = std::vector<AutofillAction, WipingAllocator<AutofillAction>>;

} // namespace vaultlet
