#include "autofill/AutofillEngine.h"

#include "autofill/TemplatePreparation.h"
#include "core/Passcard.h"

#include <algorithm>
#include <utility>

namespace vaultlet {

AutofillEngine::AutofillEngine(InputSender& sender, AutofillOptionsSource options)
    : m_sender(sender), m_options(std::move(options)) {}

AutofillEngine::AutofillEngine(InputSender& sender, const AutofillOptions& options)
    : AutofillEngine(sender, [options] { return options; }) {}

bool AutofillEngine::PrepareTemplate(std::string_view autofillTemplate, const Passcard* passcard) {
    Clear();
    m_passcard = passcard;
    if (passcard == nullptr) {
        return false;
    }
    if (m_options().fromClipboard) {
        PrepareTemplateActions(autofillTemplate, *passcard, m_sender, m_actions);
    } else {
        PrepareTemplateKeys(autofillTemplate, *passcard, m_sender, m_keys);
    }
    return HasInput();
}

bool AutofillEngine::PrepareText(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    Clear();
    if (m_options().fromClipboard) {
        m_actions.push_back(AutofillAction{AutofillAction::Kind::Text, {}, SecureString(text)});
    } else {
        PrepareTextKeys(text, m_sender, m_keys);
    }
    return HasInput();
}

bool AutofillEngine::Send(WindowHandle target) {
    if (target != nullptr) {
        m_sender.ActivateWindow(target);
    }
    if (m_targetCheck && !m_targetCheck()) {
        return false;
    }
    // Input lands in whatever is in front. A window that refused to come forward, or one that
    // pushed itself in front meanwhile, must not receive a password meant for another.
    m_window = target != nullptr ? target : m_sender.ForegroundWindow();
    const AutofillOptions options = m_options();
    m_holdTime = static_cast<unsigned>(std::clamp(options.keyHoldTime, 0, AutofillOptions::kMaxKeyHoldTime));
    if (!options.fromClipboard) {
        for (const KeyStroke& key : m_keys) {
            if (!StillInFront()) {
                return false;
            }
            PressKey(key);
        }
        return true;
    }
    for (const AutofillAction& action : m_actions) {
        if (!StillInFront()) {
            return false;
        }
        if (action.kind == AutofillAction::Kind::Key) {
            PressKey(action.key);
        } else if (!Paste(action.text)) {
            return false;
        }
    }
    return true;
}

bool AutofillEngine::StillInFront() const {
    return m_window != nullptr && m_sender.ForegroundWindow() == m_window;
}

void AutofillEngine::Clear() {
    m_keys.clear();
    m_actions.clear();
    m_passcard = nullptr;
}

void AutofillEngine::PressKey(const KeyStroke& key) {
    if (key.IsCharacter()) {
        PressCharacter(key.unit);
    } else {
        PressCode(key.code);
    }
}

void AutofillEngine::PressCode(KeyCode code) {
    const std::uint8_t modifiers = ModifiersOf(code);
    HoldModifier(modifiers, kShiftBit, kVirtualKeyShift, m_shiftDown);
    HoldModifier(modifiers, kCtrlBit, kVirtualKeyControl, m_ctrlDown);
    HoldModifier(modifiers, kAltBit, kVirtualKeyAlt, m_altDown);
    m_sender.SendKey(VirtualKeyOf(code), true);
    Hold();
    m_sender.SendKey(VirtualKeyOf(code), false);
    ReleaseModifiers();
}

void AutofillEngine::PressCharacter(char16_t unit) {
    m_sender.SendCharacter(unit, true);
    Hold();
    m_sender.SendCharacter(unit, false);
}

void AutofillEngine::Hold() {
    if (m_holdTime != 0) {
        m_sender.Pause(m_holdTime);
    }
}

void AutofillEngine::HoldModifier(std::uint8_t modifiers, std::uint8_t bit, std::uint8_t virtualKey, bool& held) {
    if ((modifiers & bit) != 0 && !held) {
        m_sender.SendKey(virtualKey, true);
        held = true;
    }
}

void AutofillEngine::ReleaseModifiers() {
    const std::pair<bool*, std::uint8_t> modifiers[] = {
        {&m_shiftDown, kVirtualKeyShift}, {&m_ctrlDown, kVirtualKeyControl}, {&m_altDown, kVirtualKeyAlt}};
    for (const auto& [held, virtualKey] : modifiers) {
        if (*held) {
            m_sender.SendKey(virtualKey, false);
            *held = false;
        }
    }
}

bool AutofillEngine::Paste(const SecureString& text) {
    // Pasting after a failed hand-over would type whatever the clipboard held before, possibly
    // another secret, so the paste is skipped.
    if (!m_sender.SetClipboardText(text.Viewed())) {
        return true;
    }
    // Filling the clipboard takes a moment in which another window may have come forward.
    if (!StillInFront()) {
        m_sender.WithdrawClipboardText();
        return false;
    }
    // Ctrl with the key that types "v" in the current layout; a layout without a "v" key (Cyrillic,
    // Greek) still pastes with the key in the V position.
    const KeyCode v = m_sender.KeyForChar('v');
    const std::uint8_t virtualKey = v == kNoKey ? kVirtualKeyV : VirtualKeyOf(v);
    PressCode(MakeKeyCode(virtualKey, kCtrlBit));
    // Only now may the value be read, and only by the window the keys went to: a program that reads
    // the clipboard first has not been sent a paste, and whatever it is, the rest is not typed.
    return m_sender.FinishPaste(m_window);
}

} // namespace vaultlet
