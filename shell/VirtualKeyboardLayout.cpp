#include "shell/VirtualKeyboardLayout.h"

#include "resources/resource.h"

#include <algorithm>

namespace vaultlet {
namespace {

constexpr int kNext = VirtualKeyboardLayout::kContinuesRow;
using Role = VirtualKeyRole;

// A letter (or the backtick): Caps and Shift both change it.
constexpr VirtualKey Letter(int id, std::string_view normal, std::string_view shifted, int indent = kNext) {
    return {id, indent, 2, normal, shifted, false, Role::Character};
}

// A digit or punctuation key: only Shift changes it.
constexpr VirtualKey Symbol(int id, std::string_view normal, std::string_view shifted) {
    return {id, kNext, 2, normal, shifted, true, Role::Character};
}

// A key that types nothing; its label never changes.
constexpr VirtualKey Control(int id, int indent, int width, std::string_view label, Role role) {
    return {id, indent, width, label, label, false, role};
}

constexpr int kRow1 = IDC_VKEY_FIRST;
constexpr int kRow2 = IDC_VKEY_ROW2_FIRST;
constexpr int kRow3 = IDC_VKEY_ROW3_FIRST;
constexpr int kRow4 = IDC_VKEY_ROW4_FIRST;

constexpr std::array<VirtualKey, VirtualKeyboardLayout::kKeyCount> kKeys = {{
    // Row 1: the backtick follows Caps like a letter; the Backspace key is drawn with an icon.
    Letter(kRow1 + 0, "`", "~", 0),
    Symbol(kRow1 + 1, "1", "!"),
    Symbol(kRow1 + 2, "2", "@"),
    Symbol(kRow1 + 3, "3", "#"),
    Symbol(kRow1 + 4, "4", "$"),
    Symbol(kRow1 + 5, "5", "%"),
    Symbol(kRow1 + 6, "6", "^"),
    Symbol(kRow1 + 7, "7", "&"),
    Symbol(kRow1 + 8, "8", "*"),
    Symbol(kRow1 + 9, "9", "("),
    Symbol(kRow1 + 10, "0", ")"),
    Symbol(kRow1 + 11, "-", "_"),
    Symbol(kRow1 + 12, "=", "+"),
    Control(IDC_VKEY_BACKSPACE, kNext, 3, "", Role::Backspace),
    // Row 2
    Letter(kRow2 + 0, "q", "Q", 3),
    Letter(kRow2 + 1, "w", "W"),
    Letter(kRow2 + 2, "e", "E"),
    Letter(kRow2 + 3, "r", "R"),
    Letter(kRow2 + 4, "t", "T"),
    Letter(kRow2 + 5, "y", "Y"),
    Letter(kRow2 + 6, "u", "U"),
    Letter(kRow2 + 7, "i", "I"),
    Letter(kRow2 + 8, "o", "O"),
    Letter(kRow2 + 9, "p", "P"),
    Symbol(kRow2 + 10, "[", "{"),
    Symbol(kRow2 + 11, "]", "}"),
    Symbol(kRow2 + 12, "\\", "|"),
    // Row 3
    Control(IDC_VKEY_CAPS, 0, 4, "Caps", Role::Caps),
    Letter(kRow3 + 0, "a", "A"),
    Letter(kRow3 + 1, "s", "S"),
    Letter(kRow3 + 2, "d", "D"),
    Letter(kRow3 + 3, "f", "F"),
    Letter(kRow3 + 4, "g", "G"),
    Letter(kRow3 + 5, "h", "H"),
    Letter(kRow3 + 6, "j", "J"),
    Letter(kRow3 + 7, "k", "K"),
    Letter(kRow3 + 8, "l", "L"),
    Symbol(kRow3 + 9, ";", ":"),
    Symbol(kRow3 + 10, "'", "\""),
    Control(IDC_VKEY_OK, kNext, 3, "OK", Role::Ok),
    // Row 4: both Shift keys carry an icon, the left one its name as well.
    Control(IDC_VKEY_SHIFT, 0, 5, "Shift", Role::Shift),
    Letter(kRow4 + 0, "z", "Z"),
    Letter(kRow4 + 1, "x", "X"),
    Letter(kRow4 + 2, "c", "C"),
    Letter(kRow4 + 3, "v", "V"),
    Letter(kRow4 + 4, "b", "B"),
    Letter(kRow4 + 5, "n", "N"),
    Letter(kRow4 + 6, "m", "M"),
    Symbol(kRow4 + 7, ",", "<"),
    Symbol(kRow4 + 8, ".", ">"),
    Symbol(kRow4 + 9, "/", "?"),
    Control(IDC_VKEY_SHIFT_RIGHT, kNext, 4, "", Role::Shift),
    // Row 5: the space bar types one blank.
    {IDC_VKEY_SPACE, 6, 18, " ", " ", false, Role::Character},
}};

} // namespace

const std::array<VirtualKey, VirtualKeyboardLayout::kKeyCount>& VirtualKeyboardLayout::Keys() {
    return kKeys;
}

const VirtualKey* VirtualKeyboardLayout::Find(int commandId) {
    const auto found = std::find_if(kKeys.begin(), kKeys.end(),
                                    [commandId](const VirtualKey& key) { return key.commandId == commandId; });
    return found == kKeys.end() ? nullptr : &*found;
}

std::array<DialogUnitRect, VirtualKeyboardLayout::kKeyCount> VirtualKeyboardLayout::KeyRects() {
    std::array<DialogUnitRect, kKeyCount> rects{};
    int x = 0;
    int y = kFirstRowTop - kRowPitch;
    for (std::size_t i = 0; i < kKeyCount; ++i) {
        const VirtualKey& key = kKeys[i];
        if (key.indent != kContinuesRow) {
            x = key.indent * kUnit;
            y += kRowPitch;
        }
        // One dialog unit between neighbours keeps their edges apart.
        rects[i] = {x + kLeftMargin, y, key.width * kUnit - 1, kKeyHeight};
        x += key.width * kUnit;
    }
    return rects;
}

ScreenPoint VirtualKeyboardLayout::Placement(int targetLeft, int targetRight, int targetBottom, int keyboardWidth,
                                             const DpiScale& dpi) {
    // At 96 DPI.
    constexpr int kRightShift = 16;
    constexpr int kGapBelow = 5;
    const int centre = (targetLeft + targetRight) / 2;
    return {centre - keyboardWidth / 2 + dpi.Scale(kRightShift), targetBottom + dpi.Scale(kGapBelow)};
}

} // namespace vaultlet
