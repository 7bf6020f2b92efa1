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

    VirtualKeyboardState m_state;
};

TEST(VirtualKeyboardStateTest, ShiftLastsForOneCharacter) {
    Typist typist;
    EXPECT_EQ(typist.Click({"q", "Shift", "q", "q"}), "qQq");
    EXPECT_FALSE(typist.m_state.IsShiftOn());
    // Two Shift clicks in a row leave Shift off; either Shift key counts.
    EXPECT_EQ(typist.Click({"Shift", "Shift2", "w", "Shift2", "1", "1"}), "w!1");
    EXPECT_FALSE(typist.m_state.IsShiftOn());
    EXPECT_FALSE(typist.m_state.IsShiftOnce());
}

TEST(VirtualKeyboardStateTest, CapsAffectsLettersAndTheBacktickOnly) {
    Typist typist;
    EXPECT_EQ(typist.Click({"Caps", "a", "1", "`", "[", " "}), "A1~[ ");
    // Caps and Shift cancel each other on letters; Shift still shifts digits.
    EXPECT_EQ(typist.Click({"Shift", "a"}), "a");
    EXPECT_EQ(typist.Click({"Shift", "1", "Caps", "b"}), "!b");
    EXPECT_FALSE(typist.m_state.IsCapsOn());
}

TEST(VirtualKeyboardStateTest, BackspaceKeepsShiftOnUntilShiftIsClickedAgain) {
    Typist typist;
    EXPECT_EQ(typist.Click({"Shift", "Back", "a", "b"}), "<BS>AB");
    EXPECT_TRUE(typist.m_state.IsShiftOn());
    EXPECT_EQ(typist.Click({"Shift", "c", "d"}), "cd");
    EXPECT_FALSE(typist.m_state.IsShiftOn()) << "switching Shift off leaves nothing pending";
    // OK closes; whatever was latched for one character is forgotten, Shift itself stays.
    EXPECT_EQ(typist.Click({"Shift", "OK"}), "<OK>");
    EXPECT_TRUE(typist.m_state.IsShiftOn());
    EXPECT_FALSE(typist.m_state.IsShiftOnce());
}

TEST(VirtualKeyboardStateTest, LabelsAndLatchesFollowTheState) {
    VirtualKeyboardState state;
    const VirtualKey& q = Typist::KeyNamed("q");
    const VirtualKey& seven = Typist::KeyNamed("7");
    const VirtualKey& shift = Typist::KeyNamed("Shift");
    const VirtualKey& shift2 = Typist::KeyNamed("Shift2");
    const VirtualKey& caps = Typist::KeyNamed("Caps");
    EXPECT_EQ(state.Label(q), "q");
    EXPECT_EQ(state.Label(seven), "7");

    EXPECT_TRUE(state.Press(shift).relabel);
    EXPECT_EQ(state.Label(q), "Q");
    EXPECT_EQ(state.Label(seven), "&");
    EXPECT_TRUE(state.IsLatched(shift));
    EXPECT_TRUE(state.IsLatched(shift2));
    EXPECT_FALSE(state.IsLatched(caps));
    EXPECT_EQ(state.Label(shift), "Shift");

    EXPECT_TRUE(state.Press(caps).relabel);
    EXPECT_EQ(state.Label(q), "q");
    EXPECT_EQ(state.Label(seven), "&");
    EXPECT_TRUE(state.IsLatched(caps));
    EXPECT_EQ(state.Label(caps), "Caps");

    // Typing the shifted character releases Shift and asks for a relabel; with Shift not latched
    // for one character, typing changes nothing.
    const VirtualKeyboardState::Outcome typed = state.Press(seven);
    EXPECT_EQ(typed.action, Action::Type);
    EXPECT_EQ(typed.text, "&");
    EXPECT_TRUE(typed.relabel);
    EXPECT_EQ(state.Label(q), "Q");
    EXPECT_FALSE(state.IsLatched(shift));
    EXPECT_FALSE(state.Press(q).relabel);
    EXPECT_FALSE(state.Press(Typist::KeyNamed("Back")).relabel);
}

} // namespace
} // namespace vaultlet
