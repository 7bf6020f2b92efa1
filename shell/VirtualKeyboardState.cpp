#include "shell/VirtualKeyboardState.h"

namespace vaultlet {

VirtualKeyboardState::Outcome VirtualKeyboardState::Press(const VirtualKey& key) {
    using Action = Outcome::Action;
    switch (key.role) {
    case VirtualKeyRole::Backspace:
        m_shiftOnce = false;
        return {Action::Backspace, {}, false};
    case VirtualKeyRole::Ok:
        m_shiftOnce = false;
        return {Action::Close, {}, false};
    case VirtualKeyRole::Caps:
        m_caps = !m_caps;
        return {Action::None, {}, true};
    case VirtualKeyRole::Shift:
        // Shift switched on by its key lasts for one character; switched off, nothing is pending.
        // (Toggling "once" instead would, after Shift and Backspace, turn Shift back on behind the
        // user's back when the next character is typed.)
        m_shift = !m_shift;
        m_shiftOnce = m_shift;
        return {Action::None, {}, true};
    case VirtualKeyRole::Character:
        break;
    }
    const Outcome typed{Action::Type, Label(key), m_shiftOnce};
    if (m_shiftOnce) {
        m_shift = !m_shift;
        m_shiftOnce = false;
    }
    return typed;
}

std::string_view VirtualKeyboardState::Label(const VirtualKey& key) const {
    const bool shifted = key.shiftOnly ? m_shift : m_shift != m_caps;
    return shifted ? key.shifted : key.normal;
}

bool VirtualKeyboardState::IsLatched(const VirtualKey& key) const {
    switch (key.role) {
    case VirtualKeyRole::Shift:
        return m_shift;
    case VirtualKeyRole::Caps:
        return m_caps;
    default:
        return false;
    }
}

} // namespace vaultlet
