#pragma once

#include "shell/VirtualKeyboardLayout.h"

#include <string_view>

namespace vaultlet {

// The Shift and Caps state of the on-screen keyboard and what each click does with it. A Shift key
// click latches Shift for exactly one following character ("Shift once"); a second Shift click, or
// the character typed, releases it. Backspace leaves Shift alone, so Shift, Backspace, a types "A"
// and keeps Shift latched. Caps affects letters and the backtick only.
class VirtualKeyboardState {
public:
    // What the window must do after a click.
    struct Outcome {
        enum class Action { None, Type, Backspace, Close };
        Action action = Action::None;
        // The text to insert at the caret (for Type): the key's label at the moment of the click.
        std::string_view text;
        // The labels and latched keys changed and must be drawn anew.
        bool relabel = false;
    };

    Outcome Press(const VirtualKey& key);

    // The label a key shows, and types, in the current state.
    std::string_view Label(const VirtualKey& key) const;
    // Whether a Shift or Caps key is drawn held down.
    bool IsLatched(const VirtualKey& key) const;

    bool IsShiftOn() const noexcept { return m_shift; }
    bool IsCapsOn() const noexcept { return m_caps; }
    bool IsShiftOnce() const noexcept { return m_shiftOnce; }

private:
    bool m_shift = false;
    bool m_caps = false;
    bool m_shiftOnce = false;
};

} // namespace vaultlet
