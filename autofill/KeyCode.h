#pragma once

#include <cstdint>

namespace vaultlet {

// A key in the form the Windows layout lookup (VkKeyScanA) gives for a character: the low byte is
// the virtual-key code, the high byte the modifiers that must be held (Shift, Ctrl, Alt bits).
using KeyCode = std::uint16_t;

// What the layout lookup reports for a character no key of the layout produces.
constexpr KeyCode kNoKey = 0xFFFF;

constexpr std::uint8_t kShiftBit = 1;
constexpr std::uint8_t kCtrlBit = 2;
constexpr std::uint8_t kAltBit = 4;

// Virtual-key codes of the modifier keys and of the paste shortcut's letter.
constexpr std::uint8_t kVirtualKeyShift = 0x10;
constexpr std::uint8_t kVirtualKeyControl = 0x11;
constexpr std::uint8_t kVirtualKeyAlt = 0x12;
constexpr std::uint8_t kVirtualKeyV = 0x56;

constexpr std::uint8_t VirtualKeyOf(KeyCode code) noexcept {
    return static_cast<std::uint8_t>(code & 0xFF);
}

constexpr std::uint8_t ModifiersOf(KeyCode code) noexcept {
    return static_cast<std::uint8_t>(code >> 8);
}

constexpr KeyCode MakeKeyCode(std::uint8_t virtualKey, std::uint8_t modifiers = 0) noexcept {
    return static_cast<KeyCode>((modifiers << 8) | virtualKey);
}

} // namespace vaultlet
