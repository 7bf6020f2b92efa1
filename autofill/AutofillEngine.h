#pragma once

#include "autofill/AutofillAction.h"
#include "autofill/AutofillOptions.h"
#include "autofill/InputSender.h"
#include "autofill/WindowHandle.h"

#include <functional>
#include <string_view>

namespace vaultlet {

class Passcard;

// Types a passcard's auto-type template, or one plain text, into another window. Short-lived:
// create, prepare once, send once. Preparation turns the input into a key list (keystroke mode) or
// an action list (clipboard mode, where item values are pasted); Send plays it through the sender.
// The mode and the key hold time are read from the options source at every preparation and send.
class AutofillEngine {
public:
    AutofillEngine(InputSender& sender, AutofillOptionsSource options);
    AutofillEngine(InputSender& sender, const AutofillOptions& options);
    AutofillEngine(const AutofillEngine&) = delete;
    AutofillEngine& operator=(const AutofillEngine&) = delete;

    // Clears both lists, remembers the passcard and fills the list of the current mode. True when
    // there is something to send; false (and nothing prepared) without a passcard.
    bool PrepareTemplate(std::string_view autofillTemplate, const Passcard* passcard);
    // The whole text as input, no template syntax interpreted: one text action in clipboard mode,
    // one keystroke per character otherwise. False (nothing prepared) for an empty text.
    bool PrepareText(std::string_view text);
    bool HasInput() const noexcept { return !m_keys.empty() || !m_actions.empty(); }

    // Activates the target, when one is given, then sends the list of the current mode. Without a
    // target the input goes wherever the keyboard focus is. Typing goes only into the window it
    // was meant for (the target, or the window in front when Send began): when that window did not
    // come to the front, or another one took its place, Send stops silently before the next key or
    // paste; so it does when a pasted value was asked for by another program. True when everything
    // was sent.
    bool Send(WindowHandle target = nullptr);
    // Asked once by Send after the target was activated and before the first key: false stops the
    // send there, with nothing typed. For a target chosen by the user, the last chance to see that
    // it is still the window the user meant.
    void SetTargetCheck(std::function<bool()> check) { m_targetCheck = std::move(check); }

    const KeyList& Keys() const noexcept { return m_keys; }
    const ActionList& Actions() const noexcept { return m_actions; }
    const Passcard* PreparedPasscard() const noexcept { return m_passcard; }

private:
    void Clear();
    bool StillInFront() const;
    void PressKey(const KeyStroke& key);
    void PressCode(KeyCode code);
    void PressCharacter(char16_t unit);
    void Hold();
    void HoldModifier(std::uint8_t modifiers, std::uint8_t bit, std::uint8_t virtualKey, bool& held);
    void ReleaseModifiers();
    bool Paste(const SecureString& text);

    InputSender& m_sender;
    AutofillOptionsSource m_options;
    std::function<bool()> m_targetCheck;
    const Passcard* m_passcard = nullptr;
    WindowHandle m_window = nullptr;
    KeyList m_keys;
    ActionList m_actions;
    bool m_shiftDown = false;
    bool m_ctrlDown = false;
    bool m_altDown = false;
    unsigned m_holdTime = 0;
};

} // namespace vaultlet
