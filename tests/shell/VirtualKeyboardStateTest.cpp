#include "shell/VirtualKeyboardState.h"

#include "resources/resource.h"

#include <gtest/gtest.h>

#include <string>

namespace vaultlet {
namespace {

using Action = VirtualKeyboardState::Outcome::Action;

// A keyboard fed with clicks by key label (named keys by their role) that records what it types.
class Typist {
public:
    // Clicks the keys in order; "Shift", "Caps", "Back" and "OK" name the control keys, every other
    // word is the normal label of a character key.
    std::string Click(std::initializer_list<const char*> names) {
        std::string typed;
        for (const char* name : names) {
            const VirtualKeyboardState::Outcome outcome = m_state.Press(KeyNamed(name));
            if (outcome.action == Action::Type) {
                typed += outcome.text;
            } else if (outcome.action == Action::Backspace) {
                typed += "<BS>";
            } else if (outcome.action == Action::Close) {
                typed += "<OK>";
            }
        }
        return typed;
    }

    static const VirtualKey& KeyNamed(std::string_view name) {
        const int id = name == "Shift"    ? IDC_VKEY_SHIFT
                       : name == "Shift2" ? IDC_VKEY_SHIFT_RIGHT
                       : name == "Caps"   ? IDC_VKEY_CAPS
                       : name == "Back"   ? IDC_VKEY_BACKSPACE
                       : name == "OK"     ? IDC_VKEY_OK
                                          : 0;
        if (id != 0) {
            return *VirtualKeyboardLayout::Find(id);
        }
        for (const VirtualKey& key : VirtualKeyboardLayout::Keys()) {
            if (key.role == VirtualKeyRole::Character && key.normal == name) {
                return key;
            }
        }
        ADD_FAILURE() << "no key " << name;
        return VirtualKeyboardLayout::Keys().front();
    }

private:
    VirtualKeyboardState m_state;
};

TEST(VirtualKeyboardStateTest, ShiftLastsForOneCharacterCapsForLettersAndBackspaceKeepsShift) {
    Typist typist;
    EXPECT_EQ(typist.Click({"q", "Shift", "q", "q"}), "qQq");
    // Two Shift clicks in a row leave Shift off; either Shift key counts.
    EXPECT_EQ(typist.Click({"Shift", "Shift2", "w", "Shift2", "1", "1"}), "w!1");
    // Caps affects letters and the backtick only.
    EXPECT_EQ(typist.Click({"Caps", "a", "1", "`", "[", " "}), "A1~[ ");
    // Caps and Shift cancel each other on letters; Shift still shifts digits.
    EXPECT_EQ(typist.Click({"Shift", "a"}), "a");
    EXPECT_EQ(typist.Click({"Shift", "1", "Caps", "b"}), "!b");
    // Backspace keeps Shift on until Shift is clicked again.
    EXPECT_EQ(typist.Click({"Shift", "Back", "a", "b"}), "<BS>AB");
    EXPECT_EQ(typist.Click({"Shift", "c", "d"}), "cd");
    // OK closes the keyboard.
    EXPECT_EQ(typist.Click({"Shift", "OK"}), "<OK>");
}

} // namespace
} // namespace vaultlet
