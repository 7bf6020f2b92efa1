#pragma once

#include "shell/DpiScale.h"

#include <array>
#include <string_view>

namespace vaultlet {

// What a key of the on-screen keyboard does when it is clicked.
enum class VirtualKeyRole { Character, Backspace, Caps, Shift, Ok };

// One key of the on-screen keyboard.
struct VirtualKey {
    int commandId;
    // Units of key width from the left edge where the key starts a new row; kContinuesRow for a key
    // that follows the previous one on its row.
    int indent;
    int width; // in units
    std::string_view normal;
    std::string_view shifted;
    // The label changes with Shift alone, not with Caps (digits and punctuation).
    bool shiftOnly;
    VirtualKeyRole role;
};

// A rectangle in dialog units.
struct DialogUnitRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A point in screen pixels.
struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// The on-screen keyboard's keys in five rows (a US layout), where they sit in the window, and
// where the window sits under the box it types into. The command ids run through the table in
// order; the keys' own texts are never translated.
class VirtualKeyboardLayout {
public:
    static constexpr int kContinuesRow = -1;
    static constexpr std::size_t kKeyCount = 53;

    // The window, in dialog units.
    static constexpr int kWindowWidth = 213;
    static constexpr int kWindowHeight = 87;
    // One unit of key width, the key height, the top of the first row and the distance between rows.
    static constexpr int kUnit = 7;
    static constexpr int kKeyHeight = 14;
    static constexpr int kFirstRowTop = 7;
    static constexpr int kRowPitch = 15;
    // Every row is shifted right by this much, so the keys do not touch the window frame.
    static constexpr int kLeftMargin = 5;

    static const std::array<VirtualKey, kKeyCount>& Keys();
    // The key with that command id, or nullptr.
    static const VirtualKey* Find(int commandId);
    // Where each key of Keys() lies in the window, in the same order.
    static std::array<DialogUnitRect, kKeyCount> KeyRects();

    // The keyboard window's top left, in screen pixels, for a target box whose left, right and
    // bottom edges are given in screen pixels: centred under the box (a little to the right, where
    // the small opening button sits) and just below it, the distances scaled for the resolution.
    static ScreenPoint Placement(int targetLeft, int targetRight, int targetBottom, int keyboardWidth,
                                 const DpiScale& dpi);
};

} // namespace vaultlet
