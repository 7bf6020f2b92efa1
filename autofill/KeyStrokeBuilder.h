#pragma once

#include "autofill/AutofillAction.h"
#include "autofill/KeyboardLayout.h"
#include "core/SecureString.h"

#include <functional>
#include <string_view>

namespace vaultlet {

// Turns characters into keystrokes with a keyboard layout. Characters that no key produces are
// gathered into a run and converted from ANSI to UTF-16 as a whole, so a character of several bytes
// becomes its code units rather than one broken key per byte; each unit is then typed as a
// character event.
class KeyStrokeBuilder {
public:
    using Sink = std::function<void(const KeyStroke&)>;

    KeyStrokeBuilder(const KeyboardLayout& layout, Sink sink);
    KeyStrokeBuilder(const KeyStrokeBuilder&) = delete;
    KeyStrokeBuilder& operator=(const KeyStrokeBuilder&) = delete;

    void AddCharacter(char character);
    void AddText(std::string_view text);
    // A key with its modifiers, as it is (special keys).
    void AddKey(KeyCode code);
    // Emits the pending run of characters no key produces. Call before anything else is appended
    // to the output by other means, and at the end.
    void Flush();

private:
    const KeyboardLayout& m_layout;
    Sink m_sink;
    SecureString m_pending;
};

} // namespace vaultlet
